// A qvhost script: the document to start from, the host settings, and the steps to run, as
// read from JSON. Coordinates are SVG user units (y down), as a person reads them off the
// drawing; the runner converts them to document coordinates.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "AITypes.h"

namespace qv::app {

struct SelectStep {
  bool all = false;
  std::vector<std::string> ids;
  // With one id: the indexes of its selected points (empty: the whole path).
  std::vector<int> points;
};
struct ToolStep {
  std::string plugin;
};
struct SetStep {
  std::string control;  // visible label, or the item ID as text
  std::optional<int32_t> itemID;
  std::variant<double, bool, std::string> value;
};
struct DragEventSpec {
  AIRealPoint point{};  // SVG user units
  int32_t modifiers = 0;
  int32_t pressure = 0;
};
struct DragStep {
  std::vector<DragEventSpec> events;  // the first is the mouse down, the last the mouse up
};
struct UndoStep {};
struct SaveStep {
  std::filesystem::path file;  // as written; a relative name goes into the output folder
};

using Step = std::variant<SelectStep, ToolStep, SetStep, DragStep, UndoStep, SaveStep>;

struct Swatch {
  std::string name;
  AIColor color{};
};

struct Script {
  std::filesystem::path folder;  // relative paths are taken from here
  std::optional<std::filesystem::path> svg;
  AIReal width = 612;
  AIReal height = 792;
  uint32_t seed = 17;
  bool pressure = false;
  std::optional<std::vector<Swatch>> swatches;
  std::vector<Step> steps;
  std::vector<int> stepLines;  // 1-based step numbers as written, for messages
};

// Reads a script; every fault is a message naming the step ("step 3 (drag): ...") or the key.
struct ScriptLoad {
  std::optional<Script> script;
  std::string error;
};
ScriptLoad readScript(const std::filesystem::path& file);
ScriptLoad parseScript(const std::string& text, const std::filesystem::path& folder);

const char* stepName(const Step& step);

}  // namespace qv::app
