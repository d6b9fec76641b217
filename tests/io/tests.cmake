# Tests of reading and writing files (host/io): units, fixtures under tests/data, the peer
# suite in ../shared/testdata/resvg and the Debian packages of real and hostile SVG files.
target_sources(qv_tests PRIVATE
  io/io_test_support.cpp
  io/sanitizer_suppressions.cpp
  io/path_data_test.cpp
  io/svg_values_test.cpp
  io/svg_import_test.cpp
  io/svg_export_test.cpp
  io/json_dump_test.cpp
  io/png_export_test.cpp
  io/resvg_reference_test.cpp
  io/file_suites_test.cpp)
target_compile_definitions(qv_tests PRIVATE
  QV_TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/data"
  QV_RESVG_SUITE_DIR="${PROJECT_SOURCE_DIR}/../shared/testdata/resvg")
