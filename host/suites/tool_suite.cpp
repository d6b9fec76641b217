// AI Tool Suite: adding tools, finding them by name, their second icon, and pen pressure.
#include "AITool.h"
#include "all_suites.h"
#include "host.h"
#include "pica/suite_entry.h"

namespace qv::host {

namespace {

AIErr addTool(SPPluginRef plugin, const char* name, const AIAddToolData* data, int32_t options,
              AIToolHandle* tool) {
  if (tool == nullptr || name == nullptr || data == nullptr) return kSPBadParameterError;
  *tool = nullptr;
  Host& host = Host::active();
  PluginModule* module = host.moduleFor(plugin);
  if (module == nullptr) return kSPBadHandleError;
  if (data->icon != nullptr && host.icons().find(data->icon) == nullptr) {
    return kSPBadHandleError;
  }
  return host.tools().add(module, name, *data, options, tool);
}

AIErr getToolNumberFromName(const char* name, int32_t* number) {
  if (name == nullptr || number == nullptr) return kSPBadParameterError;
  *number = kNoTool;
  const Tool* tool = Host::active().tools().byName(name);
  if (tool == nullptr) return kSPNotFoundError;
  *number = tool->number;
  return kNoErr;
}

AIErr systemHasPressure(AIBoolean* hasPressure) {
  if (hasPressure == nullptr) return kSPBadParameterError;
  *hasPressure = Host::active().options().systemHasPressure;
  return kNoErr;
}

AIErr setToolSecondIcon(AIToolHandle handle, ADMIconRef icon) {
  Host& host = Host::active();
  Tool* tool = host.tools().byHandle(handle);
  if (tool == nullptr || host.icons().find(icon) == nullptr) return kSPBadHandleError;
  tool->secondIcon = icon;
  return kNoErr;
}

const AIToolSuite kTool = {
    .AddTool = QV_ENTRY(kAIToolSuite, AddTool, addTool),
    .GetToolNumberFromName = QV_ENTRY(kAIToolSuite, GetToolNumberFromName, getToolNumberFromName),
    .SystemHasPressure = QV_ENTRY(kAIToolSuite, SystemHasPressure, systemHasPressure),
    .SetToolSecondIcon = QV_ENTRY(kAIToolSuite, SetToolSecondIcon, setToolSecondIcon),
};

}  // namespace

void registerToolSuite(SuiteRegistry& registry) {
  registry.add(kAIToolSuite, kAIToolSuiteVersion, &kTool);
}

}  // namespace qv::host
