// The first stage of SVG import: the file's XML resolved into art that needs nothing more
// from the file. Styles are cascaded and inherited, <use> is expanded, lengths are in user
// units, every transform is folded into SVG root coordinates (y down), basic shapes are
// paths, and paint servers and elements the document does not model are self-contained
// fragments. Reads the source; builds new values.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "document/document.h"
#include "path_writer.h"
#include "svg_source.h"

namespace qv::host::io {

struct ResolvedArt {
  enum class Kind { Group, Path, PassThrough };
  Kind kind = Kind::Group;
  int16_t passThroughType = kForeignArt;
  std::string id;
  std::vector<Subpath> subpaths;  // Path; more than one makes a compound path
  AIPathStyle style = defaultPathStyle();
  std::string fillPaint, strokePaint;  // gradient or pattern fragments
  std::string element;                 // PassThrough fragment
  Bounds elementBounds;                // PassThrough
  AIReal opacity = 1;
  int32_t blendMode = 0;
  bool hidden = false;
  bool locked = false;
  bool selected = false;
  std::map<std::string, std::string> tags;
  std::vector<ResolvedArt> children;  // Group
};

struct ResolvedLayer {
  std::string name;  // "" for art outside any layer group
  bool visible = true;
  std::vector<ResolvedArt> art;
};

struct ResolvedSvg {
  AIReal width = 0;
  AIReal height = 0;
  std::vector<ResolvedLayer> layers;  // bottom first
};

ResolvedSvg resolveSvg(const SvgSource& source);

}  // namespace qv::host::io
