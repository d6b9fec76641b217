// The front end's control changes: lookup, refusal, the value a person would see, notification.
#include "adm/control_change.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>

#include "adm/control_lookup.h"
#include "adm/notification.h"
#include "host.h"

namespace qv::host::adm {

namespace {

// "spin edit 20 "Columns"", or "spin edit 20" when nothing names it.
std::string nameOf(const DialogManager& manager, ADMItemRef item) {
  const Item& found = *manager.item(item);
  const std::string label = readableText(labelOf(manager, item));
  std::string name = std::string(kindName(found.kind)) + " " + std::to_string(found.id);
  return label.empty() ? name : name + " \"" + label + "\"";
}

ChangeResult findControl(const DialogManager& manager, ADMDialogRef dialog,
                         const ControlRef& control) {
  const std::string inDialog = " in dialog \"" + manager.dialog(dialog)->name + "\"";
  if (const int32_t* id = std::get_if<int32_t>(&control)) {
    const ADMItemRef item = manager.itemWithId(dialog, *id);
    if (item == nullptr) return {nullptr, "no item " + std::to_string(*id) + inDialog};
    return {item, {}};
  }
  const std::string& name = std::get<std::string>(control);
  const std::vector<ADMItemRef> named = controlsNamed(manager, dialog, name);
  std::vector<ADMItemRef> visible;
  std::copy_if(named.begin(), named.end(), std::back_inserter(visible),
               [&manager](ADMItemRef item) { return manager.item(item)->visible; });
  if (visible.size() == 1) return {visible.front(), {}};
  if (visible.size() > 1) {
    std::string error = "\"" + name + "\" names more than one control" + inDialog + ":";
    for (ADMItemRef item : visible) error += " " + nameOf(manager, item) + ";";
    error.pop_back();
    return {nullptr, error};
  }
  // Only hidden ones: the first is found, and refused for being hidden.
  if (!named.empty()) return {named.front(), {}};
  return {nullptr, "no control \"" + name + "\"" + inDialog};
}

// Why a person could not change the item at all; "" when they could.
std::string refusal(const Item& item) {
  if (!item.visible) return "is hidden";
  if (!item.enabled) return "is disabled";
  if (item.kind == ItemKind::Label) return "is a label, which cannot be changed";
  return {};
}

// The shortest text that reads back as `value`: "5", "2.5".
std::string numberText(double value) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  return std::string(text, end);
}

double roundedTo(double value, int32_t places) {
  const double scale = std::pow(10.0, std::clamp(places, 0, 9));
  const double scaled = value * scale;
  return std::isfinite(scaled) ? std::round(scaled) / scale : value;
}

// The popup entry the input picks; null with `error` set when there is none.
ADMEntryRef pickedEntry(const DialogManager& manager, const Item& popup, const ControlInput& input,
                        std::string& error) {
  const EntryList& list = *manager.list(popup.list);
  const auto pick = [&](auto matches, std::string missing) -> ADMEntryRef {
    const auto it = std::find_if(list.entries.begin(), list.entries.end(),
                                 [&](ADMEntryRef e) { return matches(*manager.entry(e)); });
    if (it != list.entries.end()) return *it;
    error = std::move(missing);
    return nullptr;
  };
  if (const double* id = std::get_if<double>(&input)) {
    return pick([id](const Entry& e) { return e.id == *id; },
                "has no entry with ID " + numberText(*id));
  }
  if (const std::string* text = std::get_if<std::string>(&input)) {
    const std::string wanted = readableText(*text);
    return pick([&wanted](const Entry& e) { return readableText(e.text) == wanted; },
                "has no entry \"" + *text + "\"");
  }
  error = "takes the text or ID of one of its entries";
  return nullptr;
}

// Sets what the input gives; the reason when the input does not suit the control.
std::string apply(DialogManager& manager, Item& item, const ControlInput& input) {
  switch (item.kind) {
    case ItemKind::SpinEdit: {
      const double* number = std::get_if<double>(&input);
      if (number == nullptr || std::isnan(*number)) return "takes a number";
      item.number.set(roundedTo(*number, item.precision));
      return {};
    }
    case ItemKind::CheckBox: {
      const bool* on = std::get_if<bool>(&input);
      if (on == nullptr) return "takes on or off";
      item.checked = *on;
      return {};
    }
    case ItemKind::Popup: {
      std::string error;
      const ADMEntryRef entry = pickedEntry(manager, item, input, error);
      if (entry != nullptr) manager.select(entry, true);
      return error;
    }
    case ItemKind::PushButton:
      return std::holds_alternative<std::monostate>(input) ? "" : "takes no value: it is pressed";
    case ItemKind::Label:
      break;
  }
  return "cannot be changed";
}

}  // namespace

ChangeResult changeControl(Host& host, ADMDialogRef dialog, const ControlRef& control,
                           const ControlInput& input) {
  DialogManager& manager = host.dialogs();
  const Dialog* found = manager.dialog(dialog);
  if (found == nullptr) return {nullptr, "no such dialog"};
  if (!found->visible) return {nullptr, "dialog \"" + found->name + "\" is hidden"};
  ChangeResult result = findControl(manager, dialog, control);
  if (!result.ok()) return result;
  Item& item = *manager.item(result.item);
  std::string why = refusal(item);
  if (why.empty()) why = apply(manager, item, input);
  if (!why.empty()) {
    result.error = nameOf(manager, result.item) + " " + why;
    return result;
  }
  deliverNotification(host, result.item, kADMUserChangedNotifier);
  return result;
}

}  // namespace qv::host::adm
