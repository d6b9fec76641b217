// Reading the file, parsing the XML, and converting the resolved art into the document.
#include "svg_import.h"

#include "read_file.h"
#include "svg_resolve.h"
#include "xml_entities.h"

namespace qv::host::io {

namespace {

class Converter {
 public:
  explicit Converter(Document& document) : document_(document) {}

  void layers(const std::vector<ResolvedLayer>& layers) {
    for (std::size_t i = 0; i < layers.size(); ++i) {
      const AILayerHandle handle = i == 0 ? document_.layers().front().handle
                                          : document_.insertLayer(nullptr, kPlaceAboveAll);
      Layer& layer = *document_.layer(handle);
      if (!layers[i].name.empty()) layer.name = layers[i].name;
      layer.visible = layers[i].visible;
      for (const ResolvedArt& art : layers[i].art) add(art, Container{handle, nullptr});
    }
  }

 private:
  // v = height - y, rounded to the document's floats only here.
  AIReal flipped(double y) const {
    return static_cast<AIReal>(static_cast<double>(document_.height()) - y);
  }
  AIRealPoint flipped(Point p) const { return {static_cast<AIReal>(p.x), flipped(p.y)}; }

  void setSegments(Art& art, const Subpath& subpath) const {
    art.segments.clear();
    for (const Segment& s : subpath.segments) {
      art.segments.push_back({flipped(s.p), flipped(s.in), flipped(s.out), s.corner});
    }
    art.segmentSelection.assign(art.segments.size(), kSegmentNotSelected);
    art.closed = subpath.closed;
  }

  static void setStyle(Art& art, const ResolvedArt& from) {
    art.style = from.style;
    art.fillPaint = from.fillPaint;
    art.strokePaint = from.strokePaint;
  }

  void add(const ResolvedArt& from, const Container& where) {
    int16_t type = kGroupArt;
    if (from.kind == ResolvedArt::Kind::Path) {
      type = from.subpaths.size() > 1 ? kCompoundPathArt : kPathArt;
    } else if (from.kind == ResolvedArt::Kind::PassThrough) {
      type = from.passThroughType;
    }
    Art& art = document_.create(type, where);
    art.id = from.id;
    art.opacity = from.opacity;
    art.blendMode = from.blendMode;
    art.hidden = from.hidden;
    art.locked = from.locked;
    art.tags = from.tags;
    switch (from.kind) {
      case ResolvedArt::Kind::Path:
        setStyle(art, from);
        if (type == kPathArt) {
          setSegments(art, from.subpaths.front());
          break;
        }
        // Each subpath of a compound path is a path of its own with the compound's style.
        for (const Subpath& subpath : from.subpaths) {
          Art& child = document_.create(kPathArt, Container{nullptr, &art});
          setStyle(child, from);
          setSegments(child, subpath);
        }
        break;
      case ResolvedArt::Kind::PassThrough:
        art.element = from.element;
        if (!from.elementBounds.empty) {
          const AIRealRect& r = from.elementBounds.rect;
          art.elementBounds = {r.left, flipped(r.bottom), r.right, flipped(r.top)};
        }
        break;
      case ResolvedArt::Kind::Group:
        for (const ResolvedArt& child : from.children) add(child, Container{nullptr, &art});
        break;
    }
    if (from.selected) document_.select(art, true);
  }

  Document& document_;
};

ImportResult import(std::string text, const std::string& label,
                    const std::filesystem::path& folder) {
  ImportResult result;
  if (!expandInternalEntities(text)) {
    result.warnings.push_back(label +
                              ": the document type's entities expand too far; left as they are");
  }
  pugi::xml_document xml;
  const pugi::xml_parse_result parsed =
      xml.load_buffer(text.data(), text.size(), pugi::parse_default | pugi::parse_ws_pcdata);
  const SvgSource source(xml, text, label, folder, result.warnings);
  if (!parsed) {
    result.error = label + ":" + std::to_string(source.lineAt(parsed.offset)) +
                   ": malformed XML: " + parsed.description();
    return result;
  }
  const pugi::xml_node root = xml.document_element();
  if (localName(root) != "svg") {
    result.error = label + ": the root element is <" + root.name() + ">, not <svg>";
    return result;
  }
  const ResolvedSvg resolved = resolveSvg(source);
  result.document = std::make_unique<Document>(resolved.width, resolved.height);
  Converter(*result.document).layers(resolved.layers);
  return result;
}

}  // namespace

ImportResult importSvg(const std::filesystem::path& file) {
  std::string text;
  if (std::string error = readFile(file, text); !error.empty()) {
    ImportResult result;
    result.error = std::move(error);
    return result;
  }
  const std::filesystem::path folder = std::filesystem::absolute(file).parent_path();
  return import(std::move(text), file.string(), folder);
}

ImportResult importSvgText(std::string_view text) {
  return import(std::string(text), "<svg text>", {});
}

}  // namespace qv::host::io
