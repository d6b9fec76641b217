// The tools modules add to the host's tool palette: name, title, tooltip, icons, and the
// group and toolset each joins. Tool numbers count from 0 in the order tools were added.
#pragma once

#include <string>
#include <vector>

#include "ADMTypes.h"
#include "AITool.h"

namespace qv::host {

struct PluginModule;

struct Tool {
  std::string name;
  std::string title;
  std::string tooltip;
  ADMIconRef icon = nullptr;
  ADMIconRef secondIcon = nullptr;
  int32_t number = 0;
  int32_t group = 0;    // the number of the tool that started the group
  int32_t toolset = 0;  // likewise for the toolset
  int32_t options = 0;
  const PluginModule* owner = nullptr;
  AIToolHandle handle = nullptr;
};

class ToolRegistry {
 public:
  // kSPBadParameterError for an empty or taken name or a group/toolset tool that does not
  // exist.
  SPErr add(const PluginModule* owner, const std::string& name, const AIAddToolData& data,
            int32_t options, AIToolHandle* handle);
  // Exact, case-sensitive match of the name.
  const Tool* byName(const std::string& name) const;
  Tool* byHandle(AIToolHandle handle);
  const std::vector<Tool>& tools() const { return tools_; }
  // Takes a gone module's tools out of the palette. Numbers stay as they were given.
  void removeOwnedBy(const PluginModule* owner) {
    std::erase_if(tools_, [owner](const Tool& tool) { return tool.owner == owner; });
  }

 private:
  std::vector<Tool> tools_;
  int32_t nextNumber_ = 0;
};

}  // namespace qv::host
