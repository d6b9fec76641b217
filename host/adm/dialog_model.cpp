// The item kinds of the dialog manager and their type names.
#include "adm/dialog_model.h"

#include <cstring>

namespace qv::host::adm {

namespace {
struct KindName {
  ItemKind kind;
  const char* typeName;
  const char* name;
};
constexpr KindName kKinds[] = {
    {ItemKind::Label, kADMTextStaticType, "label"},
    {ItemKind::SpinEdit, kADMSpinEditType, "spin edit"},
    {ItemKind::Popup, kADMPopupListType, "popup"},
    {ItemKind::CheckBox, kADMTextCheckBoxType, "checkbox"},
    {ItemKind::PushButton, kADMTextPushButtonType, "push button"},
};
}  // namespace

std::optional<ItemKind> kindOfTypeName(const char* typeName) {
  if (typeName == nullptr) return std::nullopt;
  for (const KindName& kind : kKinds) {
    if (std::strcmp(kind.typeName, typeName) == 0) return kind.kind;
  }
  return std::nullopt;
}

const char* kindName(ItemKind kind) {
  for (const KindName& entry : kKinds) {
    if (entry.kind == kind) return entry.name;
  }
  return "unknown";
}

}  // namespace qv::host::adm
