// Notifiers that modules registered: the host sends "AI Notifier"/"AI Notify" to a notifier's
// module when its type occurs.
#pragma once

#include <string>
#include <vector>

#include "AINotifier.h"

namespace qv::host {

struct PluginModule;

struct Notifier {
  std::string name;
  std::string type;
  const PluginModule* owner = nullptr;
  AINotifierHandle handle = nullptr;
};

using NotifierList = std::vector<Notifier>;

}  // namespace qv::host
