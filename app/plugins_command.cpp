// `qvhost plugins`: what the host loaded and what the modules registered with it.
#include <fmt/format.h>

#include "commands.h"
#include "host_session.h"
#include "pica/error_text.h"

namespace qv::app {

namespace {

void printMenu(const host::MenuModel& menus, const std::string& group, int depth) {
  for (AIMenuItemHandle handle : menus.itemsOf(group)) {
    const host::MenuItem* item = menus.item(handle);
    const host::MenuGroup* submenu =
        item->submenu != nullptr ? menus.group(item->submenu) : nullptr;
    fmt::print("{:{}}\"{}\"{}\n", "", depth * 2, item->text, submenu != nullptr ? " >" : "");
    if (submenu != nullptr) printMenu(menus, submenu->name, depth + 1);
  }
}

}  // namespace

int runPluginsCommand(const std::filesystem::path& pluginsFolder) {
  HostSession session = startHost(pluginsFolder);
  host::Host& host = *session.host;

  fmt::print("Plug-ins folder: {}\n\nModules:\n", pluginsFolder.string());
  for (const auto& load : session.loads) {
    if (load.module == nullptr) {
      fmt::print("  {:<16} {:<24} not loaded: {}\n", "-", load.file.filename().string(),
                 load.error);
    }
  }
  for (const auto& module : host.modules()) {
    std::string state = host::stateName(module->state);
    if (module->state == host::ModuleState::Failed) {
      state += ": " + host::describeError(module->lastError);
    }
    fmt::print("  {:<16} {:<24} {}\n", module->name(), module->file.filename().string(), state);
  }

  fmt::print("\nTools:\n");
  for (const host::Tool& tool : host.tools().tools()) {
    const std::string owner = tool.owner != nullptr ? tool.owner->name() : "host";
    fmt::print("  \"{}\"  title \"{}\"  tooltip \"{}\"  number {}  group {}  toolset {}  ({})\n",
               tool.name, tool.title, tool.tooltip, tool.number, tool.group, tool.toolset, owner);
  }

  fmt::print("\nMenu \"{}\":\n", kAboutMenuGroup);
  printMenu(host.menus(), kAboutMenuGroup, 1);
  return session.anyRunning() ? 0 : 1;
}

}  // namespace qv::app
