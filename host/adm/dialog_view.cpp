// Snapshots of a dialog for the front end.
#include "adm/dialog_view.h"

#include "adm/control_lookup.h"

namespace qv::host::adm {

std::optional<DialogView> describeDialog(const DialogManager& manager, ADMDialogRef dialog) {
  const Dialog* found = manager.dialog(dialog);
  if (found == nullptr) return std::nullopt;
  DialogView view{dialog, *found, {}};
  for (ADMItemRef item : found->items) {
    ItemView itemView{item, *manager.item(item), labelOf(manager, item), {}};
    if (const EntryList* list = manager.list(itemView.item.list)) {
      for (ADMEntryRef entry : list->entries) {
        const Entry& e = *manager.entry(entry);
        itemView.entries.push_back(EntryView{e.id, e.text, list->active == entry});
      }
    }
    view.items.push_back(std::move(itemView));
  }
  return view;
}

}  // namespace qv::host::adm
