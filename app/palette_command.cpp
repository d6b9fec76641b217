// `qvhost palette NAME`: selects module NAME's tool as a person would ("AI Select"), and prints
// every dialog the module then holds with every item's state, in creation order. Reads the
// host's dialog manager through the front-end view only.
#include <fmt/format.h>

#include "adm/dialog_view.h"
#include "commands.h"
#include "host_session.h"
#include "pica/error_text.h"

namespace qv::app {

namespace {

using host::adm::ItemKind;

std::string number(double value, int32_t places) { return fmt::format("{:.{}f}", value, places); }

std::string itemLine(const host::adm::ItemView& view) {
  const host::adm::Item& item = view.item;
  std::string line =
      fmt::format("  item {:<4} {:<11} rect {} {} {} {}", item.id, host::adm::kindName(item.kind),
                  item.rect.left, item.rect.top, item.rect.right, item.rect.bottom);
  const bool namedByLabel = item.kind == ItemKind::SpinEdit || item.kind == ItemKind::Popup;
  if (!namedByLabel) {
    line += fmt::format("  text \"{}\"", item.text);
  } else if (view.label.empty()) {
    line += "  label none";
  } else {
    line += fmt::format("  label \"{}\"", view.label);
  }
  if (item.kind == ItemKind::SpinEdit) {
    line += fmt::format("  value {}  range {}..{}  decimals {}",
                        number(item.number.value(), item.precision),
                        number(item.number.min(), item.precision),
                        number(item.number.max(), item.precision), item.precision);
  } else if (item.kind == ItemKind::CheckBox) {
    line += item.checked ? "  value on" : "  value off";
  } else if (item.kind == ItemKind::Popup) {
    std::string selected = "none";
    for (const host::adm::EntryView& entry : view.entries) {
      if (entry.selected) selected = fmt::format("{} \"{}\"", entry.id, entry.text);
    }
    line += fmt::format("  value {}  entries {}", selected, view.entries.size());
  }
  line += item.visible ? "  visible" : "  hidden";
  line += item.enabled ? "  enabled" : "  disabled";
  return line;
}

void printDialog(const host::adm::DialogView& view) {
  const host::adm::Dialog& dialog = view.dialog;
  const ADMRect& b = dialog.bounds;
  fmt::print("dialog \"{}\"\n", dialog.name);
  fmt::print("  title \"{}\"\n  style {}\n", dialog.title, dialog.style);
  fmt::print("  size {} x {}\n", b.right - b.left, b.bottom - b.top);
  fmt::print("  bounds {} {} {} {} (left top right bottom)\n", b.left, b.top, b.right, b.bottom);
  fmt::print("  {}\n", dialog.visible ? "visible" : "hidden");
  fmt::print("  {} items, in creation order:\n", view.items.size());
  for (const host::adm::ItemView& item : view.items) {
    fmt::print("{}\n", itemLine(item));
    for (const host::adm::EntryView& entry : item.entries) {
      fmt::print("      entry {} \"{}\"{}\n", entry.id, entry.text,
                 entry.selected ? "  selected" : "");
    }
  }
}

AIToolHandle firstToolOf(host::Host& host, const host::PluginModule& module) {
  for (const host::Tool& tool : host.tools().tools()) {
    if (tool.owner == &module) return tool.handle;
  }
  return nullptr;
}

}  // namespace

int runPaletteCommand(const std::filesystem::path& pluginsFolder, const std::string& name) {
  HostSession session = startHost(pluginsFolder);
  host::Host& host = *session.host;
  host::PluginModule* module = host.find(name);
  if (module == nullptr || module->state != host::ModuleState::Running) {
    fmt::print(stderr, "qvhost: no running module named \"{}\"\n", name);
    return 1;
  }
  const SPErr error =
      host.sendTool(*module, kSelectorAISelectTool, {}, 0, firstToolOf(host, *module));
  for (const std::string& line : host.misuseLog()) fmt::print(stderr, "qvhost: misuse: {}\n", line);
  const std::vector<ADMDialogRef> dialogs = host.dialogs().dialogsOf(module);
  if (dialogs.empty()) {
    fmt::print(stderr, "qvhost: {} made no palette when its tool was selected\n", name);
    return 1;
  }
  for (ADMDialogRef dialog : dialogs)
    printDialog(*host::adm::describeDialog(host.dialogs(), dialog));
  if (error != kNoErr) {
    fmt::print(stderr, "qvhost: {} answered \"AI Select\" with error {}\n", name,
               host::describeError(error));
    return 1;
  }
  return 0;
}

}  // namespace qv::app
