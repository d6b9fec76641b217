// The host: the plug-in manager and every service the modules call, in one object. It loads
// modules from a folder, starts them in name order, sends them messages, unloads and reloads
// their code, and keeps what they register (tools, menus, notifiers) and ask to show (alerts).
// One Host is active per process at a time: the suites' C entry points reach it through
// Host::active(). Host UI thread only.
#pragma once

#include <deque>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "AIContext.h"
#include "AIMenu.h"
#include "AINotifier.h"
#include "AITool.h"
#include "adm/dialog_manager.h"
#include "adm/front_end_log.h"
#include "adm/icon_store.h"
#include "document/document.h"
#include "pica/block_allocator.h"
#include "pica/memory_handles.h"
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
  // Seed of the one random source (FloatRnd); fixed so that a script gives the same result.
  uint32_t seed = 17;
};

// Where the current gesture is: the Undo Suite reverts during a drag, keeps at mouse up.
enum class GesturePhase { None, MouseDown, Drag, MouseUp };

// One event of a drag: the cursor in document coordinates, the keys held, the pen pressure.
struct DragEvent {
  AIRealPoint point{};
  int32_t modifiers = 0;
  AIToolPressure pressure = 0;
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
  std::size_t handles = 0;  // memory handles (AI MdMemory Suite)
  int suites = 0;
  bool empty() const { return blocks == 0 && strings == 0 && handles == 0 && suites == 0; }
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

  // A gesture with a module's tool as the host drives it: "AI Mouse Down" opens the undo
  // journal, each "AI Mouse Drag" carries its keys and pressure (one the module answers with an
  // error is rolled back), "AI Mouse Up" closes the journal and keeps the gesture as one step
  // of the undo history.
  SPErr mouseDown(PluginModule& module, const DragEvent& event);
  SPErr mouseDrag(PluginModule& module, const DragEvent& event);
  SPErr mouseUp(PluginModule& module, const DragEvent& event);
  GesturePhase gesturePhase() const { return phase_; }
  // Sets the phase as a gesture would (tests that act without a module's tool).
  void setGesturePhase(GesturePhase phase) { phase_ = phase; }
  // The keys the tracker reports now.
  int32_t modifiers() const { return modifiers_; }
  void setModifiers(int32_t modifiers) { modifiers_ = modifiers; }

  // The document the modules work on (a new one is 612 x 792 points).
  Document& document() { return *document_; }
  void setDocument(std::unique_ptr<Document> document);

  // The random source: uniform in [0, 1). Values queued with scriptRandom come first, so a
  // test can give the exact sequence of draws.
  AIReal nextRandom();
  void seedRandom(uint32_t seed);
  void scriptRandom(std::vector<AIReal> draws) { scripted_.assign(draws.begin(), draws.end()); }
  uint64_t randomDraws() const { return draws_; }

  const std::vector<std::unique_ptr<PluginModule>>& modules() const { return modules_; }
  PluginModule* find(const std::string& name) const;
  PluginModule* moduleFor(SPPluginRef ref) const;
  // The module whose code is running now (null when the host itself calls).
  PluginModule* current() const { return calling_.empty() ? nullptr : calling_.back(); }
  // Runs module code that the host calls outside a message (a dialog's procedures): the module
  // is current meanwhile.
  template <typename Code>
  void callInto(PluginModule& module, Code&& code) {
    calling_.push_back(&module);
    code();
    calling_.pop_back();
  }
  bool codeIsLoaded(const PluginModule& module) const;
  Holdings holdings(const PluginModule& module) const;

  const SPBasicSuite* basicSuite() const;
  SuiteRegistry& suites() { return suites_; }
  BlockAllocator& memory() { return memory_; }
  MemoryHandles& memoryHandles() { return memoryHandles_; }
  MenuModel& menus() { return menus_; }
  ToolRegistry& tools() { return tools_; }
  NotifierList& notifiers() { return notifiers_; }
  StringStore& strings() { return strings_; }
  IconStore& icons() { return icons_; }
  adm::DialogManager& dialogs() { return dialogs_; }
  const adm::DialogManager& dialogs() const { return dialogs_; }
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
  // A module whose object is gone takes its tools, notifiers, menu items and dialogs with it.
  void forgetRegistrations(const PluginModule& module);

  HostOptions options_;
  std::vector<std::unique_ptr<PluginModule>> modules_;
  std::vector<PluginModule*> calling_;
  SuiteRegistry suites_;
  BlockAllocator memory_;
  MemoryHandles memoryHandles_;
  MenuModel menus_;
  ToolRegistry tools_;
  NotifierList notifiers_;
  StringStore strings_;
  IconStore icons_;
  adm::DialogManager dialogs_;
  FrontEndLog frontEnd_;
  std::vector<AIAppContextHandle> contexts_;
  std::vector<std::string> misuse_;
  std::unique_ptr<Document> document_;
  GesturePhase phase_ = GesturePhase::None;
  int32_t modifiers_ = 0;
  std::mt19937 random_;
  std::deque<AIReal> scripted_;
  uint64_t draws_ = 0;
};

}  // namespace qv::host
