# Tests of the document model and the suites over it, each driven as a module calls them.
target_sources(qv_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/art_suite_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/path_suites_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/selection_suites_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/document_suites_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/real_math_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/art_attribute_suites_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/undo_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/envelope_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/warp_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tracker_suite_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/geometry_test.cpp)
