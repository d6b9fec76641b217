// The document as JSON, for tests and scripts, and back: artboard, layers in paint order,
// the art tree without handles (type, id, segments in document coordinates with selection,
// style, paint strings, opacity, blending, tags, state, pass-through element, envelope warp)
// and the swatches. Reading a dump and dumping again gives the same text. The format is
// described in docs/json-format.md. Reads or creates documents; writes only the target file.
#pragma once

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "io_result.h"

namespace qv::host::io {

nlohmann::ordered_json dumpJson(const Document& document);
// Indented by two spaces, with a final newline.
std::string dumpJsonText(const Document& document);
// Writes the file whole or not at all; the error names the file.
IoResult exportJson(const Document& document, const std::filesystem::path& file);

// A malformed or incomplete dump is an error naming the place in it ("layers[0].art[2]...").
ImportResult importJsonText(std::string_view text);
ImportResult importJson(const std::filesystem::path& file);

}  // namespace qv::host::io
