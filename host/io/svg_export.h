// Documents into SVG 1.1 files: the artboard as width, height and viewBox, layers as
// <g data-layer="name">, paths (compound paths as one path with their fill rule) as absolute
// path data with y flipped back, groups as <g>, style as presentation attributes, tags as
// data- attributes, pass-through art re-emitted with the host's matrix, envelopes drawn with
// their warped member. The same document always gives the same text. Reads the document;
// writes only the target file.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "io_result.h"

namespace qv::host::io {

struct SvgText {
  std::string text;
  std::vector<std::string> warnings;  // art that could not be written as it is
};

SvgText exportSvgText(const Document& document);
// Writes the file whole or not at all; the error names the file.
IoResult exportSvg(const Document& document, const std::filesystem::path& file);

}  // namespace qv::host::io
