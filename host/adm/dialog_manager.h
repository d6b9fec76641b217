// The dialog manager's store: every dialog the modules made, its items, the entry lists of its
// popups and their entries, each behind an opaque checked handle, plus the notifications being
// delivered right now. Keeps the records consistent (item IDs unique per dialog, one selected
// entry per list); calls no module code. Host UI thread only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "adm/dialog_model.h"
#include "handle_table.h"

namespace qv::host::adm {

class DialogManager {
 public:
  ADMDialogRef addDialog(Dialog dialog);
  // A new item of `dialog`; null when there is no such dialog or it has an item with that ID.
  // A popup gets an empty entry list.
  ADMItemRef addItem(ADMDialogRef dialog, Item item);
  // A new entry at `position` (0 to the number of entries) whose ID is that position; null for
  // any other position or a list that does not exist.
  ADMEntryRef insertEntry(ADMListRef list, int32_t position);
  // Selecting makes the entry its list's only selected one; deselecting clears it if it was.
  void select(ADMEntryRef entry, bool selected);

  // Removal takes everything below the record with it; the handles become stale.
  void removeItem(ADMItemRef item);
  void removeDialog(ADMDialogRef dialog);
  void removeOwnedBy(const PluginModule* owner);

  // Null for a handle that is not (or no longer) of that kind.
  Dialog* dialog(ADMDialogRef handle) { return dialogs_.find(handle); }
  const Dialog* dialog(ADMDialogRef handle) const { return dialogs_.find(handle); }
  Item* item(ADMItemRef handle) { return items_.find(handle); }
  const Item* item(ADMItemRef handle) const { return items_.find(handle); }
  EntryList* list(ADMListRef handle) { return lists_.find(handle); }
  const EntryList* list(ADMListRef handle) const { return lists_.find(handle); }
  Entry* entry(ADMEntryRef handle) { return entries_.find(handle); }
  const Entry* entry(ADMEntryRef handle) const { return entries_.find(handle); }

  // The module a handle's dialog belongs to; null for a stale handle.
  PluginModule* ownerOf(ADMItemRef item) const;
  PluginModule* ownerOf(ADMListRef list) const;
  PluginModule* ownerOf(ADMEntryRef entry) const;

  // The item of `dialog` with that ID, or null.
  ADMItemRef itemWithId(ADMDialogRef dialog, int32_t id) const;
  // A module's dialogs in creation order.
  std::vector<ADMDialogRef> dialogsOf(const PluginModule* owner) const;

  // Notifications being delivered, innermost last; the handle is valid until it ends.
  ADMNotifierRef beginNotification(ADMItemRef item, const char* type);
  void endNotification(ADMNotifierRef notifier) { notifications_.erase(notifier); }
  const Notification* notification(ADMNotifierRef notifier) const {
    return notifications_.find(notifier);
  }
  std::size_t notificationDepth() const { return notifications_.size(); }

 private:
  HandleTable<ADMDialogRef, Dialog> dialogs_;
  HandleTable<ADMItemRef, Item> items_;
  HandleTable<ADMListRef, EntryList> lists_;
  HandleTable<ADMEntryRef, Entry> entries_;
  HandleTable<ADMNotifierRef, Notification> notifications_;
};

}  // namespace qv::host::adm
