// The copy tool's plug-in object and the module's two factory functions. Registers one host
// tool, "Tessaly1 Tool", whose name, icons and cursor come from the module's resources;
// creates the options palette at the first selection of the tool; runs a gesture: snapshot
// at mouse down, the drag driver per event, release at mouse up.
#include "MultiArrowToolPlugin.hpp"

#include <cstring>
#include <new>

#include "DragDriver.hpp"
#include "OptionsDialog.hpp"
#include "Selection.hpp"
#include "SuitePointers.hpp"

namespace {
constexpr char kPluginName[] = "QV17_Tessaly1";
constexpr char kAboutEntry[] = "QV17_Tessaly1...";
constexpr char kAboutTitle[] = "About QV17_Tessaly1";
constexpr int32_t kAddToolOptions = 1;
constexpr char kOptionsDialogName[] = "QVTessaly1";
// The palette's icons of kind 0 (normal) and 1 (selected): entries 1 and 2 of the icon list.
struct PaletteIcon {
  int32_t kind;
  int32_t entry;
};
constexpr PaletteIcon kPaletteIcons[] = {{0, 1}, {1, 2}};
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

ASErr MultiArrowToolPlugin::SelectTool(AIToolMessage* /*message*/) {
  if (optionsDialog != nullptr) return kNoErr;
  optionsDialog =
      sADMDialog->Create(pluginRef, kOptionsDialogName, kOptionsDialogID,
                         kADMTabbedFloatingDialogStyle, ornix::ToolPluginInitProc0, nullptr, 0);
  if (optionsDialog == nullptr) return kNoErr;
  for (const PaletteIcon& icon : kPaletteIcons) {
    if (ADMIconRef loaded = sADMIcon->GetFromResource(pluginRef, kToolIconListID, icon.entry)) {
      sADMDialog->SetIcon(optionsDialog, icon.kind, loaded);
    }
  }
  return kNoErr;
}

ASErr MultiArrowToolPlugin::EditTool(AIToolMessage* /*message*/) {
  // Before the first selection there is no palette to show.
  if (ornix::dialogref != nullptr) sADMDialog->Show(ornix::dialogref, true);
  return kNoErr;
}

ASErr MultiArrowToolPlugin::ToolMouseDown(AIToolMessage* message) {
  using namespace ornix;
  startingPoint = message->cursor;
  resizeaccvalue_5 = 100.0f;
  fadefillaccvalue_10 = 1.0f;
  scalehvalue_10 = 1.0f;
  scalevvalue_10 = 1.0f;
  lastposition_10 = startingPoint;
  count_10 = 0;
  count = 0;
  // Gives back a snapshot still held, then takes the new one; always 0 (a failed snapshot is
  // an empty one).
  get_selection();
  return kNoErr;
}

ASErr MultiArrowToolPlugin::ToolMouseDrag(AIToolMessage* message) {
  return ornix::tooldrag(message->cursor, message->pressure);
}

ASErr MultiArrowToolPlugin::ToolMouseUp(AIToolMessage* /*message*/) {
  ornix::ReleaseSelection();
  return sAIUndo->UndoChanges();
}
