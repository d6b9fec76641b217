// The host object: loading, the life cycle of modules, message delivery, and the state the
// suites work on. Touches module code only through PluginMain.
#include "host.h"

#include <dlfcn.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <system_error>

#include "pica/call_sites.h"
#include "pica/host_clock.h"
#include "pica/module_resources.h"
#include "suites/all_suites.h"

namespace qv::host {

namespace {
Host* gActive = nullptr;
}

const char* stateName(ModuleState state) {
  switch (state) {
    case ModuleState::Loaded:
      return "loaded";
    case ModuleState::Running:
      return "running";
    case ModuleState::Failed:
      return "failed";
    case ModuleState::Unloaded:
      return "unloaded";
    case ModuleState::Degraded:
      return "degraded";
    case ModuleState::ShutDown:
      return "shut down";
  }
  return "unknown";
}

Host::Host(HostOptions options)
    : options_(options), document_(std::make_unique<Document>(612, 792)), random_(options.seed) {
  if (gActive != nullptr) {
    std::fputs("qvhost: a second host was made while one is active\n", stderr);
    std::abort();
  }
  gActive = this;
  CallSiteRegistry::instance().reset();
  HostClock::useRealTime();
  registerAllSuites(suites_);
}

Host::~Host() {
  shutdownAll();
  for (auto& module : modules_) {
    if (module->library != nullptr) unloadCode(*module);
  }
  gActive = nullptr;
}

Host& Host::active() {
  if (gActive == nullptr) {
    std::fputs("qvhost: a suite was called with no host\n", stderr);
    std::abort();
  }
  return *gActive;
}

void Host::misuse(const std::string& what) {
  const PluginModule* module = current();
  misuse_.push_back((module != nullptr ? module->name() + ": " : std::string()) + what);
}

void noteEntryException(const char* suite, const char* call, const char* what) {
  Host::active().misuse(std::string("host error in ") + suite + " " + call + ": " + what);
}

std::vector<LoadResult> Host::loadFolder(const std::filesystem::path& folder) {
  std::error_code error;
  if (!std::filesystem::is_directory(folder, error)) {
    return {LoadResult{folder, nullptr, "plug-ins folder does not exist"}};
  }
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (entry.path().extension() == ".so") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  std::vector<LoadResult> results;
  for (const auto& file : files) results.push_back(loadModule(file));
  return results;
}

LoadResult Host::loadModule(const std::filesystem::path& file) {
  LoadResult result{file, nullptr, {}};
  ResourceLoad resources = readModuleResources(file);
  if (!resources.table) {
    result.error = "not a plug-in module: " + resources.error;
    return result;
  }
  PiplResult pipl = readPluginProperties(*resources.table);
  if (!pipl.properties) {
    result.error = pipl.error;
    return result;
  }
  if (find(pipl.properties->name) != nullptr) {
    result.error = "a module named " + pipl.properties->name + " is already loaded";
    return result;
  }
  auto module = std::make_unique<PluginModule>();
  module->file = file;
  module->properties = *pipl.properties;
  module->resources = std::move(*resources.table);
  if (!loadCode(*module, result.error)) return result;
  result.module = module.get();
  modules_.push_back(std::move(module));
  return result;
}

bool Host::loadCode(PluginModule& module, std::string& error) {
  // RTLD_LOCAL: modules share nothing, not even symbols of the same name.
  void* library = dlopen(module.file.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    const char* why = dlerror();
    error = std::string("cannot load the code: ") + (why != nullptr ? why : "unknown reason");
    return false;
  }
  void* entry = dlsym(library, module.properties.entryPoint.c_str());
  if (entry == nullptr) {
    dlclose(library);
    error = "entry point '" + module.properties.entryPoint + "' not found";
    return false;
  }
  module.library = library;
  module.entry = reinterpret_cast<PluginMainProc>(entry);
  return true;
}

void Host::unloadCode(PluginModule& module) {
  dlclose(module.library);
  module.library = nullptr;
  module.entry = nullptr;
}

bool Host::codeIsLoaded(const PluginModule& module) const {
  if (module.library != nullptr) return true;
  // Asks the dynamic loader whether the file is still mapped (it is when something pinned it).
  void* handle = dlopen(module.file.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NOLOAD);
  if (handle == nullptr) return false;
  dlclose(handle);
  return true;
}

PluginModule* Host::find(const std::string& name) const {
  for (const auto& module : modules_) {
    if (module->name() == name) return module.get();
  }
  return nullptr;
}

PluginModule* Host::moduleFor(SPPluginRef ref) const {
  for (const auto& module : modules_) {
    if (module->ref() == ref) return module.get();
  }
  return nullptr;
}

Holdings Host::holdings(const PluginModule& module) const {
  Holdings held;
  held.blocks = memory_.blocks(&module);
  held.bytes = memory_.bytes(&module);
  held.strings = strings_.heldBy(&module);
  held.handles = memoryHandles_.heldBy(&module);
  held.suites = suites_.heldTotal(&module);
  return held;
}

SPErr Host::send(PluginModule& module, const char* caller, const char* selector, void* message) {
  if (module.entry == nullptr) return kSPBadHandleError;
  auto* head = static_cast<SPMessageData*>(message);
  head->SPCheck = kSPValidSPMessageData;
  head->self = module.ref();
  head->globals = module.globals;
  head->basic = basicSuite();
  calling_.push_back(&module);
  const SPErr error = module.entry(caller, selector, message);
  calling_.pop_back();
  module.globals = head->globals;
  return error;
}

SPErr Host::sendInterface(PluginModule& module, const char* caller, const char* selector) {
  SPInterfaceMessage message{};
  return send(module, caller, selector, &message);
}

SPErr Host::sendTool(PluginModule& module, const char* selector, AIRealPoint cursor,
                     AIToolPressure pressure, AIToolHandle tool) {
  AIToolMessage message{};
  message.tool = tool;
  message.cursor = cursor;
  message.pressure = pressure;
  return send(module, kCallerAITool, selector, &message);
}

SPErr Host::sendNotifier(PluginModule& module, const char* selector, const char* type,
                         AINotifierHandle notifier) {
  AINotifierMessage message{};
  message.notifier = notifier;
  message.type = type;
  return send(module, kCallerAINotify, selector, &message);
}

SPErr Host::pickMenuItem(AIMenuItemHandle item) {
  const MenuItem* picked = menus_.item(item);
  if (picked == nullptr || picked->owner == nullptr) return kSPBadHandleError;
  auto* module = const_cast<PluginModule*>(picked->owner);
  AIMenuMessage message{};
  message.menuItem = item;
  return send(*module, kCallerAIMenu, kSelectorAIGoMenuItem, &message);
}

void Host::forgetRegistrations(const PluginModule& module) {
  tools_.removeOwnedBy(&module);
  menus_.removeOwnedBy(&module);
  std::erase_if(notifiers_, [&module](const Notifier& n) { return n.owner == &module; });
  dialogs_.removeOwnedBy(&module);
}

void Host::setDocument(std::unique_ptr<Document> document) { document_ = std::move(document); }

AIReal Host::nextRandom() {
  ++draws_;
  if (!scripted_.empty()) {
    const AIReal value = scripted_.front();
    scripted_.pop_front();
    return value;
  }
  // 24 random bits: every value is exact in a float and below 1.
  return static_cast<AIReal>(random_() >> 8) / static_cast<AIReal>(1u << 24);
}

void Host::seedRandom(uint32_t seed) {
  random_.seed(seed);
  scripted_.clear();
}

namespace {
AIToolHandle toolOf(ToolRegistry& tools, const PluginModule& module) {
  for (const Tool& tool : tools.tools()) {
    if (tool.owner == &module) return tool.handle;
  }
  return nullptr;
}
}  // namespace

SPErr Host::mouseDown(PluginModule& module, const DragEvent& event) {
  document_->beginGesture();
  phase_ = GesturePhase::MouseDown;
  modifiers_ = event.modifiers;
  return sendTool(module, kSelectorAIToolMouseDown, event.point, event.pressure,
                  toolOf(tools_, module));
}

SPErr Host::mouseDrag(PluginModule& module, const DragEvent& event) {
  phase_ = GesturePhase::Drag;
  modifiers_ = event.modifiers;
  // A drag event the module answers with an error leaves the document as it was before it.
  document_->beginEvent();
  const SPErr error = sendTool(module, kSelectorAIToolMouseDrag, event.point, event.pressure,
                               toolOf(tools_, module));
  if (error != kNoErr) {
    document_->rollbackEvent();
  } else {
    document_->endEvent();
  }
  return error;
}

SPErr Host::mouseUp(PluginModule& module, const DragEvent& event) {
  phase_ = GesturePhase::MouseUp;
  modifiers_ = event.modifiers;
  const SPErr error =
      sendTool(module, kSelectorAIToolMouseUp, event.point, event.pressure, toolOf(tools_, module));
  document_->endGesture();
  phase_ = GesturePhase::None;
  modifiers_ = 0;
  return error;
}

SPErr Host::startup(PluginModule& module) {
  if (module.entry == nullptr) return kSPBadHandleError;
  // A module with an object must not get a second one.
  if (module.globals != nullptr) return kSPMisuseError;
  module.lastError = sendInterface(module, kSPInterfaceCaller, kSPInterfaceStartupSelector);
  module.state = module.lastError == kNoErr && module.globals != nullptr ? ModuleState::Running
                                                                         : ModuleState::Failed;
  if (module.state == ModuleState::Failed) forgetRegistrations(module);
  return module.lastError;
}

void Host::startAll() {
  std::vector<PluginModule*> order;
  for (auto& module : modules_) {
    if (module->state == ModuleState::Loaded) order.push_back(module.get());
  }
  std::sort(order.begin(), order.end(), [this](const PluginModule* a, const PluginModule* b) {
    return options_.reverseStartOrder ? b->name() < a->name() : a->name() < b->name();
  });
  for (PluginModule* module : order) startup(*module);
  sendApplicationStarted();
}

void Host::sendApplicationStarted() {
  // Copied: a module could add notifiers while it is notified.
  const NotifierList notifiers = notifiers_;
  for (const Notifier& notifier : notifiers) {
    auto* module = const_cast<PluginModule*>(notifier.owner);
    if (notifier.type != kAIApplicationStartedNotifier || module == nullptr ||
        module->state != ModuleState::Running) {
      continue;
    }
    sendNotifier(*module, kSelectorAINotify, kAIApplicationStartedNotifier, notifier.handle);
  }
}

SPErr Host::shutdown(PluginModule& module) {
  if (module.state == ModuleState::Unloaded && module.library == nullptr) {
    // The object survives in the globals slot: its code must be back before it can go.
    if (const SPErr error = reload(module)) return error;
  }
  if (module.entry == nullptr) return kSPBadHandleError;
  module.lastError = sendInterface(module, kSPInterfaceCaller, kSPInterfaceShutdownSelector);
  module.state = ModuleState::ShutDown;
  forgetRegistrations(module);
  return module.lastError;
}

void Host::shutdownAll() {
  for (auto it = modules_.rbegin(); it != modules_.rend(); ++it) {
    PluginModule& module = **it;
    if (module.state == ModuleState::Running || module.state == ModuleState::Unloaded ||
        module.state == ModuleState::Degraded) {
      shutdown(module);
    }
  }
}

SPErr Host::unload(PluginModule& module) {
  if (module.state != ModuleState::Running) return kSPMisuseError;
  const SPErr error = sendInterface(module, kSPAccessCaller, kSPAccessUnloadSelector);
  module.state = ModuleState::Unloaded;
  // A dialog keeps the code: its procedures point into it.
  if (module.accessRefs == 0 && dialogs_.dialogsOf(&module).empty()) unloadCode(module);
  return error;
}

SPErr Host::reload(PluginModule& module) {
  if (module.state != ModuleState::Unloaded && module.state != ModuleState::Degraded) {
    return kSPMisuseError;
  }
  if (module.library == nullptr) {
    std::string why;
    if (!loadCode(module, why)) {
      misuse_.push_back(module.name() + ": reload failed: " + why);
      return kSPNotFoundError;
    }
  }
  module.lastError = sendInterface(module, kSPAccessCaller, kSPAccessReloadSelector);
  module.state = module.lastError == kNoErr ? ModuleState::Running : ModuleState::Degraded;
  return module.lastError;
}

}  // namespace qv::host
