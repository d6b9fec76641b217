// What a front end shows of a dialog: a copy of its state and of every item's, in creation
// order, with the text a person reads for each item and the entries of popups. Reads the dialog
// manager only.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "adm/dialog_manager.h"

namespace qv::host::adm {

struct EntryView {
  int32_t id = 0;
  std::string text;
  bool selected = false;
};

struct ItemView {
  ADMItemRef handle = nullptr;
  Item item;
  std::string label;               // see labelOf
  std::vector<EntryView> entries;  // popups: in position order
};

struct DialogView {
  ADMDialogRef handle = nullptr;
  Dialog dialog;
  std::vector<ItemView> items;  // in creation order
};

// nullopt for a handle that is no dialog.
std::optional<DialogView> describeDialog(const DialogManager& manager, ADMDialogRef dialog);

}  // namespace qv::host::adm
