# Builds a plug-in module the way the host expects it: a shared object that exports
# PluginMain alone, keeps every other symbol (its own operator new included) private,
# carries its resources in the .qvrsrc section and lands in the plug-ins folder.
include(QvResources)

function(qv_add_plugin target)
  cmake_parse_arguments(ARG "" "RESOURCES;OUTPUT_DIR" "SOURCES" ${ARGN})
  if(NOT ARG_OUTPUT_DIR)
    set(ARG_OUTPUT_DIR ${QV_PLUGINS_DIR})
  endif()
  add_library(${target} MODULE ${ARG_SOURCES})
  qv_warnings(${target})
  target_link_libraries(${target} PRIVATE qv_framework)
  set_target_properties(${target} PROPERTIES
    PREFIX ""
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON
    LIBRARY_OUTPUT_DIRECTORY ${ARG_OUTPUT_DIR})
  # gnu-unique symbols would pin the module in memory so an unload could never really
  # unload it; lifetime-dse must not drop the members that the reload fix-up keeps.
  target_compile_options(${target} PRIVATE -fno-gnu-unique -fno-lifetime-dse)
  target_link_options(${target} PRIVATE
    -Wl,--version-script=${PROJECT_SOURCE_DIR}/cmake/plugin.version -Wl,--no-undefined)
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${PROJECT_SOURCE_DIR}/cmake/plugin.version)
  qv_embed_resources(${target} ${ARG_RESOURCES})
endfunction()
