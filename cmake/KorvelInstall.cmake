# What `cmake --install` puts where: the programs in bin/, their man pages, the
# bash completion of korvel-solve, and with the windowed program its desktop
# entry, load case file type, AppStream metainfo and hicolor icons. Only programs
# this build actually makes are installed, so a build without the windows
# installs the command-line tool alone. The licence, changelog and package
# checker notes are in packaging/debian.
include(GNUInstallDirs)

if(TARGET korvel-solve)
  install(TARGETS korvel-solve RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  # Its own component too, so that a test can install the completion alone.
  install(FILES ${PROJECT_SOURCE_DIR}/data/completions/korvel-solve.bash
          DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME korvel-solve
          COMPONENT korvel_solve_completion)
endif()

if(KORVEL_BUILD_MAN)
  install(FILES ${KORVEL_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

if(TARGET korvel)
  install(TARGETS korvel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

  install(FILES ${PROJECT_SOURCE_DIR}/data/${KORVEL_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  # The load case file type, so a file manager opens *.korvel.json files with the program.
  install(FILES ${PROJECT_SOURCE_DIR}/data/${KORVEL_APP_ID}.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)

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
