# The copy tool's tests: the palette, the gesture, the copy pipeline, the Grid and Drag tools
# and their edge input driven through the host (in qv_tests), and the selection snapshot with
# the module's Selection.cpp compiled against the host's suites (its own executable, since it
# defines the suite pointers that source uses).
target_sources(qv_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/palette_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/drag_driver_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pipeline_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/drag_tool_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/grid_tool_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/edge_input_test.cpp)

add_executable(tessaly1_snapshot_tests
  ${CMAKE_CURRENT_LIST_DIR}/snapshot_test.cpp
  ${PROJECT_SOURCE_DIR}/Tessaly1/Source/Selection.cpp
  ${PROJECT_SOURCE_DIR}/Tessaly1/Source/Options.cpp)
qv_warnings(tessaly1_snapshot_tests)
qv_link_host(tessaly1_snapshot_tests)
target_include_directories(tessaly1_snapshot_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}
  ${PROJECT_SOURCE_DIR}/Tessaly1/Source ${PROJECT_SOURCE_DIR}/common/includes)
target_link_libraries(tessaly1_snapshot_tests PRIVATE GTest::gtest GTest::gtest_main)
target_compile_definitions(tessaly1_snapshot_tests PRIVATE
  QV_PLUGINS_DIR="${QV_PLUGINS_DIR}"
  QV_TEST_PLUGINS_DIR="${QV_TEST_PLUGINS_DIR}")
gtest_discover_tests(tessaly1_snapshot_tests)
