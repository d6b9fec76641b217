// Delivery of dialog-manager notifications: the notifier lives while the procedure runs.
#include "adm/notification.h"

#include <string>

#include "host.h"

namespace qv::host::adm {

void deliverNotification(Host& host, ADMItemRef item, const char* type) {
  DialogManager& manager = host.dialogs();
  const Item* found = manager.item(item);
  if (found == nullptr || found->notifyProc == nullptr) return;
  // Copied: the procedure may replace itself while it runs.
  const ADMItemNotifyProc proc = found->notifyProc;
  PluginModule* owner = manager.ownerOf(item);
  if (manager.notificationDepth() >= kMaxNotificationDepth) {
    host.misuse("notification \"" + std::string(type) + "\" to item " + std::to_string(found->id) +
                " nested more than " + std::to_string(kMaxNotificationDepth) + " deep");
    return;
  }
  // An unloaded module has let go of its suites: it comes back before its code runs again.
  if (owner->state == ModuleState::Unloaded) host.reload(*owner);
  if (owner->state != ModuleState::Running) {
    host.misuse("notification to item " + std::to_string(found->id) + " of " + owner->name() +
                ", which is not running, dropped");
    return;
  }
  const ADMNotifierRef notifier = manager.beginNotification(item, type);
  host.callInto(*owner, [&] { proc(item, notifier); });
  manager.endNotification(notifier);
}

}  // namespace qv::host::adm
