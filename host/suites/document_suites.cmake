# The suites over the document (art, paths, selection, layers, swatches, attributes, undo,
# envelopes), the real-number and tracker suites, and the document pieces they need.
target_sources(qvhost_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/art_suite.cpp
  ${CMAKE_CURRENT_LIST_DIR}/path_suites.cpp
  ${CMAKE_CURRENT_LIST_DIR}/selection_suites.cpp
  ${CMAKE_CURRENT_LIST_DIR}/document_suites.cpp
  ${CMAKE_CURRENT_LIST_DIR}/real_math_suite.cpp
  ${CMAKE_CURRENT_LIST_DIR}/art_attribute_suites.cpp
  ${CMAKE_CURRENT_LIST_DIR}/undo_suite.cpp
  ${CMAKE_CURRENT_LIST_DIR}/envelope_suite.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tracker_suite.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../document/warp.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../pica/memory_handles.cpp)
