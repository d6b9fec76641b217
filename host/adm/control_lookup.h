// How a person names the controls of a dialog: a checkbox or push button by its own text, a
// spin edit or popup by the label on its row, a popup also by one of its entries. Reads the
// dialog manager only.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "adm/dialog_manager.h"

namespace qv::host::adm {

// A text as a person reads it: without surrounding blanks and without a trailing colon.
std::string readableText(std::string_view text);

// The spin edit or popup that label item `label` names: on the label's row (same top) and to
// the right of its left edge. Controls as visible as the label come first, then the nearest,
// then the one made nearest in creation order to the label (so that sections laid over each
// other pair up). Null when there is none or `label` is no label.
ADMItemRef controlOfLabel(const DialogManager& manager, ADMItemRef label);

// The text a person reads for an item: its own for a label, checkbox or push button; the text
// of the label that names it for a spin edit or popup; "" when nothing names it.
std::string labelOf(const DialogManager& manager, ADMItemRef item);

// Every control that `name` (read as readableText) can mean in `dialog`, once each, in the
// order of the items that name them:
// checkboxes and push buttons with that text and the controls named by labels with that text;
// when there is none of those, the popups holding an entry with that text. Empty for an empty
// name.
std::vector<ADMItemRef> controlsNamed(const DialogManager& manager, ADMDialogRef dialog,
                                      std::string_view name);

}  // namespace qv::host::adm
