# Adds the module resource reader (.qvrsrc section, resource table, PIPL check) to the host
# library. Included from host/CMakeLists.txt; touches only the qvhost_core target.
target_sources(qvhost_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/module_resources.cpp)
