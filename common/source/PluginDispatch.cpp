// Message dispatch: maps the host's (caller, selector) pairs to the virtual handlers and gives
// every handler its default answer. Touches nothing but the object it dispatches on.
#include <cstring>

#include "AIMenu.h"
#include "AINotifier.h"
#include "AITool.h"
#include "Plugin.hpp"

namespace {

bool Is(const char* a, const char* b) { return std::strcmp(a, b) == 0; }

struct Row {
  const char* selector;
  ASErr (*call)(Plugin& plugin, void* message);
};

// One table per caller; the first matching selector wins.
template <std::size_t N>
ASErr Dispatch(Plugin& plugin, const Row (&rows)[N], const char* selector, void* message) {
  for (const Row& row : rows) {
    if (Is(selector, row.selector)) return row.call(plugin, message);
  }
  return kUnhandledMsgErr;
}

#define QV_ROW(selector, Handler, MessageType)                                           \
  {                                                                                      \
    selector, [](Plugin& p, void* m) { return p.Handler(static_cast<MessageType*>(m)); } \
  }

const Row kAccessRows[] = {
    QV_ROW(kSPAccessUnloadSelector, UnloadPlugin, SPInterfaceMessage),
    QV_ROW(kSPAccessReloadSelector, ReloadPlugin, SPInterfaceMessage),
};
const Row kInterfaceRows[] = {
    QV_ROW(kSPInterfaceAboutSelector, About, SPInterfaceMessage),
    {kSPInterfaceStartupSelector, [](Plugin&, void*) { return ASErr{kNoErr}; }},
};
const Row kCacheRows[] = {
    {kSPPluginPurgeSelector,
     [](Plugin& p, void*) { return p.Purge() ? kPurgeFalseErr : ASErr{kNoErr}; }},
};
const Row kPropertiesRows[] = {
    QV_ROW(kSPPropertiesAcquireSelector, AcquireProperty, SPPropertiesMessage),
    QV_ROW(kSPPropertiesReleaseSelector, ReleaseProperty, SPPropertiesMessage),
};
const Row kActionRows[] = {QV_ROW("Do Action", GoAction, void)};
const Row kMenuRows[] = {
    QV_ROW(kSelectorAIGoMenuItem, GoMenuItem, AIMenuMessage),
    QV_ROW(kSelectorAIUpdateMenuItem, UpdateMenuItem, AIMenuMessage),
};
const Row kFilterRows[] = {
    QV_ROW("AI Get Parameters", GetFilterParameters, void),
    QV_ROW("AI Go", GoFilter, void),
};
const Row kPluginGroupRows[] = {
    QV_ROW("AI Notify Edits", PluginGroupNotify, void),
    QV_ROW("AI Update", PluginGroupUpdate, void),
};
const Row kFileFormatRows[] = {
    QV_ROW("AI Get Parameters", GetFileFormatParameters, void),
    QV_ROW("AI Go", GoFileFormat, void),
    QV_ROW("AI Check", CheckFileFormat, void),
    QV_ROW("AI Update AI140", FileFormatUpdate, void),
    QV_ROW("Do Action", SetFileFormatParameters, void),
};
const Row kToolRows[] = {
    QV_ROW(kSelectorAIEditToolOptions, EditTool, AIToolMessage),
    QV_ROW(kSelectorAITrackToolCursor, TrackToolCursor, AIToolMessage),
    QV_ROW(kSelectorAIToolMouseDown, ToolMouseDown, AIToolMessage),
    QV_ROW(kSelectorAIToolMouseDrag, ToolMouseDrag, AIToolMessage),
    QV_ROW(kSelectorAIToolMouseUp, ToolMouseUp, AIToolMessage),
    QV_ROW(kSelectorAISelectTool, SelectTool, AIToolMessage),
    QV_ROW(kSelectorAIDeselectTool, DeselectTool, AIToolMessage),
    QV_ROW(kSelectorAIReselectTool, ReselectTool, AIToolMessage),
    QV_ROW(kSelectorAIDecreaseDiameter, DecreaseDiameter, AIToolMessage),
    QV_ROW(kSelectorAIIncreaseDiameter, IncreaseDiameter, AIToolMessage),
};
// The scale row is tested before the colour-space row, though the class declares them the
// other way round.
const Row kLiveEffectRows[] = {
    QV_ROW("AI Live Effect Edit Parameters", EditLiveEffectParameters, void),
    QV_ROW("AI Live Effect Go Live", GoLiveEffect, void),
    QV_ROW("AI Live Effect Interpolate Parameters", LiveEffectInterpolate, void),
    QV_ROW("AI Live Effect Input Type", LiveEffectGetInputType, void),
    QV_ROW("AI Live Effect Scale Parameters", LiveEffectScaleParameters, void),
    QV_ROW("AI Live Effect Convert Color Space", LiveEffectConvertColorSpace, void),
    QV_ROW("AI Live Effect Adjust Colors", LiveEffectAdjustColors, void),
    QV_ROW("AI Live Effect Handle Merge", LiveEffectHandleMerge, void),
};
const Row kTimerRows[] = {QV_ROW("AI Go", GoTimer, void)};
const Row kClipboardRows[] = {
    QV_ROW("AI Go", GoClipboard, void),
    QV_ROW("AI Can Copy", CanCopyClipboard, void),
    QV_ROW("AI Clone", CloneClipboard, void),
    QV_ROW("AI Dispose", DisposeClipboard, void),
};
// The host spells these selectors "Woskspace".
const Row kWorkspaceRows[] = {
    QV_ROW("Write Woskspace", WorkspaceWrite, void),
    QV_ROW("Restore Woskspace", WorkspaceRestore, void),
    QV_ROW("Default Woskspace", WorkspaceDefault, void),
};

#undef QV_ROW

}  // namespace

