// ADM List Suite and ADM Entry Suite: the entry lists of popups, their entries by position, the
// selected entry, and each entry's ID and text.
#include <string>

#include "ADMEntry.h"
#include "ADMList.h"
#include "adm_lookup.h"
#include "adm_suites.h"
#include "host.h"
#include "pica/suite_entry.h"

namespace qv::host {

namespace {

ADMEntryRef insertEntry(ADMListRef list, int32_t position) {
  if (listFor(list, "List InsertEntry") == nullptr) return nullptr;
  const ADMEntryRef entry = Host::active().dialogs().insertEntry(list, position);
  if (entry == nullptr) {
    Host::active().misuse("List InsertEntry: no position " + std::to_string(position));
  }
  return entry;
}

ADMEntryRef indexEntry(ADMListRef list, int32_t position) {
  const adm::EntryList* found = listFor(list, "List IndexEntry");
  if (found == nullptr) return nullptr;
  if (position < 0 || static_cast<std::size_t>(position) >= found->entries.size()) {
    Host::active().misuse("List IndexEntry: no entry at " + std::to_string(position));
    return nullptr;
  }
  return found->entries[static_cast<std::size_t>(position)];
}

int32_t numberOfEntries(ADMListRef list) {
  const adm::EntryList* found = listFor(list, "List NumberOfEntries");
  return found == nullptr ? 0 : static_cast<int32_t>(found->entries.size());
}

ADMEntryRef getActiveEntry(ADMListRef list) {
  const adm::EntryList* found = listFor(list, "List GetActiveEntry");
  return found == nullptr ? nullptr : found->active;
}

void setID(ADMEntryRef entry, int32_t id) {
  if (adm::Entry* found = entryFor(entry, "Entry SetID")) found->id = id;
}

int32_t getID(ADMEntryRef entry) {
  const adm::Entry* found = entryFor(entry, "Entry GetID");
  return found == nullptr ? 0 : found->id;
}

void setText(ADMEntryRef entry, const char* text) {
  adm::Entry* found = entryFor(entry, "Entry SetText");
  if (found != nullptr && textGiven(text, "Entry SetText")) found->text = text;
}

void getText(ADMEntryRef entry, char* buffer, int32_t length) {
  const adm::Entry* found = entryFor(entry, "Entry GetText");
  copyOut(found == nullptr ? std::string() : found->text, buffer, length, "Entry GetText");
}

void select(ADMEntryRef entry, ASBoolean selected) {
  if (entryFor(entry, "Entry Select") != nullptr) {
    Host::active().dialogs().select(entry, selected != 0);
  }
}

const ADMListSuite kList = {
    .InsertEntry = QV_VALUE_ENTRY(kADMListSuite, InsertEntry, insertEntry),
    .IndexEntry = QV_VALUE_ENTRY(kADMListSuite, IndexEntry, indexEntry),
    .NumberOfEntries = QV_VALUE_ENTRY(kADMListSuite, NumberOfEntries, numberOfEntries),
    .GetActiveEntry = QV_VALUE_ENTRY(kADMListSuite, GetActiveEntry, getActiveEntry),
};

const ADMEntrySuite kEntry = {
    .SetID = QV_VALUE_ENTRY(kADMEntrySuite, SetID, setID),
    .GetID = QV_VALUE_ENTRY(kADMEntrySuite, GetID, getID),
    .SetText = QV_VALUE_ENTRY(kADMEntrySuite, SetText, setText),
    .GetText = QV_VALUE_ENTRY(kADMEntrySuite, GetText, getText),
    .Select = QV_VALUE_ENTRY(kADMEntrySuite, Select, select),
};

}  // namespace

void registerAdmListSuites(SuiteRegistry& registry) {
  registry.add(kADMListSuite, kADMListSuiteVersion, &kList);
  registry.add(kADMEntrySuite, kADMEntrySuiteVersion, &kEntry);
}

}  // namespace qv::host
