// The module's one export. Creates the plug-in object at Startup, keeps it in the host's
// globals slot, hands every other message to it and reports what goes wrong. No exception
// leaves this function.
#include <cstring>

#include "AIError.hpp"
#include "HostMemory.hpp"
#include "Plugin.hpp"

namespace {

bool Is(const char* a, const char* b) { return std::strcmp(a, b) == 0; }

// Startup and reload run outside the message wrapper; an exception there becomes its code so
// that the failure is handled like any other.
template <typename Call>
ASErr Catching(Call call) {
  try {
    return call();
  } catch (const ai::Error& error) {
    return error.code();
  } catch (...) {
    return kCantHappenErr;
  }
}

}  // namespace

extern "C" __attribute__((visibility("default"))) SPErr PluginMain(const char* caller,
                                                                   const char* selector,
                                                                   void* message) {
  if (caller == nullptr || selector == nullptr || message == nullptr) return kSPBadParameterError;
  auto* data = static_cast<SPMessageData*>(message);
  sSPBasic = data->basic;
  auto* plugin = static_cast<Plugin*>(data->globals);
  ASErr error = kNoErr;

  if (Is(caller, kSPInterfaceCaller)) {
    if (Is(selector, kSPInterfaceStartupSelector)) {
      plugin = AllocatePlugin(data->self);
      if (plugin == nullptr) {
        error = kOutOfMemoryErr;
      } else {
        data->globals = plugin;
        auto* startup = static_cast<SPInterfaceMessage*>(message);
        error = Catching([&] { return plugin->StartupPlugin(startup); });
        if (error != kNoErr) {
          // A step after the suites were acquired failed: give them back before the object
          // goes, since its destructor releases nothing.
          Catching([&] { return plugin->ShutdownPlugin(startup); });
          delete plugin;
          data->globals = nullptr;
          plugin = nullptr;
        }
      }
    } else if (Is(selector, kSPInterfaceShutdownSelector)) {
      if (plugin != nullptr) {
        error = Catching(
            [&] { return plugin->ShutdownPlugin(static_cast<SPInterfaceMessage*>(message)); });
        delete plugin;
        data->globals = nullptr;
        plugin = nullptr;
      }
    }
  }

  if (plugin != nullptr) {
    if (Is(caller, kSPAccessCaller) && Is(selector, kSPAccessReloadSelector)) {
      FixupReload(plugin);
      error =
          Catching([&] { return plugin->ReloadPlugin(static_cast<SPInterfaceMessage*>(message)); });
    } else if (plugin->AcquiredSuites() != nullptr) {
      error = Catching([&] { return plugin->Message(caller, selector, message); });
    } else {
      error = kNoErr;
    }
    if (error == kUnhandledMsgErr) error = kNoErr;
  }

  if (error != kNoErr) {
    if (plugin != nullptr) {
      plugin->ReportError(error, caller, selector, message);
    } else {
      Plugin::DefaultError(data->self, error);
    }
  }
  return error;
}
