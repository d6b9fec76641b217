// Reads qvhost scripts from JSON into Script, checking every value before anything runs.
// Touches nothing but the script file.
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <stdexcept>

#include "ADMTypes.h"
#include "document/document.h"
#include "script.h"

namespace qv::app {

namespace {

using nlohmann::json;

// A fault in the script: the message says where.
struct ScriptError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

[[noreturn]] void fail(const std::string& where, const std::string& what) {
  throw ScriptError(where + ": " + what);
}

AIReal number(const json& value, const std::string& where) {
  if (!value.is_number()) fail(where, "expected a number, got " + value.dump());
  const double number = value.get<double>();
  if (!std::isfinite(number)) fail(where, "expected a finite number");
  return static_cast<AIReal>(number);
}

AIRealPoint point(const json& value, const std::string& where) {
  if (!value.is_array() || value.size() != 2) fail(where, "expected [x, y], got " + value.dump());
  return {number(value[0], where), number(value[1], where)};
}

int32_t keys(const json& value, const std::string& where) {
  if (!value.is_array()) fail(where, "expected a list of keys like [\"shift\"]");
  int32_t modifiers = 0;
  for (const json& key : value) {
    const std::string name = key.is_string() ? key.get<std::string>() : key.dump();
    if (name == "shift") {
      modifiers |= kADMShiftKeyModifier;
    } else if (name == "alt") {
      modifiers |= kADMAltKeyModifier;
    } else if (name == "ctrl") {
      modifiers |= kADMCtrlKeyModifier;
    } else {
      fail(where, "unknown key " + name + " (keys are shift, alt, ctrl)");
    }
  }
  return modifiers;
}

// Keys for every drag event: one list for all, or one list per event.
std::vector<int32_t> keysPerEvent(const json& drag, std::size_t events, const std::string& where) {
  std::vector<int32_t> result(events, 0);
  if (!drag.contains("keys")) return result;
  const json& value = drag["keys"];
  if (value.is_array() && !value.empty() && value[0].is_array()) {
    if (value.size() != events) {
      fail(where, "keys: " + std::to_string(value.size()) + " lists for " + std::to_string(events) +
                      " drag events");
    }
    for (std::size_t i = 0; i < events; ++i) result[i] = keys(value[i], where + " keys");
    return result;
  }
  std::fill(result.begin(), result.end(), keys(value, where + " keys"));
  return result;
}

std::vector<int32_t> pressurePerEvent(const json& drag, std::size_t events,
                                      const std::string& where) {
  std::vector<int32_t> result(events, 0);
  if (!drag.contains("pressure")) return result;
  auto one = [&](const json& value) {
    const AIReal p = number(value, where + " pressure");
    if (p < 0 || p > 255) fail(where + " pressure", "must be 0 to 255");
    return static_cast<int32_t>(p);
  };
  const json& value = drag["pressure"];
  if (value.is_array()) {
    if (value.size() != events) fail(where, "pressure: one value per drag event expected");
    for (std::size_t i = 0; i < events; ++i) result[i] = one(value[i]);
  } else {
    std::fill(result.begin(), result.end(), one(value));
  }
  return result;
}

DragStep parseDrag(const json& drag, const std::string& where) {
  if (!drag.is_object()) fail(where, "expected {\"from\", \"to\", \"events\"} or {\"points\"}");
  std::vector<AIRealPoint> points;
  if (drag.contains("points")) {
    const json& list = drag["points"];
    if (!list.is_array() || list.size() < 2) fail(where, "points: at least two points expected");
    for (const json& p : list) points.push_back(point(p, where + " points"));
  } else {
    if (!drag.contains("from") || !drag.contains("to")) fail(where, "needs from and to, or points");
    const AIRealPoint from = point(drag["from"], where + " from");
    const AIRealPoint to = point(drag["to"], where + " to");
    const AIReal count = drag.contains("events") ? number(drag["events"], where + " events") : 1;
    if (count < 1 || count > 100000 || count != static_cast<int>(count)) {
      fail(where + " events", "a whole number from 1 to 100000 expected");
    }
    const int events = static_cast<int>(count);
    points.push_back(from);
    for (int k = 1; k <= events; ++k) {
      const AIReal t = static_cast<AIReal>(k) / static_cast<AIReal>(events);
      points.push_back({from.h + (to.h - from.h) * t, from.v + (to.v - from.v) * t});
    }
  }
  for (const auto& [key, value] : drag.items()) {
    if (key != "points" && key != "from" && key != "to" && key != "events" && key != "keys" &&
        key != "pressure") {
      fail(where, "unknown setting " + key);
    }
  }
  const std::size_t events = points.size() - 1;
  const auto modifiers = keysPerEvent(drag, events, where);
  const auto pressure = pressurePerEvent(drag, events, where);
  DragStep step;
  step.events.push_back({points[0], 0, events > 0 ? pressure[0] : 0});
  for (std::size_t i = 0; i < events; ++i) {
    step.events.push_back({points[i + 1], modifiers[i], pressure[i]});
  }
  return step;
}

SelectStep parseSelect(const json& value, const std::string& where) {
  SelectStep step;
  if (value.is_string() && value.get<std::string>() == "all") {
    step.all = true;
  } else if (value.is_string() && value.get<std::string>() == "none") {
  } else if (value.is_array()) {
    for (const json& id : value) {
      if (!id.is_string()) fail(where, "ids are strings, got " + id.dump());
      step.ids.push_back(id.get<std::string>());
    }
  } else if (value.is_object() && value.contains("id") && value["id"].is_string()) {
    step.ids.push_back(value["id"].get<std::string>());
    if (value.contains("points")) {
      if (!value["points"].is_array()) fail(where, "points: a list of segment indexes expected");
      for (const json& index : value["points"]) {
        if (!index.is_number_integer() || index.get<int>() < 0) {
          fail(where, "points: segment indexes are whole numbers from 0, got " + index.dump());
        }
        step.points.push_back(index.get<int>());
      }
    }
  } else {
    fail(where, "expected \"all\", \"none\", a list of ids, or {\"id\", \"points\"}");
  }
  return step;
}

SetStep parseSet(const json& value, const std::string& where) {
  if (!value.is_object() || !value.contains("control") || !value.contains("value")) {
    fail(where, "expected {\"control\": label or item ID, \"value\": ...}");
  }
  SetStep step;
  const json& control = value["control"];
  if (control.is_number_integer()) {
    step.itemID = control.get<int32_t>();
    step.control = std::to_string(*step.itemID);
  } else if (control.is_string()) {
    step.control = control.get<std::string>();
  } else {
    fail(where, "control: a label or an item ID expected");
  }
  const json& v = value["value"];
  if (v.is_boolean()) {
    step.value = v.get<bool>();
  } else if (v.is_number()) {
    step.value = static_cast<double>(number(v, where + " value"));
  } else if (v.is_string()) {
    step.value = v.get<std::string>();
  } else {
    fail(where, "value: a number, true/false or a popup entry expected");
  }
  return step;
}

AIColor swatchColor(const json& value, const std::string& where) {
  auto components = [&](const char* key, std::size_t count) {
    const json& list = value[key];
    if (!list.is_array() || list.size() != count) {
      fail(where, std::string(key) + ": " + std::to_string(count) + " components expected");
    }
    std::vector<AIReal> result;
    for (const json& c : list) result.push_back(number(c, where + " " + key));
    return result;
  };
  if (value.contains("gray")) return host::grayColor(number(value["gray"], where + " gray"));
  if (value.contains("rgb")) {
    const auto c = components("rgb", 3);
    return host::rgbColor(c[0], c[1], c[2]);
  }
  if (value.contains("cmyk")) {
    const auto c = components("cmyk", 4);
    return host::cmykColor(c[0], c[1], c[2], c[3]);
  }
  if (value.contains("none")) return host::noColor();
  fail(where, "a swatch has gray, rgb, cmyk or none");
}

Script parse(const json& root, const std::filesystem::path& folder) {
  if (!root.is_object()) fail("script", "a JSON object expected");
  Script script;
  script.folder = folder;
  for (const auto& [key, value] : root.items()) {
    if (key == "document") {
      if (value.is_string()) {
        script.svg = folder / value.get<std::string>();
      } else if (value.is_object() && value.contains("width") && value.contains("height")) {
        script.width = number(value["width"], "document width");
        script.height = number(value["height"], "document height");
        if (script.width <= 0 || script.height <= 0 || script.width > 1e6 || script.height > 1e6) {
          fail("document", "width and height must be positive (at most 1000000)");
        }
      } else {
        fail("document", "an SVG file name or {\"width\", \"height\"} expected");
      }
    } else if (key == "seed") {
      if (!value.is_number_unsigned()) fail("seed", "a whole number from 0 expected");
      script.seed = value.get<uint32_t>();
    } else if (key == "pressure") {
      if (!value.is_boolean()) fail("pressure", "true or false expected");
      script.pressure = value.get<bool>();
    } else if (key == "swatches") {
      if (!value.is_array()) fail("swatches", "a list expected");
      std::vector<Swatch> swatches;
      for (std::size_t i = 0; i < value.size(); ++i) {
        const std::string where = "swatch " + std::to_string(i + 1);
        if (!value[i].is_object()) fail(where, "an object expected");
        swatches.push_back({value[i].value("name", ""), swatchColor(value[i], where)});
      }
      script.swatches = std::move(swatches);
    } else if (key == "steps") {
      if (!value.is_array()) fail("steps", "a list expected");
      int number = 0;
      for (const json& entry : value) {
        ++number;
        if (!entry.is_object() || entry.size() != 1) {
          fail("step " + std::to_string(number), "each step is an object with one key");
        }
        const std::string kind = entry.begin().key();
        const json& body = entry.begin().value();
        const std::string where = "step " + std::to_string(number) + " (" + kind + ")";
        if (kind == "select") {
          script.steps.emplace_back(parseSelect(body, where));
        } else if (kind == "tool") {
          if (!body.is_string()) fail(where, "a plug-in name expected");
          script.steps.emplace_back(ToolStep{body.get<std::string>()});
        } else if (kind == "set") {
          script.steps.emplace_back(parseSet(body, where));
        } else if (kind == "drag") {
          script.steps.emplace_back(parseDrag(body, where));
        } else if (kind == "undo") {
          script.steps.emplace_back(UndoStep{});
        } else if (kind == "save") {
          if (!body.is_string() || body.get<std::string>().empty())
            fail(where, "a file name expected");
          const std::filesystem::path file = body.get<std::string>();
          const std::string extension = file.extension().string();
          if (extension != ".svg" && extension != ".png" && extension != ".json") {
            fail(where, "the file name must end in .svg, .png or .json");
          }
          script.steps.emplace_back(SaveStep{file});
        } else {
          fail("step " + std::to_string(number),
               "unknown step " + kind + " (steps are select, tool, set, drag, undo, save)");
        }
        script.stepLines.push_back(number);
      }
    } else {
      fail("script", "unknown key " + key);
    }
  }
  return script;
}

}  // namespace

const char* stepName(const Step& step) {
  static constexpr const char* kNames[] = {"select", "tool", "set", "drag", "undo", "save"};
  return kNames[step.index()];
}

ScriptLoad parseScript(const std::string& text, const std::filesystem::path& folder) {
  ScriptLoad load;
  try {
    load.script = parse(json::parse(text), folder);
  } catch (const json::parse_error& error) {
    load.error = std::string("not valid JSON: ") + error.what();
  } catch (const ScriptError& error) {
    load.error = error.what();
  } catch (const json::exception& error) {
    load.error = std::string("unexpected value: ") + error.what();
  }
  return load;
}

ScriptLoad readScript(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return {std::nullopt, "cannot read " + file.string()};
  std::ostringstream text;
  text << in.rdbuf();
  ScriptLoad load = parseScript(text.str(), file.parent_path());
  if (!load.script) load.error = file.string() + ": " + load.error;
  return load;
}

}  // namespace qv::app
