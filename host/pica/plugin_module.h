// One plug-in module as the plug-in manager keeps it: its file, properties and resources, the
// loaded code, its globals slot and its state.
#pragma once

#include <filesystem>
#include <string>

#include "SPTypes.h"
#include "module_resources.h"

namespace qv::host {

enum class ModuleState {
  Loaded,    // code loaded, not started
  Running,   // started (or reloaded) with its suites
  Failed,    // startup failed: no object
  Unloaded,  // "Unload" sent: object kept, code may be gone
  Degraded,  // a reload whose suite acquisition failed: object kept without suites
  ShutDown   // "Shutdown" sent: no object
};

const char* stateName(ModuleState state);

struct PluginModule {
  std::filesystem::path file;
  PluginProperties properties;
  ResourceTable resources;
  void* library = nullptr;  // dlopen handle; null while the code is unloaded
  PluginMainProc entry = nullptr;
  void* globals = nullptr;  // the module's slot, kept between messages
  ModuleState state = ModuleState::Loaded;
  SPErr lastError = kNoErr;  // of startup, reload or shutdown
  std::string registeredName;
  int32_t options = 0;
  int accessRefs = 0;

  const std::string& name() const { return properties.name; }
  SPPluginRef ref() { return reinterpret_cast<SPPluginRef>(this); }
};

}  // namespace qv::host
