// The checks every dialog-manager suite call makes on the handles a module passes: a null,
// stale or foreign handle, or one of another module's dialog, is the module's misuse; it is
// logged and the call answered with null. Also copying a text out to a module's buffer.
// Shared by the ADM Dialog, Item, List and Entry suites.
#pragma once

#include <cstdint>
#include <string>

#include "adm/dialog_manager.h"

namespace qv::host {

adm::Dialog* dialogFor(ADMDialogRef dialog, const char* call);
adm::Item* itemFor(ADMItemRef item, const char* call);
adm::EntryList* listFor(ADMListRef list, const char* call);
adm::Entry* entryFor(ADMEntryRef entry, const char* call);

// Copies `text` into buffer (at most length - 1 bytes and a NUL); a null buffer or a length
// below 1 is misuse.
void copyOut(const std::string& text, char* buffer, int32_t length, const char* call);

// Whether a module passed a text: false, and misuse logged, for null.
bool textGiven(const char* text, const char* call);

}  // namespace qv::host
