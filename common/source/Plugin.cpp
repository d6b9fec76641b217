// The plug-in object's life cycle: construction, startup, shutdown, unload, reload, locking,
// and the AppContext guard. Touches the object's members, its Suites object and the basic
// suite pointers.
#include "Plugin.hpp"

#include <cstdio>
#include <cstring>

#include "HostMemory.hpp"
#include "SuitePointers.hpp"
#include "Suites.hpp"

namespace {
constexpr char kNotifierSuffix[] = " App Started Notifier";
}

Plugin::Plugin(SPPluginRef ref)
    : pluginRef(ref),
      pluginName("Plugin"),
      suites(nullptr),
      lockCount(0),
      accessRef(nullptr),
      lastError(kNoErr),
      errorTimeout(5),
      suppressDuplicateErrors(true),
      lastErrorTime(0) {}

// Releases nothing: the Suites object, dialogs and menu items are not the destructor's.
Plugin::~Plugin() = default;

void* Plugin::operator new(std::size_t size) noexcept { return ai::HostAllocate(size); }
void Plugin::operator delete(void* block) noexcept { ai::HostFree(block); }

ASErr Plugin::AcquireSuites() {
  suites = new Suites;
  if (suites == nullptr) return kOutOfMemoryErr;
  const ASErr error = suites->Error();
  // Whatever the result, this object is the one holder: deleting it releases exactly what
  // was acquired.
  suites->ResetAcquiredCount();
  if (error != kNoErr) {
    delete suites;
    suites = nullptr;
  }
  return error;
}

ASErr Plugin::StartupPlugin(SPInterfaceMessage* /*message*/) {
  ASErr error = SetGlobal(this);
  if (error == kNoErr) error = AcquireSuites();
  if (error == kNoErr) {
    error = sSPPlugins->SetPluginName(pluginRef, pluginName);
    if (error == kNoErr) {
      // Room for the whole name: a long plug-in name is never cut short.
      char notifierName[sizeof pluginName + sizeof kNotifierSuffix];
      std::snprintf(notifierName, sizeof notifierName, "%s%s", pluginName, kNotifierSuffix);
      error =
          sAINotifier->AddNotifier(pluginRef, notifierName, kAIApplicationStartedNotifier, nullptr);
    }
  }
  if (error == kNoErr && AllocateSuiteTables() == kNoErr) FillSuiteTables();
  return error;
}

ASErr Plugin::PostStartupPlugin() { return kNoErr; }

ASErr Plugin::ShutdownPlugin(SPInterfaceMessage* /*message*/) {
  if (suites != nullptr) {
    delete suites;
    suites = nullptr;
  }
  SetGlobal(nullptr);
  return kNoErr;
}

ASErr Plugin::UnloadPlugin(SPInterfaceMessage* /*message*/) {
  EmptySuiteTables();
  SetGlobal(nullptr);
  if (suites != nullptr) {
    delete suites;
    suites = nullptr;
  }
  return kNoErr;
}

ASErr Plugin::ReloadPlugin(SPInterfaceMessage* /*message*/) {
  SetGlobal(this);
  const ASErr error = suites == nullptr ? AcquireSuites() : kNoErr;
  if (error == kNoErr) FillSuiteTables();
  return error;
}

ASErr Plugin::LockPlugin(ASBoolean lock) {
  if (lock) {
    if (++lockCount == 1) sSPAccess->AcquirePlugin(pluginRef, &accessRef);
  } else {
    --lockCount;
    if (lockCount == 0) {
      sSPAccess->ReleasePlugin(accessRef);
      accessRef = nullptr;
    } else if (lockCount < 0) {
      lockCount = 0;
    }
  }
  return kNoErr;
}

int32_t Plugin::GetPluginName(char* buffer, int32_t length) {
  const auto full = static_cast<int32_t>(std::strlen(pluginName));
  if (buffer != nullptr && length > 0) {
    // Always terminated: a name that does not fit is cut to length - 1 characters.
    std::snprintf(buffer, static_cast<std::size_t>(length), "%s", pluginName);
  }
  return full;
}

ASErr Plugin::About(SPInterfaceMessage* /*message*/) {
  char text1[256] = "";
  char text2[256] = "";
  sADMBasic->GetIndexString(pluginRef, kAboutStringsListID, 1, text1, sizeof text1);
  sADMBasic->GetIndexString(pluginRef, kAboutStringsListID, 2, text2, sizeof text2);
  sADMBasic->AboutBox(pluginRef, text1, text2);
  return kNoErr;
}

ASBoolean Plugin::Purge() { return false; }
ASErr Plugin::SetGlobal(Plugin* /*plugin*/) { return kNoErr; }
ASErr Plugin::AllocateSuiteTables() { return kNoErr; }
ASErr Plugin::FillSuiteTables() { return kNoErr; }
ASErr Plugin::EmptySuiteTables() { return kNoErr; }

ASErr Plugin::AcquireOptionalSuites() {
  if (suites != nullptr) suites->acquire_Optional_Suites();
  return kNoErr;
}

AppContext::AppContext(SPPluginRef self) {
  if (sAIAppContext != nullptr) sAIAppContext->PushAppContext(self, &context_);
}

AppContext::~AppContext() {
  if (sAIAppContext != nullptr) sAIAppContext->PopAppContext(context_);
}
