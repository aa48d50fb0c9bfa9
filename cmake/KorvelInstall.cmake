# What `cmake --install` puts where: the programs in bin/, their man pages, the
# licence and changelog in the package's doc folder, and with the windowed
# program its desktop entry, AppStream metainfo and hicolor icons. Only programs
# this build actually makes are installed, so a build without the windows
# installs the command-line tool alone.
include(GNUInstallDirs)

set(KORVEL_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/${PROJECT_NAME})
set(KORVEL_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging/debian)

if(TARGET korvel-solve)
  install(TARGETS korvel-solve RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

if(KORVEL_BUILD_MAN)
  install(FILES ${KORVEL_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

# The licence in Debian's machine-readable form, and the changelog of this
# release gzipped as Debian installs it (best compression, no time stamp).
install(FILES ${KORVEL_PACKAGING_DIR}/copyright DESTINATION ${KORVEL_DOC_DIR})

# Tags of Debian's package checker that do not apply to this package, each with the reason.
set(KORVEL_WINDOWED_OVERRIDES "")
if(TARGET korvel)
  set(KORVEL_WINDOWED_OVERRIDES
      "# The help message keeps its original wording, misspelling included.\n"
      "korvel: spelling-error-in-binary Defult Default [usr/bin/korvel]")
  string(JOIN "" KORVEL_WINDOWED_OVERRIDES ${KORVEL_WINDOWED_OVERRIDES})
endif()
configure_file(${KORVEL_PACKAGING_DIR}/lintian-overrides.in ${PROJECT_BINARY_DIR}/packaging/lintian-overrides @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/packaging/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME ${PROJECT_NAME})
configure_file(${KORVEL_PACKAGING_DIR}/changelog.in ${PROJECT_BINARY_DIR}/packaging/changelog.Debian @ONLY)
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/packaging/changelog.Debian.gz
  COMMAND gzip -9 -n -k -f ${PROJECT_BINARY_DIR}/packaging/changelog.Debian
  DEPENDS ${PROJECT_BINARY_DIR}/packaging/changelog.Debian
  VERBATIM)
add_custom_target(korvel-changelog ALL DEPENDS ${PROJECT_BINARY_DIR}/packaging/changelog.Debian.gz)
install(FILES ${PROJECT_BINARY_DIR}/packaging/changelog.Debian.gz DESTINATION ${KORVEL_DOC_DIR})

if(TARGET korvel)
  install(TARGETS korvel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

  install(FILES ${PROJECT_SOURCE_DIR}/data/${KORVEL_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

  configure_file(${PROJECT_SOURCE_DIR}/data/${KORVEL_APP_ID}.metainfo.xml.in
                 ${PROJECT_BINARY_DIR}/data/${KORVEL_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/data/${KORVEL_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

  # The program's own artwork, renamed to the application id as the icon theme expects.
  set(_korvel_artwork ${PROJECT_SOURCE_DIR}/ui/widgets/artwork)
  set(_korvel_icon_dir ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
  install(FILES ${_korvel_artwork}/korvel.svg
          DESTINATION ${_korvel_icon_dir}/scalable/apps RENAME ${KORVEL_APP_ID}.svg)
  foreach(size IN ITEMS 16 32 48 128 256)
    install(FILES ${_korvel_artwork}/korvel-${size}.png
            DESTINATION ${_korvel_icon_dir}/${size}x${size}/apps RENAME ${KORVEL_APP_ID}.png)
  endforeach()
endif()
