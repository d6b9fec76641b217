// Handle checks and text copies of the dialog-manager suites.
#include "adm_lookup.h"

#include <algorithm>
#include <cstring>

#include "host.h"

namespace qv::host {

namespace {

template <typename T, typename Handle>
T* checked(T* found, Handle handle, const PluginModule* owner, const char* kind, const char* call) {
  Host& host = Host::active();
  if (found == nullptr) {
    host.misuse(std::string(call) + ": " + (handle == nullptr ? "null " : "stale or foreign ") +
                kind);
    return nullptr;
  }
  const PluginModule* caller = host.current();
  if (caller != nullptr && caller != owner) {
    host.misuse(std::string(call) + ": " + kind + " of a dialog of another module");
    return nullptr;
  }
  return found;
}

adm::DialogManager& manager() { return Host::active().dialogs(); }

}  // namespace

adm::Dialog* dialogFor(ADMDialogRef dialog, const char* call) {
  adm::Dialog* found = manager().dialog(dialog);
  return checked(found, dialog, found == nullptr ? nullptr : found->owner, "dialog", call);
}

adm::Item* itemFor(ADMItemRef item, const char* call) {
  return checked(manager().item(item), item, manager().ownerOf(item), "item", call);
}

adm::EntryList* listFor(ADMListRef list, const char* call) {
  return checked(manager().list(list), list, manager().ownerOf(list), "list", call);
}

adm::Entry* entryFor(ADMEntryRef entry, const char* call) {
  return checked(manager().entry(entry), entry, manager().ownerOf(entry), "entry", call);
}

void copyOut(const std::string& text, char* buffer, int32_t length, const char* call) {
  if (buffer == nullptr || length < 1) {
    Host::active().misuse(std::string(call) + ": no buffer to copy the text into");
    return;
  }
  const std::size_t count = std::min(text.size(), static_cast<std::size_t>(length - 1));
  std::memcpy(buffer, text.data(), count);
  buffer[count] = '\0';
}

bool textGiven(const char* text, const char* call) {
  if (text != nullptr) return true;
  Host::active().misuse(std::string(call) + ": null text");
  return false;
}

}  // namespace qv::host
