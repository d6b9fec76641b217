# Embeds a module's resources: runs qvrc on the module's JSON resource description to generate
# ${target}_resources.cpp in the current binary folder, whose only definition is the blob placed
# in the .qvrsrc section, and adds it to the target's sources. Touches only that target and the
# generated file.
#
#   qv_embed_resources(<target> <resources.json>)
#
# A relative JSON path is taken from the current source folder. The JSON is read here, at
# configure time, to learn which icon files it names so that editing an icon reruns qvrc;
# editing the JSON itself re-runs configure, which picks up added or removed icons.
function(qv_embed_resources target json)
  if(NOT json)
    message(FATAL_ERROR "qv_embed_resources(${target}): no resource description given")
  endif()
  cmake_path(ABSOLUTE_PATH json BASE_DIRECTORY "${CMAKE_CURRENT_SOURCE_DIR}" NORMALIZE
             OUTPUT_VARIABLE json_file)
  if(NOT EXISTS "${json_file}")
    message(FATAL_ERROR "qv_embed_resources(${target}): ${json_file} does not exist")
  endif()
  cmake_path(GET json_file PARENT_PATH json_dir)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${json_file}")

  file(READ "${json_file}" description)
  string(JSON root_type ERROR_VARIABLE json_error TYPE "${description}")
  if(json_error)
    message(FATAL_ERROR "qv_embed_resources(${target}): ${json_file}: ${json_error}")
  endif()

  # Icons: an optional array of { "id": ..., "file": ... }. Anything malformed is left for qvrc
  # to report at build time with a precise message.
  set(icon_files "")
  string(JSON icons_type ERROR_VARIABLE json_error TYPE "${description}" icons)
  if(NOT json_error AND icons_type STREQUAL "ARRAY")
    string(JSON icon_count LENGTH "${description}" icons)
    if(icon_count GREATER 0)
      math(EXPR last_icon "${icon_count} - 1")
      foreach(i RANGE ${last_icon})
        string(JSON icon_file ERROR_VARIABLE json_error GET "${description}" icons ${i} file)
        if(NOT json_error AND NOT icon_file STREQUAL "")
          cmake_path(ABSOLUTE_PATH icon_file BASE_DIRECTORY "${json_dir}" NORMALIZE)
          list(APPEND icon_files "${icon_file}")
        endif()
      endforeach()
    endif()
  endif()

  set(generated "${CMAKE_CURRENT_BINARY_DIR}/${target}_resources.cpp")
  add_custom_command(
    OUTPUT "${generated}"
    COMMAND $<TARGET_FILE:qvrc> "${json_file}" "${generated}"
    DEPENDS qvrc "${json_file}" ${icon_files}
    COMMENT "Compiling the resources of ${target}"
    VERBATIM)
  target_sources(${target} PRIVATE "${generated}")
endfunction()
