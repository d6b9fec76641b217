# The point-drag tool's tests: the dialog, the gesture and a script driven through the host
# (in qv_tests), the palette as qvhost prints it, and the per-segment arithmetic compiled on its
# own (DragModes.cpp calls no host).
target_sources(qv_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/palette_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/point_drag_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/script_test.cpp)

add_executable(pivora_drag_modes_tests
  ${CMAKE_CURRENT_LIST_DIR}/drag_modes_test.cpp
  ${PROJECT_SOURCE_DIR}/Pivora/Source/DragModes.cpp)
qv_warnings(pivora_drag_modes_tests)
target_include_directories(pivora_drag_modes_tests PRIVATE ${PROJECT_SOURCE_DIR}/Pivora/Source)
target_link_libraries(pivora_drag_modes_tests PRIVATE qv_illustratorapi GTest::gtest GTest::gtest_main)
gtest_discover_tests(pivora_drag_modes_tests)

# Every control of the options dialog in creation order, with its default.
string(CONCAT pivora_palette_defaults
  "^dialog \"QV17Pivora\"\n  title \"Pivora\"\n  style 3\n  size 260 x 317\n.*  31 items, in creation order:\n"
  "  item 12   popup .* value 0 \" Direction points drag \\(start, cursor\\)\"  entries 11 .*"
  "      entry 10 \" Direction points drag \\(cursor, start\\)\"\n"
  "  item 14   label .* text \"Interpolate in\" .*\n"
  "  item 15   label .* text \"Interpolate out\" .*\n"
  "  item 16   label .* text \"Interpolate point\" .*\n"
  "  item 22   label .* text \"Limit direction\\(p\\)\" .*\n"
  "  item 18   spin edit .* label \"Interpolate in\"  value 100.00  range 0.00..100.00  decimals 2 .*\n"
  "  item 19   spin edit .* label \"Interpolate out\"  value 100.00  range 0.00..100.00  decimals 2 .*\n"
  "  item 20   spin edit .* label \"Interpolate point\"  value 100.00  range 0.00..100.00  decimals 2 .*\n"
  "  item 21   spin edit .* label \"Limit direction\\(p\\)\"  value 1000.00  range 0.00..20000.00  decimals 2 .*\n"
  "  item 3    checkbox .* text \"Locked\"  value off .*\n"
  "  item 4    checkbox .* text \"Drag or not\"  value off .*\n"
  "  item 6    checkbox .* text \"Pre-swap\"  value off .*\n"
  "  item 5    checkbox .* text \"Swap in/out\"  value off .*\n"
  "  item 8    checkbox .* text \"Horizontal\"  value on .*\n"
  "  item 9    checkbox .* text \"Vertical\"  value on .*\n"
  "  item 10   checkbox .* text \"In component\"  value on .*\n"
  "  item 11   checkbox .* text \"Out component\"  value on .*\n"
  "  item 7    checkbox .* text \"Alternating\"  value off .*\n"
  "  item 26   checkbox .* text \"Anchor \\(R\\)\"  value off .*\n"
  "  item 28   checkbox .* text \"Type/Point \\(R\\)\"  value off .*\n"
  "  item 27   checkbox .* text \"Type/path \\(R\\)\"  value off .*\n"
  "  item 17   checkbox .* text \"Pressure\"  value off .*\n"
  "  item 23   checkbox .* text \"Trail/trace\"  value off .*\n"
  "  item 24   checkbox .* text \"Trail/new layer\"  value off .*\n"
  "  item 25   checkbox .* text \"Trail/beneath\"  value off .*\n"
  "  item 29   checkbox .* text \"Fill \\(R\\)\"  value off .*\n"
  "  item 30   checkbox .* text \"Fill swatch \\(R\\)\"  value off .*\n"
  "  item 31   checkbox .* text \"Stroke \\(R\\)\"  value off .*\n"
  "  item 32   checkbox .* text \"Stroke swatch \\(R\\)\"  value off .*\n"
  "  item 33   checkbox .* text \"Weight \\(R\\)\"  value off .*\n"
  "  item 34   checkbox .* text \"Opacity \\(R\\)\"  value off .*\n")
add_test(NAME qvhost_palette_prints_pivora COMMAND qvhost palette QV17_Pivora)
set_tests_properties(qvhost_palette_prints_pivora PROPERTIES PASS_REGULAR_EXPRESSION
  "${pivora_palette_defaults}")
