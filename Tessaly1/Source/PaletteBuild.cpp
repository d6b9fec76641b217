// The init procedure of the options palette: the first-time step of the option model, then
// every section built into the empty template, tools 1 to 12 hidden, and the enabled states
// of the colour spin edits set. Touches the new palette and the option variables.
#include <algorithm>

#include "PaletteItems.hpp"
#include "SuitePointers.hpp"

namespace ornix {

namespace {
constexpr int32_t kPaletteWidth = 330;
constexpr int32_t kPaletteHeight = 430;
}  // namespace

ADMErr ToolPluginInitProc0(ADMDialogRef dialog) {
  using namespace palette;
  if (firsttime != kDefaultsStored) {
    StoreDefaults();
    currenttool = kGridTool;
    positionset = false;
    firsttime = kDefaultsStored;
  }
  // The palette being built is the one to show again: an earlier one belonged to an earlier
  // plug-in object.
  dialogref = dialog;

  // The swatch spin edits run from 0 to the number of swatches the document has now.
  const int32_t swatchCount = std::max(0, sAISwatchList->CountSwatches(nullptr));
  if (positionset) sADMDialog->SetBoundsRect(dialog, &dialogposition);
  sADMDialog->Size(dialog, kPaletteWidth, kPaletteHeight);

  for (int32_t tool = 0; tool < kToolCount; ++tool) {
    for (const Item& item : kToolSections[tool]->items) {
      ADMItemRef control = BuildItem(dialog, item, swatchCount);
      if (control != nullptr && tool != kGridTool) sADMItem->Show(control, false);
    }
  }
  for (const Item& item : kCommonSection.items) BuildItem(dialog, item, swatchCount);
  BuildItem(dialog, kResetButton, swatchCount);
  BuildItem(dialog, kToolPopup, swatchCount);

  if (ADMItemRef fill = sADMDialog->GetItem(dialog, kFillPopupID)) {
    sADMItem->SendNotify(fill, kADMUserChangedNotifier);
  }
  return kNoErr;
}

}  // namespace ornix
