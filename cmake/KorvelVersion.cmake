# Facts about the release. Everything that names the release comes from project(VERSION) and the release
# date below: the display form, the About line, the metainfo release, the
# Debian package version and its changelog entry.
include(${CMAKE_CURRENT_LIST_DIR}/KorvelVersionFormat.cmake)

set(KORVEL_RELEASE_DATE 2026-12-08)
# The packaging revision of this release; a new release starts again at 1.
set(KORVEL_DEBIAN_REVISION 1)
set(KORVEL_PACKAGE_VERSION ${PROJECT_VERSION}-${KORVEL_DEBIAN_REVISION})
set(KORVEL_APP_ID "org.korvel.korvel")
set(KORVEL_DEVELOPER "The KORVEL developers")
set(KORVEL_MAINTAINER "${KORVEL_DEVELOPER} <maintainers@korvel.invalid>")
set(KORVEL_HOMEPAGE "https://korvel.invalid" CACHE STRING
    "Where the project is published; the metainfo's screenshots are its docs/form1.png and docs/form2.png")

korvel_display_version(KORVEL_DISPLAY_VERSION
                       ${PROJECT_VERSION_MAJOR} ${PROJECT_VERSION_MINOR} ${PROJECT_VERSION_TWEAK})
# The About message names the release by major and minor only.
set(KORVEL_ABOUT_VERSION "Version ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
korvel_changelog_date(KORVEL_RELEASE_DATE_CHANGELOG ${KORVEL_RELEASE_DATE})

# korvel_version: the header korvel/project.hpp with these facts for the programs.
configure_file(${CMAKE_CURRENT_LIST_DIR}/templates/project.hpp.in
               ${PROJECT_BINARY_DIR}/generated/korvel/project.hpp @ONLY)
add_library(korvel_version INTERFACE)
target_include_directories(korvel_version INTERFACE ${PROJECT_BINARY_DIR}/generated)
