# Builds the 24 catalogues ":/Languages/XX_TK9400.qm" from Languages/XX_TK9400.ts
# with lrelease and compiles them into the library as a resource.
set(TK9400_LANGUAGES GB DE FR IT ES CN CZ HU RU SI JP PL PT RO SK SE FI DK NO BG HR KR RS TR)
get_target_property(TK9400_LRELEASE Qt5::lrelease IMPORTED_LOCATION)
get_target_property(TK9400_RCC Qt5::rcc IMPORTED_LOCATION)

set(_qm_dir ${CMAKE_BINARY_DIR}/Languages)
set(_qm_files)
set(_qrc_body "<RCC>\n  <qresource prefix=\"/Languages\">\n")
foreach(lang ${TK9400_LANGUAGES})
  set(_ts ${CMAKE_SOURCE_DIR}/Languages/${lang}_TK9400.ts)
  set(_qm ${_qm_dir}/${lang}_TK9400.qm)
  add_custom_command(OUTPUT ${_qm}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${_qm_dir}
    COMMAND ${TK9400_LRELEASE} -silent ${_ts} -qm ${_qm}
    DEPENDS ${_ts} VERBATIM)
  list(APPEND _qm_files ${_qm})
  string(APPEND _qrc_body "    <file>${lang}_TK9400.qm</file>\n")
endforeach()
string(APPEND _qrc_body "  </qresource>\n</RCC>\n")
# Written only when its text changes: a file rewritten at every configure would make
# the code generators of every target run again, and a start rebuild half the tree.
file(CONFIGURE OUTPUT ${_qm_dir}/catalogues.qrc CONTENT "${_qrc_body}")

set(TK9400_CATALOGUE_QRC ${CMAKE_BINARY_DIR}/qrc_catalogues.cpp)
add_custom_command(OUTPUT ${TK9400_CATALOGUE_QRC}
  COMMAND ${TK9400_RCC} -name catalogues ${_qm_dir}/catalogues.qrc -o ${TK9400_CATALOGUE_QRC}
  DEPENDS ${_qm_files} ${_qm_dir}/catalogues.qrc
  WORKING_DIRECTORY ${_qm_dir} VERBATIM)
set_source_files_properties(${TK9400_CATALOGUE_QRC} PROPERTIES SKIP_AUTOGEN ON GENERATED ON)
add_custom_target(tk9400_catalogues DEPENDS ${_qm_files})