ASErr Plugin::Message(const char* caller, const char* selector, void* message) {
  AcquireOptionalSuites();
  if (Is(caller, kSPAccessCaller)) return Dispatch(*this, kAccessRows, selector, message);
  if (Is(caller, kSPInterfaceCaller)) return Dispatch(*this, kInterfaceRows, selector, message);
  if (Is(caller, kSPCacheCaller)) return Dispatch(*this, kCacheRows, selector, message);
  if (Is(caller, kSPPropertiesCaller)) return Dispatch(*this, kPropertiesRows, selector, message);
  if (Is(caller, kCallerAINotify)) {
    auto* notifier = static_cast<AINotifierMessage*>(message);
    AppContext context(notifier->d.self);
    ASErr result = kUnhandledMsgErr;
    if (notifier->type != nullptr && Is(notifier->type, kAIApplicationStartedNotifier)) {
      result = PostStartupPlugin();
    }
    if ((result == kNoErr || result == kUnhandledMsgErr) && Is(selector, kSelectorAINotify)) {
      result = Notify(notifier);
    }
    return result;
  }
  if (Is(caller, "Action Manager")) return Dispatch(*this, kActionRows, selector, message);
  if (Is(caller, kCallerAIMenu)) return Dispatch(*this, kMenuRows, selector, message);
  if (Is(caller, "AI Filter")) return Dispatch(*this, kFilterRows, selector, message);
  if (Is(caller, "AI Plugin Group")) return Dispatch(*this, kPluginGroupRows, selector, message);
  if (Is(caller, "AI File Format")) return Dispatch(*this, kFileFormatRows, selector, message);
  if (Is(caller, kCallerAITool)) return Dispatch(*this, kToolRows, selector, message);
  if (Is(caller, "AI Live Effect")) return Dispatch(*this, kLiveEffectRows, selector, message);
  if (Is(caller, "AI Timer")) return Dispatch(*this, kTimerRows, selector, message);
  if (Is(caller, "AI Clipboard")) return Dispatch(*this, kClipboardRows, selector, message);
  if (Is(caller, "Workspace Manager")) return Dispatch(*this, kWorkspaceRows, selector, message);
  return kUnhandledMsgErr;
}

// Default answers of the handlers a module does not override.
ASErr Plugin::AcquireProperty(SPPropertiesMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::ReleaseProperty(SPPropertiesMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::Notify(AINotifierMessage*) { return kNoErr; }
ASErr Plugin::GoAction(void*) { return kNoErr; }
ASErr Plugin::GoMenuItem(AIMenuMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::UpdateMenuItem(AIMenuMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::GetFilterParameters(void*) { return kUnhandledMsgErr; }
ASErr Plugin::GoFilter(void*) { return kUnhandledMsgErr; }
ASErr Plugin::PluginGroupNotify(void*) { return kUnhandledMsgErr; }
ASErr Plugin::PluginGroupUpdate(void*) { return kUnhandledMsgErr; }
ASErr Plugin::GetFileFormatParameters(void*) { return kUnhandledMsgErr; }
ASErr Plugin::GoFileFormat(void*) { return kUnhandledMsgErr; }
ASErr Plugin::CheckFileFormat(void*) { return kUnhandledMsgErr; }
ASErr Plugin::FileFormatUpdate(void*) { return kUnhandledMsgErr; }
ASErr Plugin::SetFileFormatParameters(void*) { return kUnhandledMsgErr; }
ASErr Plugin::EditTool(AIToolMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::TrackToolCursor(AIToolMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::ToolMouseDown(AIToolMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::ToolMouseDrag(AIToolMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::ToolMouseUp(AIToolMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::SelectTool(AIToolMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::DeselectTool(AIToolMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::ReselectTool(AIToolMessage*) { return kNoErr; }
ASErr Plugin::DecreaseDiameter(AIToolMessage*) { return kNoErr; }
ASErr Plugin::IncreaseDiameter(AIToolMessage*) { return kNoErr; }
ASErr Plugin::EditLiveEffectParameters(void*) { return kUnhandledMsgErr; }
ASErr Plugin::GoLiveEffect(void*) { return kUnhandledMsgErr; }
ASErr Plugin::LiveEffectInterpolate(void*) { return kUnhandledMsgErr; }
ASErr Plugin::LiveEffectGetInputType(void*) { return kUnhandledMsgErr; }
ASErr Plugin::LiveEffectConvertColorSpace(void*) { return kUnhandledMsgErr; }
ASErr Plugin::LiveEffectScaleParameters(void*) { return kUnhandledMsgErr; }
ASErr Plugin::LiveEffectAdjustColors(void*) { return kUnhandledMsgErr; }
ASErr Plugin::LiveEffectHandleMerge(void*) { return kUnhandledMsgErr; }
ASErr Plugin::GoTimer(void*) { return kUnhandledMsgErr; }
ASErr Plugin::GoClipboard(void*) { return kUnhandledMsgErr; }
ASErr Plugin::CanCopyClipboard(void*) { return kUnhandledMsgErr; }
ASErr Plugin::CloneClipboard(void*) { return kUnhandledMsgErr; }
ASErr Plugin::DisposeClipboard(void*) { return kUnhandledMsgErr; }
ASErr Plugin::WorkspaceWrite(void*) { return kUnhandledMsgErr; }
ASErr Plugin::WorkspaceRestore(void*) { return kUnhandledMsgErr; }
ASErr Plugin::WorkspaceDefault(void*) { return kUnhandledMsgErr; }
