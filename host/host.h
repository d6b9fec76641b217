// The host: the plug-in manager and every service the modules call, in one object. It loads
// modules from a folder, starts them in name order, sends them messages, unloads and reloads
// their code, and keeps what they register (tools, menus, notifiers) and ask to show (alerts).
// One Host is active per process at a time: the suites' C entry points reach it through
// Host::active(). Host UI thread only.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "AIContext.h"
#include "AIMenu.h"
#include "AINotifier.h"
#include "AITool.h"
#include "adm/front_end_log.h"
#include "adm/icon_store.h"
#include "pica/block_allocator.h"
#include "pica/plugin_module.h"
#include "pica/suite_registry.h"
#include "shell/menu_model.h"
#include "shell/notifier_registry.h"
#include "shell/string_store.h"
#include "shell/tool_registry.h"

struct SPBasicSuite;

namespace qv::host {

struct HostOptions {
  // Start modules in reverse name order (both orders must work).
  bool reverseStartOrder = false;
  // Whether the system reports pen pressure.
  bool systemHasPressure = false;
};

// What loading one file gave: the module, or why there is none.
struct LoadResult {
  std::filesystem::path file;
  PluginModule* module = nullptr;
  std::string error;
};

// What a module holds of the host right now.
struct Holdings {
  std::size_t blocks = 0;
  std::size_t bytes = 0;
  std::size_t strings = 0;
  int suites = 0;
  bool empty() const { return blocks == 0 && strings == 0 && suites == 0; }
};

class Host {
 public:
  explicit Host(HostOptions options = {});
  ~Host();
  Host(const Host&) = delete;
  Host& operator=(const Host&) = delete;

  // The host the suites serve; aborts when there is none (a module cannot call without one).
  static Host& active();

  // Loading. A folder that does not exist gives one result with an error and no file.
  std::vector<LoadResult> loadFolder(const std::filesystem::path& folder);
  LoadResult loadModule(const std::filesystem::path& file);

  // Life cycle. startAll starts every loaded module in name order, then sends the
  // application-started notifiers.
  void startAll();
  SPErr startup(PluginModule& module);
  SPErr shutdown(PluginModule& module);
  // Sends "Unload" and, when the module holds nothing that points into its code, unloads it.
  SPErr unload(PluginModule& module);
  // Loads the code again when it is gone and sends "Reload".
  SPErr reload(PluginModule& module);
  void shutdownAll();
  void sendApplicationStarted();

  // Messages. `message` must begin with SPMessageData; the host fills the head.
  SPErr send(PluginModule& module, const char* caller, const char* selector, void* message);
  SPErr sendInterface(PluginModule& module, const char* caller, const char* selector);
  SPErr sendTool(PluginModule& module, const char* selector, AIRealPoint cursor = {},
                 AIToolPressure pressure = 0, AIToolHandle tool = nullptr);
  SPErr sendNotifier(PluginModule& module, const char* selector, const char* type,
                     AINotifierHandle notifier = nullptr);
  // Picks a menu item as a user would: "AI Menu"/"AI Go" to the module that added it.
  SPErr pickMenuItem(AIMenuItemHandle item);

  const std::vector<std::unique_ptr<PluginModule>>& modules() const { return modules_; }
  PluginModule* find(const std::string& name) const;
  PluginModule* moduleFor(SPPluginRef ref) const;
  // The module whose code is running now (null when the host itself calls).
  PluginModule* current() const { return calling_.empty() ? nullptr : calling_.back(); }
  bool codeIsLoaded(const PluginModule& module) const;
  Holdings holdings(const PluginModule& module) const;

  const SPBasicSuite* basicSuite() const;
  SuiteRegistry& suites() { return suites_; }
  BlockAllocator& memory() { return memory_; }
  MenuModel& menus() { return menus_; }
  ToolRegistry& tools() { return tools_; }
  NotifierList& notifiers() { return notifiers_; }
  StringStore& strings() { return strings_; }
  IconStore& icons() { return icons_; }
  FrontEndLog& frontEnd() { return frontEnd_; }
  std::vector<AIAppContextHandle>& contexts() { return contexts_; }
  const HostOptions& options() const { return options_; }

  // A module's misuse of the host (stale handle, unbalanced pop, double free...). Logged, never
  // fatal; tests expect the log to stay empty.
  void misuse(const std::string& what);
  const std::vector<std::string>& misuseLog() const { return misuse_; }
  std::vector<std::string> takeMisuseLog() { return std::exchange(misuse_, {}); }

 private:
  bool loadCode(PluginModule& module, std::string& error);
  void unloadCode(PluginModule& module);
  // A module whose object is gone takes its tools, notifiers and menu items with it.
  void forgetRegistrations(const PluginModule& module);

  HostOptions options_;
  std::vector<std::unique_ptr<PluginModule>> modules_;
  std::vector<PluginModule*> calling_;
  SuiteRegistry suites_;
  BlockAllocator memory_;
  MenuModel menus_;
  ToolRegistry tools_;
  NotifierList notifiers_;
  StringStore strings_;
  IconStore icons_;
  FrontEndLog frontEnd_;
  std::vector<AIAppContextHandle> contexts_;
  std::vector<std::string> misuse_;
};

}  // namespace qv::host
