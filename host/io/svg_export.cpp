// Walks the layers and art tree, writing each art as the SVG element that shows it.
#include "svg_export.h"

#include <cctype>
#include <pugixml.hpp>
#include <set>

#include "atomic_file.h"
#include "blend_modes.h"
#include "envelope_drawing.h"
#include "fragment_svg.h"
#include "number_format.h"
#include "path_writer.h"
#include "svg_color.h"
#include "svg_definitions.h"
#include "svg_fragment.h"
#include "svg_transform.h"
#include "xml_text.h"

namespace qv::host::io {

namespace {

// Path data in absolute commands, y flipped back into SVG's downward axis.
class PathData final : public PathWriter {
 public:
  explicit PathData(AIReal height) : height_(height) {}
  void moveTo(Point p) override { points('M', {p}); }
  void lineTo(Point p) override { points('L', {p}); }
  void cubicTo(Point c1, Point c2, Point p) override { points('C', {c1, c2, p}); }
  void close() override { command('Z'); }
  const std::string& text() const { return text_; }

 private:
  void command(char c) {
    if (!text_.empty()) text_ += ' ';
    text_ += c;
  }
  void points(char c, std::initializer_list<Point> list) {
    command(c);
    for (const Point& p : list) {
      text_ += ' ' + formatReal(static_cast<AIReal>(p.x)) + ' ' +
               formatFlippedY(static_cast<AIReal>(p.y), height_);
    }
  }
  AIReal height_;
  std::string text_;
};

// Tag names other than these are written as data- attributes; these carry state themselves.
bool isReservedTag(std::string_view name) {
  return name == "layer" || name == "selected" || name == "locked" || name == "fill-color" ||
         name == "stroke-color";
}

bool isAttributeName(std::string_view name) {
  if (name.empty()) return false;
  for (const char c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '_' && c != '.')
      return false;
  }
  return true;
}

const char* capName(int16_t cap) { return cap == kAIRoundCap ? "round" : "square"; }
const char* joinName(int16_t join) { return join == kAIRoundJoin ? "round" : "bevel"; }

class Exporter {
 public:
  Exporter(const Document& document, std::vector<std::string>& warnings)
      : document_(document), warnings_(warnings) {}

  std::string run() {
    pugi::xml_document xml;
    pugi::xml_node declaration = xml.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    pugi::xml_node svg = xml.append_child("svg");
    svg.append_attribute("xmlns") = kSvgNamespace;
    svg.append_attribute("xmlns:xlink") = kXlinkNamespace;
    svg.append_attribute("version") = "1.1";
    const std::string width = formatReal(document_.width());
    const std::string height = formatReal(document_.height());
    svg.append_attribute("width") = width.c_str();
    svg.append_attribute("height") = height.c_str();
    svg.append_attribute("viewBox") = ("0 0 " + width + " " + height).c_str();
    pugi::xml_node defs = svg.append_child("defs");

    std::set<std::string> ids;
    document_.forEach([&ids](const Art& art) {
      if (!art.id.empty()) ids.insert(art.id);
    });
    DefinitionWriter definitions(defs, std::move(ids));
    definitions_ = &definitions;

    for (const Layer& layer : document_.layers()) {
      pugi::xml_node g = svg.append_child("g");
      g.append_attribute("data-layer") = layer.name.c_str();
      if (!layer.visible) g.append_attribute("display") = "none";
      for (const Art* art : layer.art) write(*art, g, nullptr);
    }
    if (!defs.first_child()) svg.remove_child(defs);
    return printXml(xml, pugi::format_indent, "  ");
  }

 private:
  std::string describe(const Art& art) const {
    return art.id.empty() ? "art of type " + std::to_string(art.type) : "art '" + art.id + "'";
  }
  void warn(const Art& art, const std::string& reason) {
    warnings_.push_back(describe(art) + ": " + reason);
  }

