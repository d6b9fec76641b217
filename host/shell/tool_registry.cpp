// The host's tool palette. Touches only its own tools.
#include "tool_registry.h"

#include "handle_table.h"

namespace qv::host {

namespace {
std::string text(const char* s) { return s == nullptr ? std::string() : std::string(s); }
}  // namespace

SPErr ToolRegistry::add(const PluginModule* owner, const std::string& name,
                        const AIAddToolData& data, int32_t options, AIToolHandle* handle) {
  if (name.empty() || byName(name) != nullptr) return kSPBadParameterError;
  const int32_t number = nextNumber_;
  auto joined = [&](int32_t other, auto field) -> int32_t {
    if (other == kNoTool) return number;
    for (const Tool& tool : tools_) {
      if (tool.number == other) return tool.*field;
    }
    return -1;
  };
  const int32_t group = joined(data.sameGroupAs, &Tool::group);
  const int32_t toolset = joined(data.sameToolsetAs, &Tool::toolset);
  if (group < 0 || toolset < 0) return kSPBadParameterError;
  Tool tool;
  tool.name = name;
  tool.title = text(data.title);
  tool.tooltip = text(data.tooltip);
  tool.icon = data.icon;
  tool.number = number;
  tool.group = group;
  tool.toolset = toolset;
  tool.options = options;
  tool.owner = owner;
  tool.handle = reinterpret_cast<AIToolHandle>(nextHandleValue());
  tools_.push_back(tool);
  ++nextNumber_;
  *handle = tool.handle;
  return kSPNoError;
}

const Tool* ToolRegistry::byName(const std::string& name) const {
  for (const Tool& tool : tools_) {
    if (tool.name == name) return &tool;
  }
  return nullptr;
}

Tool* ToolRegistry::byHandle(AIToolHandle handle) {
  for (Tool& tool : tools_) {
    if (tool.handle == handle) return &tool;
  }
  return nullptr;
}

}  // namespace qv::host
