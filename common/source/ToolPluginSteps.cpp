// Steps that every tool module's MultiArrowToolPlugin shares: the exception-catching message
// wrapper, the plug-in option bit, the about-menu step and the about alert. Touches the host
// only through the suites named in each step.
#include <exception>

#include "AIError.hpp"
#include "Plugin.hpp"
#include "SDKAboutPluginsHelper.hpp"
#include "SuitePointers.hpp"

const char kAboutPluginsText[] =
    "Brellan Software Plug-ins for Illustrator CS4. For more information visit "
    "www.brellansoftware.example.\n"
    "Version: 1.4 July 2008. Copyright Brellan Software Ltd. All rights reserved.";

namespace {
constexpr int32_t kToolPluginOption = 2;
}

ASErr Plugin::GuardedMessage(const char* caller, const char* selector, void* message) {
  ASErr error = kNoErr;
  try {
    error = Plugin::Message(caller, selector, message);
  } catch (const ai::Error& exception) {
    error = exception.code();
  } catch (...) {
    error = kCantHappenErr;
  }
  if (error == kUnhandledMsgErr) return kNoErr;
  if (error != kNoErr) ReportError(error, caller, selector, message);
  return error;
}

ASErr Plugin::AddToolPluginOption() {
  int32_t options = 0;
  if (const ASErr error = sAIPlugin->GetPluginOptions(pluginRef, &options)) return error;
  return sAIPlugin->SetPluginOptions(pluginRef, options | kToolPluginOption);
}

ASErr Plugin::AddAboutMenu(SPInterfaceMessage* message, const char* entryText,
                           AIMenuItemHandle* item) {
  SDKAboutPluginsHelper helper;
  const ai::UnicodeString submenuText(kAboutPluginsEntry);
  return helper.AddAboutPluginsMenuItem(message, kAboutPluginsGroup, submenuText, entryText, item);
}

ASErr Plugin::ShowAboutIfPicked(AIMenuMessage* message, AIMenuItemHandle aboutItem,
                                const char* title) {
  if (message->menuItem == aboutItem) {
    SDKAboutPluginsHelper helper;
    helper.PopAboutBox(&message->d, title, kAboutPluginsText);
  }
  return kNoErr;
}
