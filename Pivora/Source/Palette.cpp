// The options dialog as data (one record per control, in creation order) and its two
// procedures. Touches the dialog's items through the dialog manager suites and the option
// variables the records name.
#include "Palette.hpp"

#include "Options.hpp"
#include "SuitePointers.hpp"

namespace pivora {

namespace {

constexpr int32_t kDialogWidth = 260;
constexpr int32_t kDialogHeight = 317;
constexpr int32_t kPlainNumber = 0;
constexpr int32_t kDecimalPlaces = 2;
constexpr int32_t kModePopupID = 12;
constexpr int32_t kLockedID = 3;

// The drag modes, entry ID = position = mode.
constexpr const char* kModeEntries[] = {
    " Direction points drag (start, cursor)",
    " Direction points drag (cursor)",
    " Anchor points drag (cursor)",
    " Anchor points add (cursor)",
    " Direction points add (cursor)",
    " Direction points factor (cursor)",
    " Anchor points drag (cursor, corner)",
    " Anchor points drag (cursor, document center)",
    " Direction points drag (cursor, corner)",
    " Direction points drag (cursor, document center)",
    " Direction points drag (cursor, start)",
};

enum class Kind { Popup, Label, SpinEdit, CheckBox };

struct Control {
  int32_t id;
  Kind kind;
  ADMRect bounds;
  const char* text = nullptr;  // labels and checkboxes
  bool* flag = nullptr;        // checkboxes
  float* number = nullptr;     // spin edits
  float minimum = 0;
  float maximum = 0;
};

constexpr Control Label(int32_t id, ADMRect bounds, const char* text) {
  return {.id = id, .kind = Kind::Label, .bounds = bounds, .text = text};
}
constexpr Control Spin(int32_t id, ADMRect bounds, float& value, float maximum) {
  return {.id = id, .kind = Kind::SpinEdit, .bounds = bounds, .number = &value, .maximum = maximum};
}
constexpr Control Check(int32_t id, ADMRect bounds, const char* text, bool& value) {
  return {.id = id, .kind = Kind::CheckBox, .bounds = bounds, .text = text, .flag = &value};
}

const Control kControls[] = {
    {.id = kModePopupID, .kind = Kind::Popup, .bounds = {10, 10, 250, 30}},
    Label(14, {10, 35, 185, 55}, "Interpolate in"),
    Label(15, {10, 58, 185, 78}, "Interpolate out"),
    Label(16, {10, 81, 185, 101}, "Interpolate point"),
    Label(22, {10, 104, 185, 124}, "Limit direction(p)"),
    Spin(18, {190, 35, 250, 55}, interpolateinvalue, 100),
    Spin(19, {190, 58, 250, 78}, interpolateoutvalue, 100),
    Spin(20, {190, 81, 250, 101}, interpolatepointvalue, 100),
    Spin(21, {190, 104, 250, 124}, limitdirectionvalue, 20000),
    Check(kLockedID, {10, 128, 110, 142}, "Locked", lockedvalue),
    Check(4, {113, 128, 213, 142}, "Drag or not", dragornotvalue),
    Check(6, {10, 145, 110, 159}, "Pre-swap", preswapvalue),
    Check(5, {113, 145, 213, 159}, "Swap in/out", swapinoutvalue),
    Check(8, {10, 162, 110, 176}, "Horizontal", horizontalvalue),
    Check(9, {113, 162, 213, 176}, "Vertical", verticalvalue),
    Check(10, {10, 179, 110, 193}, "In component", incomponentvalue),
    Check(11, {113, 179, 213, 193}, "Out component", outcomponentvalue),
    Check(7, {10, 196, 110, 210}, "Alternating", alternatingvalue),
    Check(26, {113, 196, 213, 210}, "Anchor (R)", anchorrandomvalue),
    Check(28, {10, 213, 110, 227}, "Type/Point (R)", typepointrandomvalue),
    Check(27, {113, 213, 213, 227}, "Type/path (R)", typepathrandomvalue),
    Check(17, {10, 230, 110, 244}, "Pressure", pressurevalue),
    Check(23, {113, 230, 213, 244}, "Trail/trace", trailvalue),
    Check(24, {10, 247, 110, 261}, "Trail/new layer", traillayervalue),
    Check(25, {113, 247, 213, 261}, "Trail/beneath", trailbeneathvalue),
    Check(29, {10, 264, 110, 278}, "Fill (R)", fillrandomvalue),
    Check(30, {113, 264, 213, 278}, "Fill swatch (R)", fillswatchrandomvalue),
    Check(31, {10, 281, 110, 295}, "Stroke (R)", strokerandomvalue),
    Check(32, {113, 281, 213, 295}, "Stroke swatch (R)", strokeswatchrandomvalue),
    Check(33, {10, 298, 110, 312}, "Weight (R)", weightrandomvalue),
    Check(34, {113, 298, 213, 312}, "Opacity (R)", opacityrandomvalue),
};

// The order in which the notify procedure reads the controls back.
constexpr int32_t kReadOrder[] = {kModePopupID, 3,  4,  6,  5,  7,  8,  9,  10, 17, 11, 23, 25, 26,
                                  24,           27, 28, 33, 34, 29, 30, 31, 32, 18, 19, 20, 21};

const Control* Find(int32_t id) {
  for (const Control& control : kControls) {
    if (control.id == id) return &control;
  }
  return nullptr;
}

const char* TypeName(Kind kind) {
  switch (kind) {
    case Kind::Popup:
      return kADMPopupListType;
    case Kind::Label:
      return kADMTextStaticType;
    case Kind::SpinEdit:
      return kADMSpinEditType;
    case Kind::CheckBox:
      return kADMTextCheckBoxType;
  }
  return kADMTextStaticType;
}

void FillModePopup(ADMItemRef popup) {
  ADMListRef list = sADMItem->GetList(popup);
  if (list == nullptr) return;
  int32_t position = 0;
  for (const char* text : kModeEntries) {
    if (ADMEntryRef entry = sADMList->InsertEntry(list, position)) {
      sADMEntry->SetText(entry, text);
      sADMEntry->SetID(entry, position);
    }
    ++position;
  }
  if (ADMEntryRef active = sADMList->IndexEntry(list, dragmode)) sADMEntry->Select(active, true);
}

void Build(ADMDialogRef dialog, const Control& control) {
  ADMItemRef item = sADMDialog->CreateItem(dialog, control.id, TypeName(control.kind),
                                           &control.bounds, nullptr, nullptr, 0);
  if (item == nullptr) return;
  switch (control.kind) {
    case Kind::Popup:
      FillModePopup(item);
      break;
    case Kind::Label:
      sADMItem->SetText(item, control.text);
      return;
    case Kind::SpinEdit:
      sADMItem->SetUnits(item, kPlainNumber);
      sADMItem->SetMinFloatValue(item, control.minimum);
      sADMItem->SetMaxFloatValue(item, control.maximum);
      sADMItem->SetFloatValue(item, *control.number);
      sADMItem->SetPrecision(item, kDecimalPlaces);
      break;
    case Kind::CheckBox:
      sADMItem->SetBooleanValue(item, *control.flag);
      sADMItem->SetText(item, control.text);
      break;
  }
  sADMItem->SetNotifyProc(item, OptionsNotifyProc);
}

void Read(ADMItemRef item, const Control& control) {
  switch (control.kind) {
    case Kind::Popup: {
      ADMListRef list = sADMItem->GetList(item);
      ADMEntryRef active = list != nullptr ? sADMList->GetActiveEntry(list) : nullptr;
      if (active != nullptr) dragmode = sADMEntry->GetID(active);
      break;
    }
    case Kind::SpinEdit:
      *control.number = sADMItem->GetFloatValue(item);
      break;
    case Kind::CheckBox:
      *control.flag = sADMItem->GetBooleanValue(item);
      break;
    case Kind::Label:
      break;
  }
}

}  // namespace

ADMErr OptionsInitProc(ADMDialogRef dialog) {
  sADMDialog->Size(dialog, kDialogWidth, kDialogHeight);
  if (firsttime != kDefaultsStored) StoreDefaults();
  firsttime = kDefaultsStored;
  for (const Control& control : kControls) Build(dialog, control);
  // The two final calls on "Locked", the first with true, the second with none. This dialog
  // manager has no keyboard focus or selection to give the box, so they enable it (as it
  // already is) and read that state back; neither changes what the dialog shows.
  if (ADMItemRef locked = sADMDialog->GetItem(dialog, kLockedID)) {
    sADMItem->Enable(locked, true);
    sADMItem->IsEnabled(locked);
  }
  return kNoErr;
}

void OptionsNotifyProc(ADMItemRef item, ADMNotifierRef notifier) {
  ADMDialogRef dialog = sADMItem->GetDialog(item);
  sADMItem->DefaultNotify(item, notifier);
  if (dialog == nullptr) return;
  for (const int32_t id : kReadOrder) {
    const Control* control = Find(id);
    if (control == nullptr) continue;
    if (ADMItemRef found = sADMDialog->GetItem(dialog, id)) Read(found, *control);
  }
}

}  // namespace pivora
