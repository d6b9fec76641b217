// A test-only module for the dialog manager, built from the framework. Selecting its tool makes
// its palette once, from dialog template 16201: a label and an integer spin edit on one row, a
// label and a decimal spin edit (2 places) on the next, a popup of three entries, a checkbox, a
// push button and a report label. Every procedure first asks for the default handling, then
// writes what it read into the report label (item 312) and traces it as an about alert titled
// "palette":
//   spin edits and the popup  "<id>: <value>" (the popup: its selected entry's ID and text)
//   checkbox "Mirror"         "23: on" or "23: off", and hides the Scale row while it is on
//   push button "Reset"       sets Columns to its minimum, sends Columns a notification (whose
//                             report comes at once) and reports "24: after <that report>"
// Touches the host only through the ADM suites.
#include <cstdio>
#include <cstring>
#include <new>

#include "Plugin.hpp"
#include "SuitePointers.hpp"
#include "Suites.hpp"

const AIUnicodeStringSuite* sAIUnicodeString = nullptr;
const AIPluginSuite* sAIPlugin = nullptr;
const ADMDialogSuite* sADMDialog = nullptr;
const ADMItemSuite* sADMItem = nullptr;
const ADMListSuite* sADMList = nullptr;
const ADMEntrySuite* sADMEntry = nullptr;

ImportSuite gImportSuites[] = {
    {kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion, SuiteSlot(&sAIUnicodeString)},
    {kAIPluginSuite, kAIPluginSuiteVersion, SuiteSlot(&sAIPlugin)},
    {kADMDialogSuite, kADMDialogSuiteVersion, SuiteSlot(&sADMDialog)},
    {kADMItemSuite, kADMItemSuiteVersion, SuiteSlot(&sADMItem)},
    {kADMListSuite, kADMListSuiteVersion, SuiteSlot(&sADMList)},
    {kADMEntrySuite, kADMEntrySuiteVersion, SuiteSlot(&sADMEntry)},
    {nullptr, 0, nullptr},
};

