// Pass-through SVG as the document keeps it: a fragment of SVG text whose first element draws
// in the file's root coordinates and whose further elements are the definitions it refers
// to, each made to stand on its own (styles from style sheets and ancestors written out,
// relative image references made absolute). Pass-through art keeps such a fragment in
// Art::element; gradient and pattern paint keeps one in Art::fillPaint or strokePaint.
// Reads the source file's XML; builds new text.
#pragma once

#include <optional>
#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <vector>

#include "document/geometry.h"
#include "svg_source.h"

namespace qv::host::io {

// The fragment of a drawable element that the document keeps as it is. `ctm` maps the
// element's user space (its own transform included) to root coordinates; `parent` is the
// style it inherits. The element's id, data- attributes, opacity, mix-blend-mode and display
// are left out: the art carries those.
std::string passThroughFragment(const SvgSource& source, const pugi::xml_node& element,
                                const AIRealMatrix& ctm, const ComputedStyle& parent);

// The fragment of a gradient or pattern that paints art whose geometry was `local` in its
// user space and is `root` in root coordinates after `ctm`: references to other gradients are
// followed and folded in, units are resolved against `viewport`, and the transform is set so
// that the paint lands where it did in the file. Nothing when the paint draws nothing (an
// object bounding box without area, a pattern tile without area).
std::optional<std::string> paintServerFragment(const SvgSource& source,
                                               const pugi::xml_node& server,
                                               const AIRealMatrix& ctm, const Bounds& local,
                                               const Bounds& root, const LengthBase& viewport);

// A fragment read back: its first element and the definitions after it.
struct ParsedFragment {
  pugi::xml_document xml;
  pugi::xml_node main;
  std::vector<pugi::xml_node> definitions;
};
// False when the text is not well-formed or has no element.
bool parseFragment(std::string_view text, ParsedFragment& fragment);

}  // namespace qv::host::io
