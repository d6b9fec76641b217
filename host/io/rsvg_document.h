// SVG text loaded into librsvg, the renderer PNG export draws with and pass-through art is
// measured with. References to files are allowed anywhere (the documents name absolute
// paths). Owns the librsvg handle; touches nothing else.
#pragma once

#include <librsvg/rsvg.h>

#include <memory>
#include <string>
#include <string_view>

namespace qv::host::io {

struct RsvgHandleRelease {
  void operator()(RsvgHandle* handle) const { g_object_unref(handle); }
};
using RsvgDocument = std::unique_ptr<RsvgHandle, RsvgHandleRelease>;

// Null with `error` set when librsvg cannot read the text.
RsvgDocument loadRsvg(std::string_view svg, std::string& error);

}  // namespace qv::host::io
