// The copy tool's plug-in object and the module's two factory functions. Registers one host
// tool, "Tessaly1 Tool", whose name, icons and cursor come from the module's resources.
#include "MultiArrowToolPlugin.hpp"

#include <cstring>
#include <new>

#include "SuitePointers.hpp"

namespace {
constexpr char kPluginName[] = "QV17_Tessaly1";
constexpr char kAboutEntry[] = "QV17_Tessaly1...";
constexpr char kAboutTitle[] = "About QV17_Tessaly1";
constexpr int32_t kAddToolOptions = 1;
}  // namespace

Plugin* AllocatePlugin(SPPluginRef pluginRef) { return new MultiArrowToolPlugin(pluginRef); }

// Re-installs this class's behaviour in an object that survived an unload of the code.
void FixupReload(Plugin* plugin) {
  ::new (static_cast<void*>(plugin)) MultiArrowToolPlugin(Plugin::NoInit{});
}

MultiArrowToolPlugin::MultiArrowToolPlugin(SPPluginRef ref)
    : Plugin(ref), aboutMenuItem(nullptr), optionsDialog(nullptr) {
  std::strncpy(pluginName, kPluginName, sizeof pluginName - 1);
  pluginName[sizeof pluginName - 1] = '\0';
}

MultiArrowToolPlugin::~MultiArrowToolPlugin() = default;

ASErr MultiArrowToolPlugin::StartupPlugin(SPInterfaceMessage* message) {
  if (const ASErr error = Plugin::StartupPlugin(message)) return error;
  if (const ASErr error = AddToolPluginOption()) return error;
  if (const ASErr error = AddTools(message)) return error;
  return AddAboutMenu(message, kAboutEntry, &aboutMenuItem);
}

ASErr MultiArrowToolPlugin::Message(const char* caller, const char* selector, void* message) {
  return GuardedMessage(caller, selector, message);
}

ASErr MultiArrowToolPlugin::GoMenuItem(AIMenuMessage* message) {
  return ShowAboutIfPicked(message, aboutMenuItem, kAboutTitle);
}

ASErr MultiArrowToolPlugin::TrackToolCursor(AIToolMessage* /*message*/) {
  sADMBasic->SetPlatformCursor(pluginRef, kCursorID);
  return kNoErr;
}

ASErr MultiArrowToolPlugin::AddTools(SPInterfaceMessage* /*message*/) {
  char toolName[256] = "";
  sADMBasic->GetIndexString(pluginRef, kToolNameListID, 1, toolName, sizeof toolName);

  ADMIconRef icon = sADMIcon->GetFromResource(pluginRef, kToolIconListID, 1);
  if (sADMIcon->GetType(icon) == kADMUnknownIconType) return kNoIconErr;

  AIAddToolData data{};
  data.title = toolName;
  data.tooltip = toolName;
  data.icon = icon;
  data.sameGroupAs = kNoTool;
  data.sameToolsetAs = kNoTool;

  AIToolHandle tool = nullptr;
  if (const ASErr error = sAITool->AddTool(pluginRef, toolName, &data, kAddToolOptions, &tool)) {
    return error;
  }
  ADMIconRef secondIcon = sADMIcon->GetFromResource(pluginRef, kToolIconListID, 2);
  return sTool->SetToolSecondIcon(tool, secondIcon);
}
