// The label rules by which a person names a control.
#include "adm/control_lookup.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <tuple>

namespace qv::host::adm {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool isNamedByLabel(ItemKind kind) { return kind == ItemKind::SpinEdit || kind == ItemKind::Popup; }
bool isNamedByText(ItemKind kind) {
  return kind == ItemKind::CheckBox || kind == ItemKind::PushButton;
}

bool hasEntry(const DialogManager& manager, const Item& popup, const std::string& name) {
  const EntryList* list = manager.list(popup.list);
  return list != nullptr &&
         std::any_of(list->entries.begin(), list->entries.end(), [&](ADMEntryRef entry) {
           return readableText(manager.entry(entry)->text) == name;
         });
}

}  // namespace

std::string readableText(std::string_view text) {
  text = trimmed(text);
  if (!text.empty() && text.back() == ':') text.remove_suffix(1);
  return std::string(trimmed(text));
}

ADMItemRef controlOfLabel(const DialogManager& manager, ADMItemRef label) {
  const Item* named = manager.item(label);
  if (named == nullptr || named->kind != ItemKind::Label) return nullptr;
  const std::vector<ADMItemRef>& items = manager.dialog(named->dialog)->items;
  const auto labelAt = std::find(items.begin(), items.end(), label) - items.begin();
  ADMItemRef best = nullptr;
  std::optional<std::tuple<bool, int32_t, long>> bestKey;
  for (long at = 0; at < static_cast<long>(items.size()); ++at) {
    const Item& control = *manager.item(items[static_cast<std::size_t>(at)]);
    if (!isNamedByLabel(control.kind) || control.rect.top != named->rect.top ||
        control.rect.left <= named->rect.left) {
      continue;
    }
    const auto key = std::make_tuple(control.visible != named->visible,
                                     control.rect.left - named->rect.left, std::labs(at - labelAt));
    if (!bestKey || key < *bestKey) {
      bestKey = key;
      best = items[static_cast<std::size_t>(at)];
    }
  }
  return best;
}

std::string labelOf(const DialogManager& manager, ADMItemRef item) {
  const Item* found = manager.item(item);
  if (found == nullptr) return {};
  if (!isNamedByLabel(found->kind)) return found->text;
  for (ADMItemRef candidate : manager.dialog(found->dialog)->items) {
    if (manager.item(candidate)->kind == ItemKind::Label &&
        controlOfLabel(manager, candidate) == item) {
      return manager.item(candidate)->text;
    }
  }
  return {};
}

std::vector<ADMItemRef> controlsNamed(const DialogManager& manager, ADMDialogRef dialog,
                                      std::string_view name) {
  const std::string wanted = readableText(name);
  const Dialog* found = manager.dialog(dialog);
  std::vector<ADMItemRef> controls;
  if (found == nullptr || wanted.empty()) return controls;
  const auto add = [&controls](ADMItemRef item) {
    if (item != nullptr && std::find(controls.begin(), controls.end(), item) == controls.end()) {
      controls.push_back(item);
    }
  };
  for (ADMItemRef item : found->items) {
    const Item& candidate = *manager.item(item);
    if (readableText(candidate.text) != wanted) continue;
    if (isNamedByText(candidate.kind)) add(item);
    if (candidate.kind == ItemKind::Label) add(controlOfLabel(manager, item));
  }
  if (!controls.empty()) return controls;
  for (ADMItemRef item : found->items) {
    const Item& candidate = *manager.item(item);
    if (candidate.kind == ItemKind::Popup && hasEntry(manager, candidate, wanted)) add(item);
  }
  return controls;
}

}  // namespace qv::host::adm
