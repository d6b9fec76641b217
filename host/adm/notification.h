// Delivering a notification to an item's procedure, for the Item Suite's SendNotify and for the
// front end. Runs module code; touches the host's dialog manager, misuse log and the owning
// module's state (reload).
#pragma once

#include "ADMTypes.h"

namespace qv::host {
class Host;
}

namespace qv::host::adm {

// Procedures may notify other items from inside a procedure; deeper nesting than this is a
// loop and is refused.
inline constexpr int kMaxNotificationDepth = 32;

// Runs the procedure of `item` at once with a notifier of `type`, the item's module current
// meanwhile; a module that was sent "Unload" is reloaded first. Nothing happens for an item
// without a procedure or a stale item. Past kMaxNotificationDepth nested deliveries, or for a
// module that is not running (its reload failed), the notification is dropped and logged.
void deliverNotification(Host& host, ADMItemRef item, const char* type);

}  // namespace qv::host::adm
