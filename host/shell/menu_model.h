// The host's menus as modules see them: named groups, items in groups, and items that open a
// submenu group. The host's own groups exist from the start ("About" among them).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "AIMenu.h"
#include "handle_table.h"

namespace qv::host {

struct PluginModule;

struct MenuGroup {
  std::string name;
  AIMenuItemHandle parentItem = nullptr;  // the item that opens it; null for a host group
};

struct MenuItem {
  std::string group;
  std::string text;
  const PluginModule* owner = nullptr;
  AIMenuGroup submenu = nullptr;
};

class MenuModel {
 public:
  MenuModel();
  // kSPNotFoundError for an unknown group.
  SPErr addItem(const PluginModule* owner, const std::string& group, const std::string& text,
                AIMenuItemHandle* item);
  SPErr addSubmenu(const std::string& name, AIMenuItemHandle item, AIMenuGroup* group);
  const MenuGroup* group(AIMenuGroup handle) const { return groups_.find(handle); }
  const MenuItem* item(AIMenuItemHandle handle) const { return items_.find(handle); }
  // Groups in the order they were made.
  const std::vector<AIMenuGroup>& groups() const { return groupOrder_; }
  // Items of a group in the order they were added.
  std::vector<AIMenuItemHandle> itemsOf(const std::string& group) const;
  std::optional<AIMenuGroup> findGroup(const std::string& name) const;
  // Removes what a module that is gone added. An item that opens a submenu still holding other
  // modules' items stays, as the host's own.
  void removeOwnedBy(const PluginModule* owner);

 private:
  HandleTable<AIMenuGroup, MenuGroup> groups_;
  HandleTable<AIMenuItemHandle, MenuItem> items_;
  std::vector<AIMenuGroup> groupOrder_;
  std::vector<AIMenuItemHandle> itemOrder_;
};

}  // namespace qv::host