  void write(const Art& art, pugi::xml_node parent, const EnvelopeGeometry* envelope) {
    if (!art.element.empty()) return writePassThrough(art, parent, envelope);
    if (art.type == kPathArt || art.type == kCompoundPathArt ||
        (art.children.empty() && !art.segments.empty())) {
      return writePath(art, parent, envelope);
    }
    if (art.children.empty() && art.type != kGroupArt) {
      return warn(art, "has nothing an SVG file can show; left out");
    }
    pugi::xml_node g = parent.append_child("g");
    writeId(art, g);
    writeCommon(art, g);
    if (art.envelope) {
      // The shape only gives the warp its outline; what shows is the warped member. An
      // envelope inside another one is warped by both, as the outer geometry already holds.
      if (art.children.empty()) return;
      if (envelope != nullptr) return write(*art.children.front(), g, envelope);
      const EnvelopeGeometry geometry = envelopeGeometry(document_, art);
      return write(*art.children.front(), g, &geometry);
    }
    for (const Art* child : art.children) write(*child, g, envelope);
  }

  static const std::vector<AIPathSegment>& segmentsOf(const Art& path,
                                                      const EnvelopeGeometry* envelope) {
    if (envelope == nullptr) return path.segments;
    const auto it = envelope->find(&path);
    return it != envelope->end() ? it->second : path.segments;
  }

  void writePath(const Art& art, pugi::xml_node parent, const EnvelopeGeometry* envelope) {
    pugi::xml_node path = parent.append_child("path");
    writeId(art, path);
    PathData data(document_.height());
    if (art.type == kCompoundPathArt) {
      for (const Art* child : art.children) {
        if (child->children.empty() && child->element.empty()) {
          walkSegments(segmentsOf(*child, envelope), child->closed, data);
        } else {
          warn(*child, "is not a path inside a compound path; left out");
        }
      }
    } else {
      walkSegments(segmentsOf(art, envelope), art.closed, data);
    }
    path.append_attribute("d") = data.text().c_str();
    writeStyle(art, path);
    writeCommon(art, path);
  }

  void writePaint(const Art& art, pugi::xml_node node, const char* property, bool painted,
                  const AIColor& color, const std::string& server) {
    if (!server.empty()) {
      ParsedFragment fragment;
      if (parseFragment(server, fragment)) {
        const std::string id = definitions_->placePaint(fragment);
        node.append_attribute(property) = ("url(#" + id + ")").c_str();
        return;
      }
      warn(art, std::string(property) + " paint's SVG cannot be read; its colour is used");
    }
    if (!painted || color.kind == kNoneColor) {
      node.append_attribute(property) = "none";
      return;
    }
    if (color.kind != kGrayColor && color.kind != kFourColor && color.kind != kThreeColor) {
      warn(art, std::string(property) + " is a colour kind without SVG paint; drawn black");
    }
    node.append_attribute(property) = hexColor(color).c_str();
    if (!hexKeepsColor(color) && !exactColorText(color).empty()) {
      const std::string exact = "data-" + std::string(property) + "-color";
      node.append_attribute(exact.c_str()) = exactColorText(color).c_str();
    }
  }

  void writeStyle(const Art& art, pugi::xml_node node) {
    const AIPathStyle& style = art.style;
    writePaint(art, node, "fill", style.fillPaint, style.fill.color, art.fillPaint);
    if (style.evenodd) node.append_attribute("fill-rule") = "evenodd";
    writePaint(art, node, "stroke", style.strokePaint, style.stroke.color, art.strokePaint);
    const AIStrokeStyle& stroke = style.stroke;
    if (stroke.width != 1) node.append_attribute("stroke-width") = formatReal(stroke.width).c_str();
    if (stroke.cap != kAIButtCap) node.append_attribute("stroke-linecap") = capName(stroke.cap);
    if (stroke.join != kAIMiterJoin)
      node.append_attribute("stroke-linejoin") = joinName(stroke.join);
    if (stroke.miterLimit != 4) {
      node.append_attribute("stroke-miterlimit") = formatReal(stroke.miterLimit).c_str();
    }
    if (stroke.dash.length > 0) {
      std::string dashes;
      const int count = std::min<int>(stroke.dash.length, kMaxDashComponents);
      for (int i = 0; i < count; ++i) {
        dashes += (i > 0 ? "," : "") + formatReal(stroke.dash.array[i]);
      }
      node.append_attribute("stroke-dasharray") = dashes.c_str();
      if (stroke.dash.offset != 0) {
        node.append_attribute("stroke-dashoffset") = formatReal(stroke.dash.offset).c_str();
      }
    }
  }

