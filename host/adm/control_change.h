// Changing a control as a person would: the front end's way to touch a module's dialog. Finds
// the control by item ID or by the text a person reads (control_lookup.h), refuses what a
// person could not do (no such control, a hidden dialog or control, a disabled one, a label, a
// popup entry that is not in the list, an input of the wrong kind) with nothing changed, sets
// what a person would see, then sends "ADM User Changed Notifier" to the item so that the
// module's procedure runs at once. Runs module code.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "ADMTypes.h"

namespace qv::host {
class Host;
}

namespace qv::host::adm {

// Which control: its item ID, or the text a person reads for it.
using ControlRef = std::variant<int32_t, std::string>;

// What a person does: press (a push button), type a number (a spin edit; for a popup, the ID of
// the entry to pick), tick or clear (a checkbox), or pick the entry with that text (a popup).
using ControlInput = std::variant<std::monostate, double, bool, std::string>;

struct ChangeResult {
  ADMItemRef item = nullptr;  // the control that was found, when one was
  std::string error;          // why nothing changed, naming the control; empty on success
  bool ok() const { return error.empty(); }
};

// A number typed into a spin edit is rounded to the item's decimal places and clamped to its
// range, as the field would show it.
ChangeResult changeControl(Host& host, ADMDialogRef dialog, const ControlRef& control,
                           const ControlInput& input);

}  // namespace qv::host::adm
