# Run by cpack on the staged files before it packs them: strips the programs as
# Debian's packaging tools do, dropping also the compiler's .comment and .note
# sections, which carry nothing a user's machine needs.
file(GLOB programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin/*")
foreach(program IN LISTS programs)
  execute_process(COMMAND ${CPACK_KORVEL_STRIP} --remove-section=.comment --remove-section=.note --strip-unneeded
                          ${program}
                  RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "could not strip ${program}")
  endif()
endforeach()
