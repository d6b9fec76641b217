// A test-only module built from the framework, for what the real modules cannot do on demand:
// throw, return chosen codes, answer the purge message, report its name, and show which
// notifier handlers ran. Its suite table has optional suites. Traces go to the host as about
// alerts titled "probe".
//
// "AI Tool"/"AI Mouse Drag" picks a behaviour by the cursor's h:
//   1 throw std::runtime_error   2 throw ai::Error(code)   3 return code
//   4 return "not handled"       5 trace the plug-in name (GetPluginName)
// where code is entry 1 of the probe's string list 16200, in hexadecimal (the test sets it).
#include <cstdlib>
#include <cstring>
#include <new>
#include <stdexcept>

#include "AIError.hpp"
#include "Plugin.hpp"
#include "SuitePointers.hpp"
#include "Suites.hpp"

const AIUnicodeStringSuite* sAIUnicodeString = nullptr;
const AIPluginSuite* sAIPlugin = nullptr;
const AIMeshSuite* sAIMesh = nullptr;
const AISymbolSuite* sAISymbol = nullptr;

ImportSuite gImportSuites[] = {
    {kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion, SuiteSlot(&sAIUnicodeString)},
    {kAIPluginSuite, kAIPluginSuiteVersion, SuiteSlot(&sAIPlugin)},
    {nullptr, kOptionalSuitesMarker, nullptr},
    {kAIMeshSuite, kAIMeshSuiteVersion, SuiteSlot(&sAIMesh)},
    // A version the host does not offer: never acquired, tried before every message.
    {kAISymbolSuite, 99, SuiteSlot(&sAISymbol)},
    {nullptr, 0, nullptr},
};

namespace {

void Trace(const char* text) { sADMBasic->AboutAlert("probe", text); }

class MultiArrowToolPlugin : public Plugin {
 public:
  explicit MultiArrowToolPlugin(SPPluginRef ref) : Plugin(ref), aboutMenuItem(nullptr) {
    std::strcpy(pluginName, "QVTest_Probe");
  }
  explicit MultiArrowToolPlugin(NoInit noInit) : Plugin(noInit) {}

  ASErr StartupPlugin(SPInterfaceMessage* message) override {
    if (const ASErr error = Plugin::StartupPlugin(message)) return error;
    if (const ASErr error = AddToolPluginOption()) return error;
    return AddAboutMenu(message, "QVTest_Probe...", &aboutMenuItem);
  }
  ASErr Message(const char* caller, const char* selector, void* message) override {
    return GuardedMessage(caller, selector, message);
  }
  ASErr GoMenuItem(AIMenuMessage* message) override {
    return ShowAboutIfPicked(message, aboutMenuItem, "About QVTest_Probe");
  }
  ASErr PostStartupPlugin() override {
    Trace("PostStartupPlugin");
    return kNoErr;
  }
  ASErr Notify(AINotifierMessage*) override {
    Trace("Notify");
    return kNoErr;
  }
  ASBoolean Purge() override { return true; }
  ASErr ToolMouseDrag(AIToolMessage* message) override {
    char text[16] = "";
    sADMBasic->GetIndexString(pluginRef, 16200, 1, text, sizeof text);
    const auto code = static_cast<ASErr>(std::strtoul(text, nullptr, 16));
    switch (static_cast<int>(message->cursor.h)) {
      case 1:
        throw std::runtime_error("probe");
      case 2:
        throw ai::Error(code);
      case 3:
        return code;
      case 4:
        return kUnhandledMsgErr;
      case 5: {
        char name[8];
        const int32_t full = GetPluginName(name, sizeof name);
        Trace(full == 12 ? name : "wrong length");
        return kNoErr;
      }
      default:
        return kNoErr;
    }
  }

 private:
  AIMenuItemHandle aboutMenuItem;
};

}  // namespace

Plugin* AllocatePlugin(SPPluginRef pluginRef) { return new MultiArrowToolPlugin(pluginRef); }

void FixupReload(Plugin* plugin) {
  ::new (static_cast<void*>(plugin)) MultiArrowToolPlugin(Plugin::NoInit{});
}
