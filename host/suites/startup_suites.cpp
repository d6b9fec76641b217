// The suites of start-up registration: AI Plugin (option bits), AI Notifier and AI Context.
// Touches the module records, the notifier list and the context stack.
#include "AIContext.h"
#include "AINotifier.h"
#include "AIPlugin.h"
#include "all_suites.h"
#include "host.h"
#include "pica/handle_table.h"
#include "pica/suite_entry.h"

namespace qv::host {

namespace {

AIErr getPluginOptions(SPPluginRef plugin, int32_t* options) {
  if (options == nullptr) return kSPBadParameterError;
  *options = 0;
  PluginModule* module = Host::active().moduleFor(plugin);
  if (module == nullptr) return kSPBadHandleError;
  *options = module->options;
  return kNoErr;
}

AIErr setPluginOptions(SPPluginRef plugin, int32_t options) {
  PluginModule* module = Host::active().moduleFor(plugin);
  if (module == nullptr) return kSPBadHandleError;
  module->options = options;
  return kNoErr;
}

AIErr addNotifier(SPPluginRef plugin, const char* name, const char* type,
                  AINotifierHandle* notifier) {
  if (notifier != nullptr) *notifier = nullptr;
  Host& host = Host::active();
  PluginModule* module = host.moduleFor(plugin);
  if (module == nullptr) return kSPBadHandleError;
  if (name == nullptr || type == nullptr) return kSPBadParameterError;
  const auto handle = reinterpret_cast<AINotifierHandle>(nextHandleValue());
  host.notifiers().push_back(Notifier{name, type, module, handle});
  if (notifier != nullptr) *notifier = handle;
  return kNoErr;
}

AIErr pushAppContext(SPPluginRef plugin, AIAppContextHandle* context) {
  if (context == nullptr) return kSPBadParameterError;
  *context = nullptr;
  Host& host = Host::active();
  if (host.moduleFor(plugin) == nullptr) return kSPBadHandleError;
  *context = reinterpret_cast<AIAppContextHandle>(nextHandleValue());
  host.contexts().push_back(*context);
  return kNoErr;
}

AIErr popAppContext(AIAppContextHandle context) {
  Host& host = Host::active();
  if (host.contexts().empty() || host.contexts().back() != context) {
    host.misuse("popped an application context that is not the innermost one");
    return kSPMisuseError;
  }
  host.contexts().pop_back();
  return kNoErr;
}

const AIPluginSuite kPlugin = {
    .GetPluginOptions = QV_ENTRY(kAIPluginSuite, GetPluginOptions, getPluginOptions),
    .SetPluginOptions = QV_ENTRY(kAIPluginSuite, SetPluginOptions, setPluginOptions),
};

const AINotifierSuite kNotifier = {
    .AddNotifier = QV_ENTRY(kAINotifierSuite, AddNotifier, addNotifier),
};

const AIAppContextSuite kContext = {
    .PushAppContext = QV_ENTRY(kAIAppContextSuite, PushAppContext, pushAppContext),
    .PopAppContext = QV_ENTRY(kAIAppContextSuite, PopAppContext, popAppContext),
};

}  // namespace

void registerStartupSuites(SuiteRegistry& registry) {
  registry.add(kAIPluginSuite, kAIPluginSuiteVersion, &kPlugin);
  registry.add(kAINotifierSuite, kAINotifierSuiteVersion, &kNotifier);
  registry.add(kAIAppContextSuite, kAIAppContextSuiteVersion, &kContext);
}

}  // namespace qv::host
