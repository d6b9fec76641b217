// The notify procedures of the options palette: the update procedure that copies the whole
// palette into the option variables, the tool popup, the colour popups and Reset. Touches the
// palette's items and the option variables; reports nothing and throws nothing.
#include "PaletteItems.hpp"
#include "SuitePointers.hpp"

namespace ornix {

namespace {

using palette::Item;
using palette::Section;

// The colour modes that take a swatch number: " To swatch", " Alternate swatch".
bool UsesSwatch(int32_t mode) { return mode == 6 || mode == 11; }
// The colour modes that take a value: the fades to white, black, swatch, half and inverse.
bool UsesValue(int32_t mode) {
  switch (mode) {
    case 1:
    case 2:
    case 5:
    case 6:
    case 7:
    case 8:
    case 13:
      return true;
    default:
      return false;
  }
}

template <typename Step>
void ForEachControl(ADMDialogRef dialog, const Section& section, Step step) {
  for (const Item& item : section.items) {
    if (ADMItemRef control = sADMDialog->GetItem(dialog, item.id)) step(control, item);
  }
}

// Every section whose controls hold options, the common one first.
template <typename Step>
void ForEachOptionControl(ADMDialogRef dialog, Step step) {
  ForEachControl(dialog, palette::kCommonSection, step);
  for (const Section* section : palette::kToolSections) ForEachControl(dialog, *section, step);
}

void Enable(ADMDialogRef dialog, int32_t id, bool enable) {
  if (ADMItemRef control = sADMDialog->GetItem(dialog, id)) sADMItem->Enable(control, enable);
}

void Notify(ADMDialogRef dialog, int32_t id) {
  if (ADMItemRef control = sADMDialog->GetItem(dialog, id)) {
    sADMItem->SendNotify(control, kADMUserChangedNotifier);
  }
}

void ReadPopup(ADMDialogRef dialog, int32_t id, int32_t& value) {
  if (ADMItemRef popup = sADMDialog->GetItem(dialog, id)) palette::SelectedEntryID(popup, value);
}

}  // namespace

void ToolDlgOKButtonProc0(ADMItemRef item, ADMNotifierRef notifier) {
  sADMItem->DefaultNotify(item, notifier);
  ADMDialogRef dialog = sADMItem->GetDialog(item);
  if (dialog == nullptr) return;
  ADMRect bounds = dialogposition;
  sADMDialog->GetBoundsRect(dialog, &bounds);
  dialogposition = bounds;
  positionset = true;
  ForEachOptionControl(dialog, palette::ReadValue);
}

void enabled(ADMItemRef item, ADMNotifierRef notifier) {
  sADMItem->DefaultNotify(item, notifier);
  ADMDialogRef dialog = sADMItem->GetDialog(item);
  if (dialog == nullptr) return;
  int32_t tool = currenttool;
  if (palette::SelectedEntryID(item, tool) && tool >= 0 && tool < kToolCount) currenttool = tool;
  for (const Section* section : palette::kToolSections) {
    palette::ShowSection(dialog, *section, false);
  }
  const Section& shown = *palette::kToolSections[currenttool];
  sADMDialog->SetText(dialog, shown.title);
  palette::ShowSection(dialog, shown, true);
}

void colorchange(ADMItemRef item, ADMNotifierRef notifier) {
  sADMItem->DefaultNotify(item, notifier);
  ADMDialogRef dialog = sADMItem->GetDialog(item);
  if (dialog == nullptr) return;
  ReadPopup(dialog, palette::kFillPopupID, filloptions);
  ReadPopup(dialog, palette::kStrokePopupID, strokeoptions);
  Enable(dialog, palette::kFillSwatchID, UsesSwatch(filloptions));
  Enable(dialog, palette::kStrokeSwatchID, UsesSwatch(strokeoptions));
  Enable(dialog, palette::kFillValueID, UsesValue(filloptions));
  Enable(dialog, palette::kStrokeValueID, UsesValue(strokeoptions));
}

void ToolDlgResetButtonProc(ADMItemRef item, ADMNotifierRef notifier) {
  sADMItem->DefaultNotify(item, notifier);
  ADMDialogRef dialog = sADMItem->GetDialog(item);
  if (dialog == nullptr) return;
  StoreDefaults();
  ForEachOptionControl(dialog, palette::ShowValue);
  // The colour spin edits follow the restored colour options; the update procedure behind
  // "Layer" then reads the restored palette back and saves its bounds.
  Notify(dialog, palette::kFillPopupID);
  Notify(dialog, palette::kLayerCheckID);
}

}  // namespace ornix
