// Writing the document as JSON. A key is left out only where reading falls back to exactly
// the value a new art has, so that a dump read back dumps the same.
#include "json_dump.h"

#include <charconv>

#include "atomic_file.h"
#include "json_names.h"
#include "number_format.h"
#include "svg_transform.h"

namespace qv::host::io {

namespace {

using Json = nlohmann::ordered_json;

// A float as the double whose shortest text is the float's shortest text ("0.1", not
// "0.10000000149011612"); reading it back as a float gives the same float.
Json real(AIReal value) {
  const std::string text = formatReal(value);
  double read = 0;
  std::from_chars(text.data(), text.data() + text.size(), read);
  return read;
}

Json point(AIRealPoint p) { return Json::array({real(p.h), real(p.v)}); }

Json color(const AIColor& c) {
  Json json;
  json["kind"] = nameOf(colorKindNames(), c.kind);
  switch (c.kind) {
    case kGrayColor:
      json["gray"] = real(c.c.g.gray);
      break;
    case kFourColor:
      json["cyan"] = real(c.c.f.cyan);
      json["magenta"] = real(c.c.f.magenta);
      json["yellow"] = real(c.c.f.yellow);
      json["black"] = real(c.c.f.black);
      break;
    case kThreeColor:
      json["red"] = real(c.c.rgb.red);
      json["green"] = real(c.c.rgb.green);
      json["blue"] = real(c.c.rgb.blue);
      break;
    case kPattern:
    case kCustomColor:
    case kGradient:
      json["tint"] = real(c.c.other.tint);
      break;
    default:
      break;
  }
  return json;
}

Json style(const AIPathStyle& s) {
  Json dash = Json::array();
  for (int i = 0; i < std::min<int>(s.stroke.dash.length, kMaxDashComponents); ++i) {
    dash.push_back(real(s.stroke.dash.array[i]));
  }
  return {
      {"fill",
       {{"paint", s.fillPaint != 0},
        {"color", color(s.fill.color)},
        {"overprint", s.fill.overprint != 0}}},
      {"stroke",
       {{"paint", s.strokePaint != 0},
        {"color", color(s.stroke.color)},
        {"overprint", s.stroke.overprint != 0},
        {"width", real(s.stroke.width)},
        {"cap", nameOf(capNames(), s.stroke.cap)},
        {"join", nameOf(joinNames(), s.stroke.join)},
        {"miterLimit", real(s.stroke.miterLimit)},
        {"dash", {{"offset", real(s.stroke.dash.offset)}, {"array", dash}}}}},
      {"evenodd", s.evenodd != 0},
      {"clip", s.clip != 0},
      {"lockClip", s.lockClip != 0},
      {"resolution", real(s.resolution)},
  };
}

bool isDefaultWarp(const Warp& w) {
  return w.style == 0 && w.bend == 0 && w.horizontal == 0 && w.vertical == 0 && !w.rotate;
}

Json art(const Art& a) {
  static const Json kDefaultStyle = style(defaultPathStyle());
  Json json;
  json["type"] = nameOf(artTypeNames(), a.type);
  json["id"] = a.id;
  json["selected"] = a.selected;
  json["locked"] = a.locked;
  json["hidden"] = a.hidden;
  json["opacity"] = real(a.opacity);
  json["blendMode"] = nameOf(blendModeNames(), a.blendMode);
  json["tags"] = a.tags;
  if (a.type == kPathArt || !a.segments.empty() || a.closed) {
    json["closed"] = a.closed;
    Json segments = Json::array();
    for (std::size_t i = 0; i < a.segments.size(); ++i) {
      const AIPathSegment& s = a.segments[i];
      const int selection = a.segmentSelected(i);
      segments.push_back({{"p", point(s.p)},
                          {"in", point(s.in)},
                          {"out", point(s.out)},
                          {"corner", s.corner != 0},
                          {"selection", selection}});
    }
    json["segments"] = std::move(segments);
  }
  if (Json s = style(a.style);
      a.type == kPathArt || a.type == kCompoundPathArt || s != kDefaultStyle) {
    json["style"] = std::move(s);
  }
  if (!a.fillPaint.empty()) json["fillPaint"] = a.fillPaint;
  if (!a.strokePaint.empty()) json["strokePaint"] = a.strokePaint;
  const AIRealRect& b = a.elementBounds;
  if (!a.element.empty() || b.left != 0 || b.top != 0 || b.right != 0 || b.bottom != 0 ||
      !isIdentity(a.matrix)) {
    json["element"] = a.element;
    json["elementBounds"] = Json::array({real(b.left), real(b.top), real(b.right), real(b.bottom)});
    const AIRealMatrix& m = a.matrix;
    json["matrix"] =
        Json::array({real(m.a), real(m.b), real(m.c), real(m.d), real(m.tx), real(m.ty)});
  }
  if (a.envelope) json["envelope"] = true;
  if (a.envelope || !isDefaultWarp(a.warp)) {
    json["warp"] = {{"style", a.warp.style},
                    {"bend", real(a.warp.bend)},
                    {"horizontal", real(a.warp.horizontal)},
                    {"vertical", real(a.warp.vertical)},
                    {"rotate", a.warp.rotate}};
  }
  if (!a.children.empty()) {
    Json children = Json::array();
    for (const Art* child : a.children) children.push_back(art(*child));
    json["children"] = std::move(children);
  }
  return json;
}

}  // namespace

nlohmann::ordered_json dumpJson(const Document& document) {
  Json json;
  json["format"] = "qv-document";
  json["version"] = 1;
  json["artboard"] = {{"width", real(document.width())}, {"height", real(document.height())}};
  Json layers = Json::array();
  int current = 0;
  for (std::size_t i = 0; i < document.layers().size(); ++i) {
    const Layer& layer = document.layers()[i];
    if (layer.handle == document.currentLayer()) current = static_cast<int>(i);
    Json items = Json::array();
    for (const Art* a : layer.art) items.push_back(art(*a));
    layers.push_back({{"name", layer.name}, {"visible", layer.visible}, {"art", std::move(items)}});
  }
  json["currentLayer"] = current;
  json["layers"] = std::move(layers);
  Json swatches = Json::array();
  for (const Swatch& swatch : document.swatches()) {
    swatches.push_back({{"name", swatch.name}, {"color", color(swatch.color)}});
  }
  json["swatches"] = std::move(swatches);
  return json;
}

std::string dumpJsonText(const Document& document) { return dumpJson(document).dump(2) + "\n"; }

IoResult exportJson(const Document& document, const std::filesystem::path& file) {
  IoResult result;
  result.error = writeTextFile(file, dumpJsonText(document));
  return result;
}

}  // namespace qv::host::io
