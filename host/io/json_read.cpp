// Reading a JSON dump back into a document. Every value is checked; the first problem stops
// the reading with its place in the dump.
#include <stdexcept>

#include "json_dump.h"
#include "json_names.h"
#include "read_file.h"

namespace qv::host::io {

namespace {

using Json = nlohmann::ordered_json;

struct DumpError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// A value of the dump with the place it was found at.
class Value {
 public:
  Value(const Json& json, std::string place) : json_(json), place_(std::move(place)) {}

  [[noreturn]] void fail(const std::string& reason) const {
    throw DumpError(place_ + ": " + reason);
  }

  Value operator[](const char* key) const {
    if (!json_.is_object()) fail("expected an object");
    const auto it = json_.find(key);
    if (it == json_.end()) fail(std::string("has no \"") + key + "\"");
    return Value(*it, place_ + "." + key);
  }
  bool has(const char* key) const { return json_.is_object() && json_.contains(key); }
  Value at(std::size_t i) const { return Value(json_[i], place_ + "[" + std::to_string(i) + "]"); }
  std::size_t size() const {
    if (!json_.is_array()) fail("expected an array");
    return json_.size();
  }

  AIReal real() const {
    if (!json_.is_number()) fail("expected a number");
    return static_cast<AIReal>(json_.get<double>());
  }
  int integer() const {
    if (!json_.is_number_integer()) fail("expected a whole number");
    return json_.get<int>();
  }
  bool boolean() const {
    if (!json_.is_boolean()) fail("expected true or false");
    return json_.get<bool>();
  }
  std::string text() const {
    if (!json_.is_string()) fail("expected a string");
    return json_.get<std::string>();
  }
  int named(std::span<const NamedValue> names) const {
    const auto value = valueOf(names, json_);
    if (!value) fail("is not a known name");
    return *value;
  }
  AIRealPoint point() const {
    if (size() != 2) fail("expected two numbers");
    return {at(0).real(), at(1).real()};
  }
  const Json& json() const { return json_; }

 private:
  const Json& json_;
  std::string place_;
};

AIColor color(const Value& v) {
  AIColor c{};
  c.kind = static_cast<int16_t>(v["kind"].named(colorKindNames()));
  switch (c.kind) {
    case kGrayColor:
      c.c.g.gray = v["gray"].real();
      break;
    case kFourColor:
      c.c.f = {v["cyan"].real(), v["magenta"].real(), v["yellow"].real(), v["black"].real()};
      break;
    case kThreeColor:
      c.c.rgb = {v["red"].real(), v["green"].real(), v["blue"].real()};
      break;
    case kPattern:
    case kCustomColor:
    case kGradient:
      c.c.other.tint = v["tint"].real();
      break;
    default:
      break;
  }
  return c;
}

AIPathStyle style(const Value& v) {
  AIPathStyle s{};
  const Value fill = v["fill"], stroke = v["stroke"];
  s.fillPaint = fill["paint"].boolean();
  s.fill.color = color(fill["color"]);
  s.fill.overprint = fill["overprint"].boolean();
  s.strokePaint = stroke["paint"].boolean();
  s.stroke.color = color(stroke["color"]);
  s.stroke.overprint = stroke["overprint"].boolean();
  s.stroke.width = stroke["width"].real();
  s.stroke.cap = static_cast<int16_t>(stroke["cap"].named(capNames()));
  s.stroke.join = static_cast<int16_t>(stroke["join"].named(joinNames()));
  s.stroke.miterLimit = stroke["miterLimit"].real();
  const Value dash = stroke["dash"];
  s.stroke.dash.offset = dash["offset"].real();
  const Value array = dash["array"];
  if (array.size() > kMaxDashComponents)
    array.fail("has more than " + std::to_string(kMaxDashComponents) + " lengths");
  s.stroke.dash.length = static_cast<int16_t>(array.size());
  for (std::size_t i = 0; i < array.size(); ++i) s.stroke.dash.array[i] = array.at(i).real();
  s.evenodd = v["evenodd"].boolean();
  s.clip = v["clip"].boolean();
  s.lockClip = v["lockClip"].boolean();
  s.resolution = v["resolution"].real();
  return s;
}

class Reader {
 public:
  static constexpr int kMaxDepth = 256;

  explicit Reader(Document& document) : document_(document) {}