  void writeId(const Art& art, pugi::xml_node node) {
    if (art.id.empty()) return;
    if (!writtenIds_.insert(art.id).second) {
      return warn(art, "has the id of art written before; written without it");
    }
    node.append_attribute("id") = art.id.c_str();
  }

  // Opacity, blending, visibility, selection, lock and tags.
  void writeCommon(const Art& art, pugi::xml_node node) {
    if (art.opacity != 1) node.append_attribute("opacity") = formatReal(art.opacity).c_str();
    if (art.blendMode > 0 && art.blendMode < kBlendModeCount) {
      const std::string blend = std::string("mix-blend-mode:") + kBlendModeNames[art.blendMode];
      pugi::xml_attribute style = node.attribute("style");
      if (!style) style = node.append_attribute("style");
      const std::string existing = style.value();
      style = (existing.empty() ? blend : existing + ";" + blend).c_str();
    } else if (art.blendMode != 0) {
      warn(art, "has blending mode " + std::to_string(art.blendMode) +
                    ", which is none of the sixteen; drawn normal");
    }
    if (art.hidden) node.append_attribute("display") = "none";
    if (art.selected) node.append_attribute("data-selected") = "true";
    if (art.locked) node.append_attribute("data-locked") = "true";
    for (const auto& [name, value] : art.tags) {
      if (isReservedTag(name) || !isAttributeName(name)) {
        warn(art, "tag '" + name + "' cannot be a data- attribute; left out of the file");
        continue;
      }
      node.append_attribute(("data-" + name).c_str()) = value.c_str();
    }
  }

  void writePassThrough(const Art& art, pugi::xml_node parent, const EnvelopeGeometry* envelope) {
    ParsedFragment fragment;
    if (!parseFragment(art.element, fragment)) return warn(art, "its SVG cannot be read; left out");
    if (envelope != nullptr) warn(art, "is pass-through art inside an envelope; drawn unwarped");
    definitions_->placeDefinitions(fragment);
    pugi::xml_node main = parent.append_copy(fragment.main);
    main.remove_attribute("id");
    if (!art.id.empty() && writtenIds_.insert(art.id).second) {
      main.prepend_attribute("id") = art.id.c_str();
    }
    if (!isIdentity(art.matrix)) {
      // The host's matrix works in document coordinates; in the file it is flipped.
      const AIRealMatrix flip{1, 0, 0, -1, 0, document_.height()};
      const std::string matrix = formatMatrix(concat(concat(flip, art.matrix), flip));
      pugi::xml_attribute transform = main.attribute("transform");
      if (!transform) transform = main.append_attribute("transform");
      const std::string existing = transform.value();
      transform = (existing.empty() ? matrix : matrix + " " + existing).c_str();
    }
    writeCommon(art, main);
  }

  const Document& document_;
  std::vector<std::string>& warnings_;
  DefinitionWriter* definitions_ = nullptr;
  std::set<std::string> writtenIds_;
};

}  // namespace

SvgText exportSvgText(const Document& document) {
  SvgText result;
  result.text = Exporter(document, result.warnings).run();
  return result;
}

IoResult exportSvg(const Document& document, const std::filesystem::path& file) {
  SvgText svg = exportSvgText(document);
  IoResult result;
  result.warnings = std::move(svg.warnings);
  result.error = writeTextFile(file, svg.text);
  return result;
}

}  // namespace qv::host::io
