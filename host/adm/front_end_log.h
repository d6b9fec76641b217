// What the modules asked the host's front end to show: error alerts, about boxes and alerts,
// and the cursor. The command line prints them; tests read them.
#pragma once

#include <string>
#include <vector>

namespace qv::host {

struct PluginModule;

enum class FrontEndKind { ErrorAlert, AboutBox, AboutAlert, Cursor };

struct FrontEndEvent {
  FrontEndKind kind;
  const PluginModule* module = nullptr;  // the module that asked, when the host knows it
  std::string title;                     // about alert title, about box first text
  std::string text;                      // alert text, about box second text
  int32_t resourceID = 0;                // cursor resource
};

using FrontEndLog = std::vector<FrontEndEvent>;

}  // namespace qv::host
