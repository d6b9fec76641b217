// The host's menu model. Touches only its groups and items.
#include "menu_model.h"

namespace qv::host {

MenuModel::MenuModel() {
  for (const char* name : {"File", "Edit", "Object", "Window", "Help", kAboutMenuGroup}) {
    groupOrder_.push_back(groups_.add(MenuGroup{name, nullptr}));
  }
}

std::optional<AIMenuGroup> MenuModel::findGroup(const std::string& name) const {
  for (AIMenuGroup handle : groupOrder_) {
    if (groups_.find(handle)->name == name) return handle;
  }
  return std::nullopt;
}

SPErr MenuModel::addItem(const PluginModule* owner, const std::string& group,
                         const std::string& text, AIMenuItemHandle* item) {
  if (!findGroup(group)) return kSPNotFoundError;
  const AIMenuItemHandle handle = items_.add(MenuItem{group, text, owner, nullptr});
  itemOrder_.push_back(handle);
  *item = handle;
  return kSPNoError;
}

SPErr MenuModel::addSubmenu(const std::string& name, AIMenuItemHandle item, AIMenuGroup* group) {
  MenuItem* parent = items_.find(item);
  if (parent == nullptr) return kSPBadHandleError;
  if (parent->submenu != nullptr || findGroup(name)) return kSPBadParameterError;
  const AIMenuGroup handle = groups_.add(MenuGroup{name, item});
  groupOrder_.push_back(handle);
  parent->submenu = handle;
  *group = handle;
  return kSPNoError;
}

void MenuModel::removeOwnedBy(const PluginModule* owner) {
  auto erase = [this](AIMenuItemHandle handle) {
    items_.erase(handle);
    std::erase(itemOrder_, handle);
  };
  for (AIMenuItemHandle handle : std::vector<AIMenuItemHandle>(itemOrder_)) {
    const MenuItem* item = items_.find(handle);
    if (item->owner == owner && item->submenu == nullptr) erase(handle);
  }
  // Submenus: kept for the others while they hold items, gone once nobody's items are left.
  for (AIMenuItemHandle handle : std::vector<AIMenuItemHandle>(itemOrder_)) {
    MenuItem* item = items_.find(handle);
    if ((item->owner != owner && item->owner != nullptr) || item->submenu == nullptr) continue;
    if (!itemsOf(groups_.find(item->submenu)->name).empty()) {
      item->owner = nullptr;
      continue;
    }
    groups_.erase(item->submenu);
    std::erase(groupOrder_, item->submenu);
    erase(handle);
  }
}

std::vector<AIMenuItemHandle> MenuModel::itemsOf(const std::string& group) const {
  std::vector<AIMenuItemHandle> result;
  for (AIMenuItemHandle handle : itemOrder_) {
    if (items_.find(handle)->group == group) result.push_back(handle);
  }
  return result;
}

}  // namespace qv::host
