// The point-drag tool's plug-in object and the module's two factory functions. Registers one
// host tool, " Pivora", whose icons and cursor come from the module's resources; creates the
// options dialog at the first selection of the tool; runs a gesture: snapshot at mouse down,
// pointdrag per event, release and undo at mouse up.
#include "MultiArrowToolPlugin.hpp"

#include <cstring>
#include <new>

#include "Options.hpp"
#include "Palette.hpp"
#include "PointDrag.hpp"
#include "Snapshot.hpp"
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
constexpr char kOptionsDialogName[] = "QV17Pivora";
// The dialog's icons of kind 0 (normal) and 1 (selected): entries 1 and 2 of the icon list.
struct DialogIcon {
  int32_t kind;
  int32_t entry;
};
constexpr DialogIcon kDialogIcons[] = {{0, 1}, {1, 2}};
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
  // A dialog of an earlier plug-in object went with that object.
  pivora::dialogref = nullptr;
  if (const ASErr error = AddToolPluginOption()) return error;
  if (const ASErr error = AddTools(message)) return error;
  return AddAboutMenu(message, kAboutEntry, &aboutMenuItem);
}

ASErr MultiArrowToolPlugin::ShutdownPlugin(SPInterfaceMessage* message) {
  // A gesture cut short (no mouse up before the shutdown) still gives its snapshot back, while
  // the suites are held (an unloaded module holds none).
  if (sAIMdMemory != nullptr) pivora::ReleaseSnapshot();
  return Plugin::ShutdownPlugin(message);
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

ASErr MultiArrowToolPlugin::SelectTool(AIToolMessage* /*message*/) {
  using pivora::dialogref;
  if (dialogref != nullptr) return kNoErr;
  dialogref =
      sADMDialog->Create(pluginRef, kOptionsDialogName, kOptionsDialogID,
                         kADMTabbedFloatingDialogStyle, pivora::OptionsInitProc, nullptr, 0);
  if (dialogref == nullptr) return kNoErr;
  for (const DialogIcon& icon : kDialogIcons) {
    if (ADMIconRef loaded = sADMIcon->GetFromResource(pluginRef, kToolIconListID, icon.entry)) {
      sADMDialog->SetIcon(dialogref, icon.kind, loaded);
    }
  }
  return kNoErr;
}

ASErr MultiArrowToolPlugin::EditTool(AIToolMessage* /*message*/) {
  // Before the first selection there is no dialog to show.
  if (pivora::dialogref != nullptr) sADMDialog->Show(pivora::dialogref, true);
  return kNoErr;
}

ASErr MultiArrowToolPlugin::ToolMouseDown(AIToolMessage* message) {
  pivora::startingPoint = message->cursor;
  return pivora::TakeSnapshot();
}

ASErr MultiArrowToolPlugin::ToolMouseDrag(AIToolMessage* message) {
  return pivora::pointdrag(message->cursor, message->pressure);
}

ASErr MultiArrowToolPlugin::ToolMouseUp(AIToolMessage* /*message*/) {
  pivora::ReleaseSnapshot();
  return sAIUndo->UndoChanges();
}