  void art(const Value& v, const Container& where, int depth = 0) {
    if (depth > kMaxDepth) v.fail("nests deeper than " + std::to_string(kMaxDepth) + " levels");
    Art& a = document_.create(static_cast<int16_t>(v["type"].named(artTypeNames())), where);
    a.id = v["id"].text();
    a.selected = v["selected"].boolean();
    a.locked = v["locked"].boolean();
    a.hidden = v["hidden"].boolean();
    a.opacity = v["opacity"].real();
    a.blendMode = v["blendMode"].named(blendModeNames());
    const Value tags = v["tags"];
    if (!tags.json().is_object()) tags.fail("expected an object");
    for (const auto& [name, value] : tags.json().items()) {
      a.tags[name] = Value(value, "tags." + name).text();
    }
    if (v.has("segments")) {
      a.closed = v["closed"].boolean();
      const Value segments = v["segments"];
      for (std::size_t i = 0; i < segments.size(); ++i) {
        const Value s = segments.at(i);
        a.segments.push_back({s["p"].point(), s["in"].point(), s["out"].point(),
                              static_cast<AIBoolean>(s["corner"].boolean())});
        a.segmentSelection.push_back(static_cast<int16_t>(s["selection"].integer()));
      }
    }
    if (v.has("style")) a.style = style(v["style"]);
    if (v.has("fillPaint")) a.fillPaint = v["fillPaint"].text();
    if (v.has("strokePaint")) a.strokePaint = v["strokePaint"].text();
    if (v.has("element")) {
      a.element = v["element"].text();
      const Value b = v["elementBounds"];
      if (b.size() != 4) b.fail("expected four numbers");
      a.elementBounds = {b.at(0).real(), b.at(1).real(), b.at(2).real(), b.at(3).real()};
      const Value m = v["matrix"];
      if (m.size() != 6) m.fail("expected six numbers");
      a.matrix = {m.at(0).real(), m.at(1).real(), m.at(2).real(),
                  m.at(3).real(), m.at(4).real(), m.at(5).real()};
    }
    if (v.has("envelope")) a.envelope = v["envelope"].boolean();
    if (v.has("warp")) {
      const Value w = v["warp"];
      a.warp = {w["style"].integer(), w["bend"].real(), w["horizontal"].real(),
                w["vertical"].real(), w["rotate"].boolean()};
    }
    if (v.has("children")) {
      const Value children = v["children"];
      for (std::size_t i = 0; i < children.size(); ++i) {
        art(children.at(i), Container{nullptr, &a}, depth + 1);
      }
    }
  }

  void layers(const Value& v) {
    const Value layers = v["layers"];
    if (layers.size() == 0) layers.fail("a document has at least one layer");
    std::vector<AILayerHandle> handles;
    for (std::size_t i = 0; i < layers.size(); ++i) {
      const Value l = layers.at(i);
      const AILayerHandle handle = i == 0 ? document_.layers().front().handle
                                          : document_.insertLayer(nullptr, kPlaceAboveAll);
      handles.push_back(handle);
      Layer& layer = *document_.layer(handle);
      layer.name = l["name"].text();
      layer.visible = l["visible"].boolean();
      const Value items = l["art"];
      for (std::size_t j = 0; j < items.size(); ++j) art(items.at(j), Container{handle, nullptr});
    }
    const Value current = v["currentLayer"];
    const int index = current.integer();
    if (index < 0 || static_cast<std::size_t>(index) >= handles.size())
      current.fail("is not a layer");
    document_.setCurrentLayer(handles[static_cast<std::size_t>(index)]);
  }

  void swatches(const Value& v) {
    const Value list = v["swatches"];
    std::vector<Swatch> swatches;
    for (std::size_t i = 0; i < list.size(); ++i) {
      swatches.push_back({list.at(i)["name"].text(), color(list.at(i)["color"])});
    }
    document_.swatches() = std::move(swatches);
  }

 private:
  Document& document_;
};

ImportResult read(std::string_view text, const std::string& label) {
  ImportResult result;
  Json json;
  try {
    json = Json::parse(text);
  } catch (const Json::parse_error& error) {
    result.error = label + ": not JSON: " + error.what();
    return result;
  }
  try {
    const Value root(json, label);
    if (root["format"].text() != "qv-document") root["format"].fail("is not \"qv-document\"");
    if (root["version"].integer() != 1) root["version"].fail("is not 1");
    const Value artboard = root["artboard"];
    auto document = std::make_unique<Document>(artboard["width"].real(), artboard["height"].real());
    Reader reader(*document);
    reader.layers(root);
    reader.swatches(root);
    result.document = std::move(document);
  } catch (const DumpError& error) {
    result.error = error.what();
  }
  return result;
}

}  // namespace

ImportResult importJsonText(std::string_view text) { return read(text, "<json text>"); }

ImportResult importJson(const std::filesystem::path& file) {
  std::string text;
  if (std::string error = readFile(file, text); !error.empty()) {
    ImportResult result;
    result.error = std::move(error);
    return result;
  }
  return read(text, file.string());
}

}  // namespace qv::host::io
