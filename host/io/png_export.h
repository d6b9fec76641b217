// Documents into PNG images: the exported SVG drawn by librsvg through cairo, so that what the
// PNG shows is what a browser shows of the SVG (pass-through art, all sixteen blending
// modes). Reads the document; writes only the target file, whole or not at all.
#pragma once

#include <filesystem>

#include "io_result.h"

namespace qv::host::io {

struct PngOptions {
  double scale = 1;              // pixels per point; the image is the artboard times this
  bool whiteBackground = false;  // else transparent
};

IoResult exportPng(const Document& document, const std::filesystem::path& file,
                   const PngOptions& options = {});

}  // namespace qv::host::io
