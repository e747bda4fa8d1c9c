# SPDX-License-Identifier: MIT
# cmake --install: the program, its data, a launcher that gives each player a
# working directory of their own, the desktop integration files and the
# manual page.
include(GNUInstallDirs)

set(GRIMSWARD_APP_ID de.grimsward.Grimsward)
install(TARGETS grimsward RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/grimsward)
install(DIRECTORY data/images data/maps data/sound DESTINATION ${CMAKE_INSTALL_DATADIR}/grimsward)
install(FILES dist/default-options.cfg DESTINATION ${CMAKE_INSTALL_DATADIR}/grimsward RENAME options.cfg)

# The launcher finds everything relative to itself, so any prefix works.
file(RELATIVE_PATH GRIMSWARD_REL_DATADIR
  ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR})
file(RELATIVE_PATH GRIMSWARD_REL_LIBEXECDIR
  ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBEXECDIR})
configure_file(dist/grimsward.in ${CMAKE_CURRENT_BINARY_DIR}/launcher/grimsward @ONLY)
install(PROGRAMS ${CMAKE_CURRENT_BINARY_DIR}/launcher/grimsward DESTINATION ${CMAKE_INSTALL_BINDIR}
        COMPONENT launcher)
# Debian keeps games in /usr/games; the package (cmake/package.cmake) takes
# this copy instead of the one above. It is as deep below the prefix as bin/,
# so the launcher's relative paths hold for both.
install(PROGRAMS ${CMAKE_CURRENT_BINARY_DIR}/launcher/grimsward DESTINATION games
        COMPONENT games_launcher EXCLUDE_FROM_ALL)

# The manual page and the licence and release history, compressed the way
# Debian wants them.
configure_file(dist/grimsward.6 ${CMAKE_CURRENT_BINARY_DIR}/dist/grimsward.6 @ONLY)
configure_file(dist/changelog ${CMAKE_CURRENT_BINARY_DIR}/dist/changelog COPYONLY)
add_custom_command(
  OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/dist/grimsward.6.gz ${CMAKE_CURRENT_BINARY_DIR}/dist/changelog.gz
  COMMAND gzip -9nkf grimsward.6 changelog
  DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/dist/grimsward.6 ${CMAKE_CURRENT_BINARY_DIR}/dist/changelog
  WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/dist
  VERBATIM)
add_custom_target(grimsward_docs ALL
  DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/dist/grimsward.6.gz ${CMAKE_CURRENT_BINARY_DIR}/dist/changelog.gz)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/dist/grimsward.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES dist/copyright ${CMAKE_CURRENT_BINARY_DIR}/dist/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/grimsward)

install(FILES dist/${GRIMSWARD_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES dist/${GRIMSWARD_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 32 256)
  set(icon resources/icon.png)
  if(size EQUAL 256)
    set(icon resources/icon_256.png)
  endif()
  if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${icon})
    install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${GRIMSWARD_APP_ID}.png)
  endif()
endforeach()
