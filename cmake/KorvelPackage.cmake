# The Debian package, made from a build tree by `cpack -G DEB`. It holds what
# KorvelInstall.cmake installs, under /usr, with programs stripped as Debian
# strips them; the library dependencies are worked out from the programs by
# dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VENDOR "${KORVEL_DEVELOPER}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${KORVEL_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Fink roof truss analysis: member forces, lengths and reactions")
set(CPACK_PACKAGE_DESCRIPTION
    "KORVEL analyses a symmetric Fink roof truss of sixteen nodes and twenty-nine\n"
    "members for any loading condition. Type the span, enter the horizontal and\n"
    "vertical loads at the nodes, and read the length and axial force of every\n"
    "member and the three support reactions.")
if(TARGET korvel)
  list(APPEND CPACK_PACKAGE_DESCRIPTION
       "\nThe package holds the windowed program korvel and the command-line tool\n"
       "korvel-solve.")
else()
  list(APPEND CPACK_PACKAGE_DESCRIPTION "\nThe package holds the command-line tool korvel-solve.")
endif()
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/packaging/debian/strip_programs.cmake)
set(CPACK_KORVEL_STRIP ${CMAKE_STRIP})
# Directories as Debian expects them, whatever the umask of the one who builds.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${KORVEL_DEBIAN_REVISION})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${KORVEL_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(TARGET korvel)
  # The results window draws with Liberation Sans and Comic Neue, standing in
  # for the two fonts it names.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-comic-neue")
endif()

include(CPack)
