// The point-drag tool's plug-in object and the module's two factory functions. Registers one
// host tool, " Pivora", whose icons and cursor come from the module's resources.
#include "MultiArrowToolPlugin.hpp"

#include <cstring>
#include <new>

#include "SuitePointers.hpp"

namespace {
constexpr char kPluginName[] = "QV17_Pivora";
constexpr char kAboutEntry[] = "QV17_Pivora...";
constexpr char kAboutTitle[] = "About QV17_Pivora";
constexpr char kToolName[] = " Pivora";
constexpr char kToolTip[] = " Pivora - Drag points using start and end of cursor drag";
// The copy tool's name as this module asks for it (with a leading blank).
constexpr char kCopyToolName[] = " Tessaly1 Tool";
constexpr int32_t kAddToolOptions = 1;
}  // namespace

Plugin* AllocatePlugin(SPPluginRef pluginRef) { return new MultiArrowToolPlugin(pluginRef); }

// Re-installs this class's behaviour in an object that survived an unload of the code.
void FixupReload(Plugin* plugin) {
  ::new (static_cast<void*>(plugin)) MultiArrowToolPlugin(Plugin::NoInit{});
}

MultiArrowToolPlugin::MultiArrowToolPlugin(SPPluginRef ref)
    : Plugin(ref), aboutMenuItem(nullptr), toolHandle(nullptr) {
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
  AIAddToolData data{};
  data.sameGroupAs = kNoTool;
  data.sameToolsetAs = kNoTool;
  int32_t copyTool = 0;
  if (sTool->GetToolNumberFromName(kCopyToolName, &copyTool) == kNoErr) {
    data.sameGroupAs = copyTool;
  }
  data.title = kToolName;
  data.tooltip = kToolTip;

  data.icon = sADMIcon->GetFromResource(pluginRef, kToolIconListID, 1);
  if (sADMIcon->GetType(data.icon) == kADMUnknownIconType) return kNoIconErr;

  if (const ASErr error =
          sTool->AddTool(pluginRef, kToolName, &data, kAddToolOptions, &toolHandle)) {
    return error;
  }
  ADMIconRef secondIcon = sADMIcon->GetFromResource(pluginRef, kToolIconListID, 2);
  return sTool->SetToolSecondIcon(toolHandle, secondIcon);
}