namespace {

constexpr int32_t kPaletteID = 16201;
enum : int32_t {
  kColumns = 20,
  kScale = 21,
  kColour = 22,
  kMirror = 23,
  kReset = 24,
  kColumnsLabel = 310,
  kScaleLabel = 311,
  kReport = 312,
};
constexpr int32_t kColumnsMin = 1;

void Report(ADMItemRef item, const char* text) {
  sADMItem->SetText(sADMDialog->GetItem(sADMItem->GetDialog(item), kReport), text);
  sADMBasic->AboutAlert("palette", text);
}

void ValueProc(ADMItemRef item, ADMNotifierRef notifier) {
  sADMItem->DefaultNotify(item, notifier);
  const int32_t id = sADMItem->GetID(item);
  char text[96] = "";
  if (id == kScale) {
    std::snprintf(text, sizeof text, "%d: %.2f", id,
                  static_cast<double>(sADMItem->GetFloatValue(item)));
  } else if (id == kColour) {
    const ADMEntryRef entry = sADMList->GetActiveEntry(sADMItem->GetList(item));
    char entryText[32] = "";
    sADMEntry->GetText(entry, entryText, sizeof entryText);
    std::snprintf(text, sizeof text, "%d: %d%s", id, sADMEntry->GetID(entry), entryText);
  } else {
    std::snprintf(text, sizeof text, "%d: %d", id, sADMItem->GetIntValue(item));
  }
  Report(item, text);
}

void MirrorProc(ADMItemRef item, ADMNotifierRef notifier) {
  sADMItem->DefaultNotify(item, notifier);
  const ASBoolean on = sADMItem->GetBooleanValue(item);
  const ADMDialogRef dialog = sADMItem->GetDialog(item);
  sADMItem->Show(sADMDialog->GetItem(dialog, kScaleLabel), !on);
  sADMItem->Show(sADMDialog->GetItem(dialog, kScale), !on);
  Report(item, on ? "23: on" : "23: off");
}

void ResetProc(ADMItemRef item, ADMNotifierRef notifier) {
  sADMItem->DefaultNotify(item, notifier);
  const ADMDialogRef dialog = sADMItem->GetDialog(item);
  const ADMItemRef columns = sADMDialog->GetItem(dialog, kColumns);
  sADMItem->SetIntValue(columns, kColumnsMin);
  sADMItem->SendNotify(columns, kADMUserChangedNotifier);
  char nested[64] = "";
  sADMItem->GetText(sADMDialog->GetItem(dialog, kReport), nested, sizeof nested);
  char text[96] = "";
  std::snprintf(text, sizeof text, "24: after %s", nested);
  Report(item, text);
}

ADMItemRef Make(ADMDialogRef dialog, int32_t id, const char* type, ADMRect rect,
                ADMItemNotifyProc proc) {
  const ADMItemRef item = sADMDialog->CreateItem(dialog, id, type, &rect, nullptr, nullptr, 0);
  if (proc != nullptr) sADMItem->SetNotifyProc(item, proc);
  return item;
}

ADMItemRef MakeText(ADMDialogRef dialog, int32_t id, const char* type, ADMRect rect,
                    const char* text, ADMItemNotifyProc proc) {
  const ADMItemRef item = Make(dialog, id, type, rect, proc);
  sADMItem->SetText(item, text);
  return item;
}

ADMErr PaletteInit(ADMDialogRef dialog) {
  sADMDialog->Size(dialog, 330, 200);
  MakeText(dialog, kColumnsLabel, kADMTextStaticType, {10, 10, 185, 30}, "Columns:", nullptr);
  const ADMItemRef columns =
      Make(dialog, kColumns, kADMSpinEditType, {190, 10, 250, 30}, ValueProc);
  sADMItem->SetUnits(columns, 0);
  sADMItem->SetMinIntValue(columns, kColumnsMin);
  sADMItem->SetMaxIntValue(columns, 10);
  sADMItem->SetIntValue(columns, 3);

  MakeText(dialog, kScaleLabel, kADMTextStaticType, {10, 32, 185, 52}, "Scale", nullptr);
  const ADMItemRef scale = Make(dialog, kScale, kADMSpinEditType, {190, 32, 250, 52}, ValueProc);
  sADMItem->SetUnits(scale, 0);
  sADMItem->SetMinFloatValue(scale, 0.5f);
  sADMItem->SetMaxFloatValue(scale, 2.5f);
  sADMItem->SetFloatValue(scale, 1.25f);
  sADMItem->SetPrecision(scale, 2);

  const ADMItemRef colour = Make(dialog, kColour, kADMPopupListType, {10, 54, 160, 74}, ValueProc);
  const char* const colours[] = {" Red", " Green", " Blue"};
  const ADMListRef list = sADMItem->GetList(colour);
  for (int32_t k = 0; k < 3; ++k) {
    const ADMEntryRef entry = sADMList->InsertEntry(list, k);
    sADMEntry->SetText(entry, colours[k]);
    sADMEntry->SetID(entry, k);
  }
  sADMEntry->Select(sADMList->IndexEntry(list, 1), true);

  MakeText(dialog, kMirror, kADMTextCheckBoxType, {10, 80, 110, 94}, "Mirror", MirrorProc);
  MakeText(dialog, kReset, kADMTextPushButtonType, {10, 100, 90, 120}, "Reset", ResetProc);
  MakeText(dialog, kReport, kADMTextStaticType, {10, 130, 320, 150}, "", nullptr);
  return kNoErr;
}

class MultiArrowToolPlugin : public Plugin {
 public:
  explicit MultiArrowToolPlugin(SPPluginRef ref) : Plugin(ref), palette(nullptr) {
    std::strcpy(pluginName, "QVTest_Palette");
  }
  explicit MultiArrowToolPlugin(NoInit noInit) : Plugin(noInit) {}

  ASErr Message(const char* caller, const char* selector, void* message) override {
    return GuardedMessage(caller, selector, message);
  }
  ASErr SelectTool(AIToolMessage*) override {
    if (palette == nullptr) {
      palette = sADMDialog->Create(pluginRef, "QVTest_Palette", kPaletteID, kADMFloatingDialogStyle,
                                   PaletteInit, nullptr, 0);
    }
    return kNoErr;
  }

 private:
  ADMDialogRef palette;
};

}  // namespace

Plugin* AllocatePlugin(SPPluginRef pluginRef) { return new MultiArrowToolPlugin(pluginRef); }

void FixupReload(Plugin* plugin) {
  ::new (static_cast<void*>(plugin)) MultiArrowToolPlugin(Plugin::NoInit{});
}
