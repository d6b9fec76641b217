// ADM Dialog Suite: dialogs made from a module's templates, their place, size, title,
// visibility and icons, and the items made in them.
#include <string>

#include "ADMDialog.h"
#include "adm/dialog_template.h"
#include "adm_lookup.h"
#include "adm_suites.h"
#include "host.h"
#include "pica/suite_entry.h"

namespace qv::host {

namespace {

// Where the dialog manager puts a new dialog; SetBoundsRect moves it.
constexpr int32_t kDefaultLeft = 100;
constexpr int32_t kDefaultTop = 100;

ADMDialogRef create(SPPluginRef plugin, const char* name, int32_t dialogID, int32_t style,
                    ADMDialogInitProc initProc, ADMUserData userData, int32_t /*options*/) {
  Host& host = Host::active();
  PluginModule* module = host.moduleFor(plugin);
  if (module == nullptr) {
    host.misuse("Dialog Create: unknown plug-in");
    return nullptr;
  }
  const std::string resource = "dialog template " + std::to_string(dialogID);
  const auto* bytes = module->resources.find(kResourceTypeDialog, dialogID);
  if (bytes == nullptr) {
    host.misuse("Dialog Create: no " + resource);
    return nullptr;
  }
  std::string error;
  const auto layout = adm::readDialogTemplate(*bytes, error);
  if (!layout) {
    host.misuse("Dialog Create: " + resource + " " + error);
    return nullptr;
  }
  adm::Dialog dialog;
  dialog.owner = module;
  dialog.name = name == nullptr ? "" : name;
  dialog.resourceID = dialogID;
  dialog.style = style;
  dialog.title = layout->caption;
  dialog.bounds = {kDefaultLeft, kDefaultTop, kDefaultLeft + layout->width,
                   kDefaultTop + layout->height};
  dialog.userData = userData;
  const ADMDialogRef made = host.dialogs().addDialog(std::move(dialog));
  if (initProc == nullptr) return made;
  ADMErr result = kNoErr;
  host.callInto(*module, [&] { result = initProc(made); });
  // A failed init procedure leaves no dialog behind.
  if (result != kNoErr) {
    host.dialogs().removeDialog(made);
    return nullptr;
  }
  return made;
}

void show(ADMDialogRef dialog, ASBoolean visible) {
  if (adm::Dialog* found = dialogFor(dialog, "Dialog Show")) found->visible = visible != 0;
}

ASBoolean isVisible(ADMDialogRef dialog) {
  const adm::Dialog* found = dialogFor(dialog, "Dialog IsVisible");
  return found != nullptr && found->visible;
}

void size(ADMDialogRef dialog, int32_t width, int32_t height) {
  adm::Dialog* found = dialogFor(dialog, "Dialog Size");
  if (found == nullptr) return;
  if (width < 0 || height < 0) {
    Host::active().misuse("Dialog Size: negative size");
    return;
  }
  found->bounds.right = found->bounds.left + width;
  found->bounds.bottom = found->bounds.top + height;
}

void setText(ADMDialogRef dialog, const char* text) {
  adm::Dialog* found = dialogFor(dialog, "Dialog SetText");
  if (found != nullptr && textGiven(text, "Dialog SetText")) found->title = text;
}

void setBoundsRect(ADMDialogRef dialog, const ADMRect* bounds) {
  adm::Dialog* found = dialogFor(dialog, "Dialog SetBoundsRect");
  if (found == nullptr) return;
  if (bounds == nullptr || bounds->right < bounds->left || bounds->bottom < bounds->top) {
    Host::active().misuse("Dialog SetBoundsRect: no rectangle, or one turned inside out");
    return;
  }
  found->bounds = *bounds;
}

void getBoundsRect(ADMDialogRef dialog, ADMRect* bounds) {
  if (bounds == nullptr) {
    Host::active().misuse("Dialog GetBoundsRect: null output");
    return;
  }
  const adm::Dialog* found = dialogFor(dialog, "Dialog GetBoundsRect");
  *bounds = found == nullptr ? ADMRect{} : found->bounds;
}

ADMItemRef createItem(ADMDialogRef dialog, int32_t itemID, const char* itemType,
                      const ADMRect* boundsRect, ADMItemInitProc initProc, ADMUserData userData,
                      int32_t /*options*/) {
  Host& host = Host::active();
  const adm::Dialog* found = dialogFor(dialog, "Dialog CreateItem");
  if (found == nullptr) return nullptr;
  PluginModule* owner = found->owner;
  const std::string what = "Dialog CreateItem " + std::to_string(itemID) + ": ";
  const auto kind = adm::kindOfTypeName(itemType);
  if (!kind) {
    host.misuse(what + "unknown item type " + (itemType == nullptr ? "(null)" : itemType));
    return nullptr;
  }
  if (boundsRect == nullptr) {
    host.misuse(what + "no rectangle");
    return nullptr;
  }
  adm::Item item;
  item.id = itemID;
  item.kind = *kind;
  item.rect = *boundsRect;
  item.userData = userData;
  const ADMItemRef made = host.dialogs().addItem(dialog, std::move(item));
  if (made == nullptr) {
    host.misuse(what + "the dialog already has an item with that ID");
    return nullptr;
  }
  if (initProc == nullptr) return made;
  ADMErr result = kNoErr;
  host.callInto(*owner, [&] { result = initProc(made); });
  if (result != kNoErr) {
    host.dialogs().removeItem(made);
    return nullptr;
  }
  return made;
}

ADMItemRef getItem(ADMDialogRef dialog, int32_t itemID) {
  if (dialogFor(dialog, "Dialog GetItem") == nullptr) return nullptr;
  const ADMItemRef item = Host::active().dialogs().itemWithId(dialog, itemID);
  if (item == nullptr) Host::active().misuse("Dialog GetItem: no item " + std::to_string(itemID));
  return item;
}

void setIcon(ADMDialogRef dialog, int32_t kind, ADMIconRef icon) {
  Host& host = Host::active();
  adm::Dialog* found = dialogFor(dialog, "Dialog SetIcon");
  if (found == nullptr) return;
  if (kind < 0 || static_cast<std::size_t>(kind) >= found->icons.size()) {
    host.misuse("Dialog SetIcon: no icon kind " + std::to_string(kind));
    return;
  }
  // A null icon (a resource the module lacks) leaves the palette without that icon.
  if (icon != nullptr && host.icons().find(icon) == nullptr) {
    host.misuse("Dialog SetIcon: stale or foreign icon");
    return;
  }
  found->icons[static_cast<std::size_t>(kind)] = icon;
}

const ADMDialogSuite kDialog = {
    .Create = QV_VALUE_ENTRY(kADMDialogSuite, Create, create),
    .Show = QV_VALUE_ENTRY(kADMDialogSuite, Show, show),
    .IsVisible = QV_VALUE_ENTRY(kADMDialogSuite, IsVisible, isVisible),
    .Size = QV_VALUE_ENTRY(kADMDialogSuite, Size, size),
    .SetText = QV_VALUE_ENTRY(kADMDialogSuite, SetText, setText),
    .SetBoundsRect = QV_VALUE_ENTRY(kADMDialogSuite, SetBoundsRect, setBoundsRect),
    .GetBoundsRect = QV_VALUE_ENTRY(kADMDialogSuite, GetBoundsRect, getBoundsRect),
    .CreateItem = QV_VALUE_ENTRY(kADMDialogSuite, CreateItem, createItem),
    .GetItem = QV_VALUE_ENTRY(kADMDialogSuite, GetItem, getItem),
    .SetIcon = QV_VALUE_ENTRY(kADMDialogSuite, SetIcon, setIcon),
};

}  // namespace

void registerAdmDialogSuite(SuiteRegistry& registry) {
  registry.add(kADMDialogSuite, kADMDialogSuiteVersion, &kDialog);
}

}  // namespace qv::host
