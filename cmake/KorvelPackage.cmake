# The Debian package, made from a build tree by `cpack -G DEB`. It holds what
# KorvelInstall.cmake installs, under /usr, with stripped programs; the
# library dependencies are worked out from the programs by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvel)
set(CPACK_PACKAGE_VENDOR "KORVEL")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "KORVEL maintainers <maintainers@korvel.invalid>")
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
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

include(CPack)
