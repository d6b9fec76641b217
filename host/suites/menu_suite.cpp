// AI Menu Suite: items, submenu groups and group lookup over the host's menu model.
#include "AIMenu.h"
#include "all_suites.h"
#include "host.h"
#include "pica/suite_entry.h"

namespace qv::host {

namespace {

AIErr addMenuItem(SPPluginRef plugin, const char* /*shortcutKey*/,
                  const AIPlatformAddMenuItemDataUS* data, int32_t /*options*/,
                  AIMenuItemHandle* menuItem) {
  if (menuItem == nullptr || data == nullptr || data->groupName == nullptr) {
    return kSPBadParameterError;
  }
  *menuItem = nullptr;
  Host& host = Host::active();
  PluginModule* module = host.moduleFor(plugin);
  if (module == nullptr) return kSPBadHandleError;
  const HostString* text = host.strings().find(data->itemText);
  if (text == nullptr) return kSPBadHandleError;
  return host.menus().addItem(module, data->groupName, text->utf8, menuItem);
}

AIErr addMenuGroupAsSubMenu(const char* groupName, int32_t /*options*/, AIMenuItemHandle menuItem,
                            AIMenuGroup* group) {
  if (groupName == nullptr || group == nullptr) return kSPBadParameterError;
  *group = nullptr;
  return Host::active().menus().addSubmenu(groupName, menuItem, group);
}

AIErr getMenuGroupName(AIMenuGroup group, const char** name) {
  if (name == nullptr) return kSPBadParameterError;
  *name = nullptr;
  const MenuGroup* found = Host::active().menus().group(group);
  if (found == nullptr) return kSPBadHandleError;
  *name = found->name.c_str();
  return kNoErr;
}

AIErr countMenuGroups(int32_t* count) {
  if (count == nullptr) return kSPBadParameterError;
  *count = static_cast<int32_t>(Host::active().menus().groups().size());
  return kNoErr;
}

AIErr getNthMenuGroup(int32_t index, AIMenuGroup* group) {
  if (group == nullptr) return kSPBadParameterError;
  *group = nullptr;
  const auto& groups = Host::active().menus().groups();
  if (index < 0 || static_cast<std::size_t>(index) >= groups.size()) return kSPNotFoundError;
  *group = groups[static_cast<std::size_t>(index)];
  return kNoErr;
}

const AIMenuSuite kMenu = {
    .AddMenuItem = QV_ENTRY(kAIMenuSuite, AddMenuItem, addMenuItem),
    .AddMenuGroupAsSubMenu = QV_ENTRY(kAIMenuSuite, AddMenuGroupAsSubMenu, addMenuGroupAsSubMenu),
    .GetMenuGroupName = QV_ENTRY(kAIMenuSuite, GetMenuGroupName, getMenuGroupName),
    .CountMenuGroups = QV_ENTRY(kAIMenuSuite, CountMenuGroups, countMenuGroups),
    .GetNthMenuGroup = QV_ENTRY(kAIMenuSuite, GetNthMenuGroup, getNthMenuGroup),
};

}  // namespace

void registerMenuSuite(SuiteRegistry& registry) {
  registry.add(kAIMenuSuite, kAIMenuSuiteVersion, &kMenu);
}

}  // namespace qv::host
