# Reading and writing files: SVG import and export (pugixml), the JSON dump (nlohmann-json)
# and PNG export through librsvg and cairo. Included from host/CMakeLists.txt.
find_package(pugixml REQUIRED)
find_package(PkgConfig REQUIRED)
pkg_check_modules(QV_RSVG REQUIRED IMPORTED_TARGET librsvg-2.0)
pkg_check_modules(QV_CAIRO REQUIRED IMPORTED_TARGET cairo)

target_sources(qvhost_core PRIVATE
  io/atomic_file.cpp
  io/blend_modes.cpp
  io/element_bounds.cpp
  io/envelope_drawing.cpp
  io/fragment_svg.cpp
  io/json_dump.cpp
  io/json_names.cpp
  io/json_read.cpp
  io/number_format.cpp
  io/path_writer.cpp
  io/png_export.cpp
  io/read_file.cpp
  io/rsvg_document.cpp
  io/svg_cascade.cpp
  io/svg_color.cpp
  io/svg_css.cpp
  io/svg_definitions.cpp
  io/svg_export.cpp
  io/svg_fragment.cpp
  io/svg_import.cpp
  io/svg_numbers.cpp
  io/svg_path_data.cpp
  io/svg_resolve.cpp
  io/svg_shapes.cpp
  io/svg_source.cpp
  io/svg_transform.cpp
  io/xml_entities.cpp
  io/xml_text.cpp)

if(TARGET pugixml::pugixml)
  set(QV_PUGIXML pugixml::pugixml)
else()
  set(QV_PUGIXML pugixml)
endif()
target_link_libraries(qvhost_core PUBLIC ${QV_PUGIXML} nlohmann_json::nlohmann_json
  PkgConfig::QV_RSVG PkgConfig::QV_CAIRO)
