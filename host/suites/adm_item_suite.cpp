// ADM Item Suite: the controls of a dialog — notify procedures and notifications, visibility,
// enabled state, text, and the values of checkboxes and spin edits (clamped to their range).
#include <cmath>
#include <string>

#include "ADMItem.h"
#include "adm/notification.h"
#include "adm_lookup.h"
#include "adm_suites.h"
#include "host.h"
#include "pica/suite_entry.h"

namespace qv::host {

namespace {

void setNotifyProc(ADMItemRef item, ADMItemNotifyProc proc) {
  if (adm::Item* found = itemFor(item, "Item SetNotifyProc")) found->notifyProc = proc;
}

// The dialog manager's own handling: a change a person made is already in the item when its
// procedure runs, so there is nothing left to commit; the host counts that it ran.
void defaultNotify(ADMItemRef item, ADMNotifierRef notifier) {
  adm::Item* found = itemFor(item, "Item DefaultNotify");
  if (found == nullptr) return;
  const adm::Notification* delivered = Host::active().dialogs().notification(notifier);
  if (delivered == nullptr || delivered->item != item) {
    Host::active().misuse("Item DefaultNotify: not the notifier of a notification to this item");
    return;
  }
  ++found->defaultNotifies;
}

void sendNotify(ADMItemRef item, const char* type) {
  if (itemFor(item, "Item SendNotify") == nullptr || !textGiven(type, "Item SendNotify")) return;
  adm::deliverNotification(Host::active(), item, type);
}

ADMDialogRef getDialog(ADMItemRef item) {
  const adm::Item* found = itemFor(item, "Item GetDialog");
  return found == nullptr ? nullptr : found->dialog;
}

ADMListRef getList(ADMItemRef item) {
  const adm::Item* found = itemFor(item, "Item GetList");
  if (found == nullptr) return nullptr;
  if (found->list == nullptr) Host::active().misuse("Item GetList: the item is no popup");
  return found->list;
}

int32_t getID(ADMItemRef item) {
  const adm::Item* found = itemFor(item, "Item GetID");
  return found == nullptr ? 0 : found->id;
}

void show(ADMItemRef item, ASBoolean visible) {
  if (adm::Item* found = itemFor(item, "Item Show")) found->visible = visible != 0;
}

ASBoolean isVisible(ADMItemRef item) {
  const adm::Item* found = itemFor(item, "Item IsVisible");
  return found != nullptr && found->visible;
}

void enable(ADMItemRef item, ASBoolean enabled) {
  if (adm::Item* found = itemFor(item, "Item Enable")) found->enabled = enabled != 0;
}

ASBoolean isEnabled(ADMItemRef item) {
  const adm::Item* found = itemFor(item, "Item IsEnabled");
  return found != nullptr && found->enabled;
}

void setText(ADMItemRef item, const char* text) {
  adm::Item* found = itemFor(item, "Item SetText");
  if (found != nullptr && textGiven(text, "Item SetText")) found->text = text;
}

void getText(ADMItemRef item, char* buffer, int32_t length) {
  const adm::Item* found = itemFor(item, "Item GetText");
  copyOut(found == nullptr ? std::string() : found->text, buffer, length, "Item GetText");
}

void setUnits(ADMItemRef item, int32_t units) {
  if (adm::Item* found = itemFor(item, "Item SetUnits")) found->units = units;
}

void setPrecision(ADMItemRef item, int32_t places) {
  adm::Item* found = itemFor(item, "Item SetPrecision");
  if (found == nullptr) return;
  if (places < 0) {
    Host::active().misuse("Item SetPrecision: negative number of places");
    return;
  }
  found->precision = places;
}

void setBooleanValue(ADMItemRef item, ASBoolean value) {
  if (adm::Item* found = itemFor(item, "Item SetBooleanValue")) found->checked = value != 0;
}

ASBoolean getBooleanValue(ADMItemRef item) {
  const adm::Item* found = itemFor(item, "Item GetBooleanValue");
  return found != nullptr && found->checked;
}

void setIntValue(ADMItemRef item, int32_t value) {
  if (adm::Item* found = itemFor(item, "Item SetIntValue")) found->number.set(value);
}

int32_t getIntValue(ADMItemRef item) {
  const adm::Item* found = itemFor(item, "Item GetIntValue");
  return found == nullptr ? 0 : found->number.asInt();
}

void setMinIntValue(ADMItemRef item, int32_t value) {
  if (adm::Item* found = itemFor(item, "Item SetMinIntValue")) found->number.setMin(value);
}

void setMaxIntValue(ADMItemRef item, int32_t value) {
  if (adm::Item* found = itemFor(item, "Item SetMaxIntValue")) found->number.setMax(value);
}

// The item of a float setter; null, and misuse logged, for a stale item or a NaN value.
adm::Item* floatTarget(ADMItemRef item, float value, const char* call) {
  adm::Item* found = itemFor(item, call);
  if (found == nullptr || !std::isnan(value)) return found;
  Host::active().misuse(std::string(call) + ": NaN");
  return nullptr;
}

void setFloatValue(ADMItemRef item, float value) {
  if (adm::Item* found = floatTarget(item, value, "Item SetFloatValue")) found->number.set(value);
}

float getFloatValue(ADMItemRef item) {
  const adm::Item* found = itemFor(item, "Item GetFloatValue");
  return found == nullptr ? 0.0f : static_cast<float>(found->number.value());
}

void setMinFloatValue(ADMItemRef item, float value) {
  if (adm::Item* found = floatTarget(item, value, "Item SetMinFloatValue")) {
    found->number.setMin(value);
  }
}

void setMaxFloatValue(ADMItemRef item, float value) {
  if (adm::Item* found = floatTarget(item, value, "Item SetMaxFloatValue")) {
    found->number.setMax(value);
  }
}

const ADMItemSuite kItem = {
    .SetNotifyProc = QV_VALUE_ENTRY(kADMItemSuite, SetNotifyProc, setNotifyProc),
    .DefaultNotify = QV_VALUE_ENTRY(kADMItemSuite, DefaultNotify, defaultNotify),
    .SendNotify = QV_VALUE_ENTRY(kADMItemSuite, SendNotify, sendNotify),
    .GetDialog = QV_VALUE_ENTRY(kADMItemSuite, GetDialog, getDialog),
    .GetList = QV_VALUE_ENTRY(kADMItemSuite, GetList, getList),
    .GetID = QV_VALUE_ENTRY(kADMItemSuite, GetID, getID),
    .Show = QV_VALUE_ENTRY(kADMItemSuite, Show, show),
    .IsVisible = QV_VALUE_ENTRY(kADMItemSuite, IsVisible, isVisible),
    .Enable = QV_VALUE_ENTRY(kADMItemSuite, Enable, enable),
    .IsEnabled = QV_VALUE_ENTRY(kADMItemSuite, IsEnabled, isEnabled),
    .SetText = QV_VALUE_ENTRY(kADMItemSuite, SetText, setText),
    .GetText = QV_VALUE_ENTRY(kADMItemSuite, GetText, getText),
    .SetUnits = QV_VALUE_ENTRY(kADMItemSuite, SetUnits, setUnits),
    .SetPrecision = QV_VALUE_ENTRY(kADMItemSuite, SetPrecision, setPrecision),
    .SetBooleanValue = QV_VALUE_ENTRY(kADMItemSuite, SetBooleanValue, setBooleanValue),
    .GetBooleanValue = QV_VALUE_ENTRY(kADMItemSuite, GetBooleanValue, getBooleanValue),
    .SetIntValue = QV_VALUE_ENTRY(kADMItemSuite, SetIntValue, setIntValue),
    .GetIntValue = QV_VALUE_ENTRY(kADMItemSuite, GetIntValue, getIntValue),
    .SetMinIntValue = QV_VALUE_ENTRY(kADMItemSuite, SetMinIntValue, setMinIntValue),
    .SetMaxIntValue = QV_VALUE_ENTRY(kADMItemSuite, SetMaxIntValue, setMaxIntValue),
    .SetFloatValue = QV_VALUE_ENTRY(kADMItemSuite, SetFloatValue, setFloatValue),
    .GetFloatValue = QV_VALUE_ENTRY(kADMItemSuite, GetFloatValue, getFloatValue),
    .SetMinFloatValue = QV_VALUE_ENTRY(kADMItemSuite, SetMinFloatValue, setMinFloatValue),
    .SetMaxFloatValue = QV_VALUE_ENTRY(kADMItemSuite, SetMaxFloatValue, setMaxFloatValue),
};

}  // namespace

void registerAdmItemSuite(SuiteRegistry& registry) {
  registry.add(kADMItemSuite, kADMItemSuiteVersion, &kItem);
}

}  // namespace qv::host
