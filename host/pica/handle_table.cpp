// The counter behind every opaque handle the host hands out.
#include "handle_table.h"

namespace qv::host {

uintptr_t nextHandleValue() {
  // Starts high and steps by 16 so that a handle never looks like a small integer or an
  // aligned pointer a module might have made itself.
  static uintptr_t next = 0x51000;
  next += 16;
  return next;
}

}  // namespace qv::host
