// The dialog manager's records: dialogs, their items, popup entry lists, entries, and the
// notifications being delivered. Plain data; DialogManager keeps them consistent.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ADMTypes.h"
#include "adm/ranged_value.h"

namespace qv::host {
struct PluginModule;
}

namespace qv::host::adm {

enum class ItemKind { Label, SpinEdit, Popup, CheckBox, PushButton };

// The kind behind a type name such as "ADM Spin Edit Type"; nullopt for any other name.
std::optional<ItemKind> kindOfTypeName(const char* typeName);
// "label", "spin edit", "popup", "checkbox" or "push button".
const char* kindName(ItemKind kind);

struct Entry {
  ADMListRef list = nullptr;
  int32_t id = 0;
  std::string text;
};

struct EntryList {
  ADMItemRef item = nullptr;
  std::vector<ADMEntryRef> entries;  // in position order
  ADMEntryRef active = nullptr;      // the selected entry; null when none is
};

struct Item {
  ADMDialogRef dialog = nullptr;
  int32_t id = 0;
  ItemKind kind = ItemKind::Label;
  ADMRect rect{};
  std::string text;
  bool visible = true;
  bool enabled = true;
  int32_t units = 0;
  int32_t precision = 0;  // decimal places shown
  RangedValue number;
  bool checked = false;
  ADMListRef list = nullptr;  // popups only
  ADMItemNotifyProc notifyProc = nullptr;
  ADMUserData userData = nullptr;
  int defaultNotifies = 0;  // how often the dialog manager's own handling ran for it
};

struct Dialog {
  PluginModule* owner = nullptr;
  std::string name;
  int32_t resourceID = 0;
  int32_t style = 0;
  std::string title;
  ADMRect bounds{};
  bool visible = true;
  std::array<ADMIconRef, 2> icons{};  // kind 0 (normal) and kind 1 (selected)
  ADMUserData userData = nullptr;
  std::vector<ADMItemRef> items;  // in creation order
};

struct Notification {
  ADMItemRef item = nullptr;
  std::string type;
};

}  // namespace qv::host::adm
