# The dialog manager: its model and front-end API (host/adm/) and its four suites
# (host/suites/adm_*). Dialog templates are JSON, read with nlohmann_json. Touches only
# qvhost_core.
target_sources(qvhost_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ranged_value.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialog_model.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialog_manager.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialog_template.cpp
  ${CMAKE_CURRENT_LIST_DIR}/notification.cpp
  ${CMAKE_CURRENT_LIST_DIR}/control_lookup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialog_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/control_change.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../suites/adm_lookup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../suites/adm_dialog_suite.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../suites/adm_item_suite.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../suites/adm_list_suites.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../suites/adm_dialog_suites.cpp)
target_link_libraries(qvhost_core PRIVATE nlohmann_json::nlohmann_json)
