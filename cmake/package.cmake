# SPDX-License-Identifier: MIT
# The Debian package, made by CPack from the install rules:
#   cmake --build build --target package   ->  build/grimsward_<version>_<arch>.deb
# It holds what cmake --install installs, with the launcher in /usr/games.

# The library dependencies are computed from the program (dpkg-shlibdeps);
# what it needs at run time that no link shows (sound decoding, fonts) is the
# list RUN_PACKAGES in scripts/deps.sh, which play.sh installs as well.
file(READ ${CMAKE_CURRENT_SOURCE_DIR}/scripts/deps.sh GRIMSWARD_DEPS_SH)
if(NOT GRIMSWARD_DEPS_SH MATCHES "\nRUN_PACKAGES=\\(([^)#]*)\\)")
  message(FATAL_ERROR "scripts/deps.sh: no plain list RUN_PACKAGES=(...) of package names")
endif()
string(STRIP "${CMAKE_MATCH_1}" GRIMSWARD_RUN_PACKAGES)
string(REGEX REPLACE "[ \t\r\n]+" ";" GRIMSWARD_RUN_PACKAGES "${GRIMSWARD_RUN_PACKAGES}")
# The libraries among them the program links, and dpkg-shlibdeps names them
# with their versions; named here once more they would stand twice.
list(FILTER GRIMSWARD_RUN_PACKAGES EXCLUDE REGEX "^lib")
list(JOIN GRIMSWARD_RUN_PACKAGES ", " GRIMSWARD_RUN_PACKAGES)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS scripts/deps.sh)

# The hardening Debian builds its programs with, where it does not get in the
# way of the sanitizers or of a debug build.
if(NOT GRIMSWARD_SANITIZE)
  foreach(target grimsward_core grimsward_lib grimsward)
    target_compile_definitions(${target} PRIVATE $<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
  endforeach()
  target_link_options(grimsward PRIVATE LINKER:-z,relro,-z,now)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME grimsward)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Grimsward developers")
set(CPACK_PACKAGE_CONTACT "The Grimsward developers <developers@grimsward.de>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "turn-based strategy game against a computer opponent")
set(CPACK_PACKAGE_DESCRIPTION
"You (Red) and a computer opponent (Blue) share a map of 20 by 11 fields.
Every turn you take one action: buy land for tax income, buy recruits and
equipment, train infantry, snipers, mortar crews and special units, build gun
towers, bunkers and minefields, or attack the opponent's base in a five-stage
battle decided by dice. The opponent answers with one action of its own.

Three maps, music and battle sounds are included. The game speaks German
and English.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

# Everything cmake --install installs except the launcher in bin/, plus the
# one for /usr/games, in one package.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_COMPONENTS_ALL Unspecified games_launcher)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://grimsward.de/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${GRIMSWARD_RUN_PACKAGES}")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

include(CPack)
