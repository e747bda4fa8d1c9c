# SPDX-License-Identifier: MIT
# The game's translations: one Qt Linguist file per language in
# translations/ (grimsward_<code>.ts), compiled by lrelease and built into
# the program under ":/i18n". `cmake --build build --target update_translations`
# brings every .ts file up to date with the texts in the sources.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)
file(GLOB GRIMSWARD_TS_FILES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/translations/grimsward_*.ts)
set_source_files_properties(${GRIMSWARD_TS_FILES} PROPERTIES OUTPUT_LOCATION ${CMAKE_CURRENT_BINARY_DIR}/i18n)
qt_add_lupdate(grimsward_lib TS_FILES ${GRIMSWARD_TS_FILES}
  SOURCES ${GRIMSWARD_LIB_SOURCES} ${GRIMSWARD_CORE_SOURCES}
  OPTIONS -no-obsolete -locations none)
qt_add_lrelease(grimsward_lib TS_FILES ${GRIMSWARD_TS_FILES} QM_FILES_OUTPUT_VARIABLE GRIMSWARD_QM_FILES)
qt_add_resources(grimsward_lib translations PREFIX /i18n BASE ${CMAKE_CURRENT_BINARY_DIR}/i18n
  FILES ${GRIMSWARD_QM_FILES})
