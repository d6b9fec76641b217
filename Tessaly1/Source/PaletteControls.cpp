// The item-level steps of the options palette: the build recipe of each kind of item, and the
// moves of a value between a control and its option variable. Touches the palette's items
// (through the dialog manager suites) and the variables the item records name.
#include <cstdio>

#include "PaletteItems.hpp"
#include "SuitePointers.hpp"

namespace ornix::palette {

const Section* const kToolSections[kToolCount] = {
    &kGridSection,      &kDragSection,         &kSoftCenterSection, &kFramedSection,
    &kRimRandomSection, &kWindmillSection,     &kScaledownSection,  &kBouncealongSection,
    &kSpiralSection,    &kCheckerboardSection, &kPaintSection,      &kBasicTileSection,
    &kBackgroundSection};

namespace {

// Spin edits show plain numbers, no unit.
constexpr int32_t kPlainNumber = 0;
constexpr int32_t kDecimalPlaces = 2;

const char* TypeName(Kind kind) {
  switch (kind) {
    case Kind::Label:
      return kADMTextStaticType;
    case Kind::IntegerSpin:
    case Kind::SwatchSpin:
    case Kind::DecimalSpin:
      return kADMSpinEditType;
    case Kind::Popup:
      return kADMPopupListType;
    case Kind::CheckBox:
      return kADMTextCheckBoxType;
    case Kind::PushButton:
      return kADMTextPushButtonType;
  }
  return kADMTextStaticType;
}

// Entry k at position k with ID k, so that a popup's value is the position of its entry.
void InsertEntry(ADMListRef list, int32_t position, const char* text) {
  ADMEntryRef entry = sADMList->InsertEntry(list, position);
  if (entry == nullptr) return;
  sADMEntry->SetText(entry, text);
  sADMEntry->SetID(entry, position);
}

void InsertEntries(ADMItemRef popup, std::span<const EntryRun> runs) {
  ADMListRef list = sADMItem->GetList(popup);
  if (list == nullptr) return;
  int32_t position = 0;
  for (const EntryRun& run : runs) {
    if (!run.list.empty()) {
      for (const char* text : run.list) InsertEntry(list, position++, text);
    } else if (run.numbered()) {
      for (int32_t n = run.first; n <= run.last; ++n) {
        char text[64];
        std::snprintf(text, sizeof text, "%s%d%s", run.text, static_cast<int>(n), run.suffix);
        InsertEntry(list, position++, text);
      }
    } else {
      InsertEntry(list, position++, run.text);
    }
  }
}

}  // namespace

ADMItemRef BuildItem(ADMDialogRef dialog, const Item& item, int32_t swatchCount) {
  ADMItemRef control = sADMDialog->CreateItem(dialog, item.id, TypeName(item.kind), &item.bounds,
                                              nullptr, nullptr, 0);
  if (control == nullptr) return nullptr;
  switch (item.kind) {
    case Kind::Label:
    case Kind::PushButton:
      sADMItem->SetText(control, item.text);
      break;
    case Kind::IntegerSpin:
    case Kind::SwatchSpin:
      sADMItem->SetUnits(control, kPlainNumber);
      sADMItem->SetMinIntValue(control, static_cast<int32_t>(item.minimum));
      sADMItem->SetMaxIntValue(control, item.kind == Kind::SwatchSpin
                                            ? swatchCount
                                            : static_cast<int32_t>(item.maximum));
      ShowValue(control, item);
      break;
    case Kind::DecimalSpin:
      sADMItem->SetUnits(control, kPlainNumber);
      sADMItem->SetMinFloatValue(control, item.minimum);
      sADMItem->SetMaxFloatValue(control, item.maximum);
      ShowValue(control, item);
      sADMItem->SetPrecision(control, kDecimalPlaces);
      break;
    case Kind::Popup:
      InsertEntries(control, item.entries);
      ShowValue(control, item);
      break;
    case Kind::CheckBox:
      ShowValue(control, item);
      sADMItem->SetText(control, item.text);
      break;
  }
  if (item.notify != nullptr) sADMItem->SetNotifyProc(control, item.notify);
  return control;
}

void ShowValue(ADMItemRef control, const Item& item) {
  switch (item.kind) {
    case Kind::IntegerSpin:
    case Kind::SwatchSpin:
      sADMItem->SetIntValue(control, *item.integer);
      break;
    case Kind::DecimalSpin:
      sADMItem->SetFloatValue(control, *item.decimal);
      break;
    case Kind::CheckBox:
      sADMItem->SetBooleanValue(control, *item.flag);
      break;
    case Kind::Popup:
      if (ADMListRef list = sADMItem->GetList(control)) {
        if (ADMEntryRef entry = sADMList->IndexEntry(list, *item.integer)) {
          sADMEntry->Select(entry, true);
        }
      }
      break;
    case Kind::Label:
    case Kind::PushButton:
      break;
  }
}

void ReadValue(ADMItemRef control, const Item& item) {
  switch (item.kind) {
    case Kind::IntegerSpin:
    case Kind::SwatchSpin:
      *item.integer = sADMItem->GetIntValue(control);
      break;
    case Kind::DecimalSpin:
      *item.decimal = sADMItem->GetFloatValue(control);
      break;
    case Kind::CheckBox:
      *item.flag = sADMItem->GetBooleanValue(control) != 0;
      break;
    case Kind::Popup:
      SelectedEntryID(control, *item.integer);
      break;
    case Kind::Label:
    case Kind::PushButton:
      break;
  }
}

bool SelectedEntryID(ADMItemRef popup, int32_t& id) {
  ADMListRef list = sADMItem->GetList(popup);
  if (list == nullptr) return false;
  ADMEntryRef entry = sADMList->GetActiveEntry(list);
  if (entry == nullptr) return false;
  id = sADMEntry->GetID(entry);
  return true;
}

void ShowSection(ADMDialogRef dialog, const Section& section, bool show) {
  for (const Item& item : section.items) {
    if (ADMItemRef control = sADMDialog->GetItem(dialog, item.id)) sADMItem->Show(control, show);
  }
}

}  // namespace ornix::palette
