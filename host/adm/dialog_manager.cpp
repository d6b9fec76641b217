// The dialog manager's store: adding and removing dialogs, items and entries, selection, and
// lookups by ID and owner.
#include "adm/dialog_manager.h"

#include <algorithm>
#include <utility>

namespace qv::host::adm {

ADMDialogRef DialogManager::addDialog(Dialog dialog) {
  dialog.items.clear();
  return dialogs_.add(std::move(dialog));
}

ADMItemRef DialogManager::addItem(ADMDialogRef dialog, Item item) {
  if (dialogs_.find(dialog) == nullptr || itemWithId(dialog, item.id) != nullptr) return nullptr;
  item.dialog = dialog;
  item.list = nullptr;
  const ItemKind kind = item.kind;
  const ADMItemRef handle = items_.add(std::move(item));
  if (kind == ItemKind::Popup) items_.find(handle)->list = lists_.add(EntryList{handle, {}, {}});
  dialogs_.find(dialog)->items.push_back(handle);
  return handle;
}

ADMEntryRef DialogManager::insertEntry(ADMListRef list, int32_t position) {
  EntryList* found = lists_.find(list);
  if (found == nullptr || position < 0 ||
      static_cast<std::size_t>(position) > found->entries.size()) {
    return nullptr;
  }
  const ADMEntryRef handle = entries_.add(Entry{list, position, {}});
  found->entries.insert(found->entries.begin() + position, handle);
  return handle;
}

void DialogManager::select(ADMEntryRef entry, bool selected) {
  const Entry* found = entries_.find(entry);
  if (found == nullptr) return;
  EntryList& list = *lists_.find(found->list);
  if (selected) {
    list.active = entry;
  } else if (list.active == entry) {
    list.active = nullptr;
  }
}

void DialogManager::removeItem(ADMItemRef item) {
  const Item* found = items_.find(item);
  if (found == nullptr) return;
  if (const EntryList* list = lists_.find(found->list)) {
    for (ADMEntryRef entry : list->entries) entries_.erase(entry);
    lists_.erase(found->list);
  }
  if (Dialog* dialog = dialogs_.find(found->dialog)) std::erase(dialog->items, item);
  items_.erase(item);
}

void DialogManager::removeDialog(ADMDialogRef dialog) {
  Dialog* found = dialogs_.find(dialog);
  if (found == nullptr) return;
  // Copied: removeItem edits the dialog's list of items.
  const std::vector<ADMItemRef> items = found->items;
  for (ADMItemRef item : items) removeItem(item);
  dialogs_.erase(dialog);
}

void DialogManager::removeOwnedBy(const PluginModule* owner) {
  for (ADMDialogRef dialog : dialogsOf(owner)) removeDialog(dialog);
}

PluginModule* DialogManager::ownerOf(ADMItemRef item) const {
  const Item* found = items_.find(item);
  return found == nullptr ? nullptr : dialogs_.find(found->dialog)->owner;
}

PluginModule* DialogManager::ownerOf(ADMListRef list) const {
  const EntryList* found = lists_.find(list);
  return found == nullptr ? nullptr : ownerOf(found->item);
}

PluginModule* DialogManager::ownerOf(ADMEntryRef entry) const {
  const Entry* found = entries_.find(entry);
  return found == nullptr ? nullptr : ownerOf(found->list);
}

ADMItemRef DialogManager::itemWithId(ADMDialogRef dialog, int32_t id) const {
  const Dialog* found = dialogs_.find(dialog);
  if (found == nullptr) return nullptr;
  const auto it = std::find_if(found->items.begin(), found->items.end(),
                               [this, id](ADMItemRef item) { return items_.find(item)->id == id; });
  return it == found->items.end() ? nullptr : *it;
}

std::vector<ADMDialogRef> DialogManager::dialogsOf(const PluginModule* owner) const {
  // Handles grow with each one handed out, so the table's order is the creation order.
  std::vector<ADMDialogRef> owned;
  for (const auto& [handle, dialog] : dialogs_) {
    if (dialog.owner == owner) owned.push_back(handle);
  }
  return owned;
}

ADMNotifierRef DialogManager::beginNotification(ADMItemRef item, const char* type) {
  return notifications_.add(Notification{item, type});
}

}  // namespace qv::host::adm
