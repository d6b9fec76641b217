// `qvhost about NAME`: picks a module's about entry as a user would and prints the about box
// the module asked the host to show.
#include <fmt/format.h>

#include "commands.h"
#include "host_session.h"

namespace qv::app {

int runAboutCommand(const std::filesystem::path& pluginsFolder, const std::string& name) {
  HostSession session = startHost(pluginsFolder);
  host::Host& host = *session.host;
  const host::PluginModule* module = host.find(name);
  if (module == nullptr || module->state != host::ModuleState::Running) {
    fmt::print(stderr, "qvhost: no running module named \"{}\"\n", name);
    return 1;
  }
  // The module's entries in the submenus of the host's About group.
  for (AIMenuItemHandle top : host.menus().itemsOf(kAboutMenuGroup)) {
    const host::MenuItem* item = host.menus().item(top);
    if (item->submenu == nullptr) continue;
    for (AIMenuItemHandle entry : host.menus().itemsOf(host.menus().group(item->submenu)->name)) {
      if (host.menus().item(entry)->owner != module) continue;
      const std::size_t before = host.frontEnd().size();
      host.pickMenuItem(entry);
      bool shown = false;
      for (std::size_t i = before; i < host.frontEnd().size(); ++i) {
        const host::FrontEndEvent& event = host.frontEnd()[i];
        if (event.kind != host::FrontEndKind::AboutAlert &&
            event.kind != host::FrontEndKind::AboutBox) {
          continue;
        }
        fmt::print("{}\n\n{}\n", event.title, event.text);
        shown = true;
      }
      if (!shown) {
        fmt::print(stderr, "qvhost: {} showed no about box\n", name);
        return 1;
      }
      return 0;
    }
  }
  fmt::print(stderr, "qvhost: {} has no entry in the About menu\n", name);
  return 1;
}

}  // namespace qv::app
