// The part of a tool module's host-driven fixture that both tools share: the module started
// once per host, its options palette as the dialog manager holds it, what every control shows,
// changes made as a person makes them, and the host's per-call counts.
#pragma once

#include <cstdint>
#include <map>

#include "adm/control_change.h"
#include "host_fixture.h"
#include "pica/call_sites.h"

namespace qv::test {

class ToolTest : public HostTest {
 protected:
  explicit ToolTest(const char* moduleName) : moduleName_(moduleName) {}

  // The module, loaded and started on first use.
  host::PluginModule& module() {
    if (module_ == nullptr) {
      module_ = &loadPlugin(moduleName_);
      EXPECT_EQ(host().startup(*module_), kNoErr);
    }
    return *module_;
  }
  SPErr selectTool() { return host().sendTool(module(), kSelectorAISelectTool); }
  // A new host (with the end-of-test checks for the old one) and a new load of the module.
  void restart(host::HostOptions options) {
    HostTest::TearDown();
    module_ = nullptr;
    makeHost(options);
  }

  // The module's one palette; null (and a failure) when it has none or more.
  ADMDialogRef palette() {
    const auto dialogs = host().dialogs().dialogsOf(&module());
    EXPECT_EQ(dialogs.size(), 1u) << moduleName_ << " has one palette";
    return dialogs.empty() ? nullptr : dialogs.back();
  }
  host::adm::Dialog& dialog() { return *host().dialogs().dialog(palette()); }
  const host::adm::Item& item(int32_t id) {
    const ADMItemRef found = host().dialogs().itemWithId(palette(), id);
    if (found == nullptr) {
      ADD_FAILURE() << "the palette has no item " << id;
      static const host::adm::Item none;
      return none;
    }
    return *host().dialogs().item(found);
  }
  double number(int32_t id) { return item(id).number.value(); }
  bool checked(int32_t id) { return item(id).checked; }
  bool visible(int32_t id) { return item(id).visible; }
  bool enabled(int32_t id) { return item(id).enabled; }
  // The ID of a popup's selected entry; -1 when none is selected.
  int32_t selected(int32_t id) {
    const host::adm::EntryList* list = host().dialogs().list(item(id).list);
    if (list == nullptr || list->active == nullptr) return -1;
    return host().dialogs().entry(list->active)->id;
  }

  // What every control of the palette shows, by item ID: a number, a tick or an entry ID.
  std::map<int32_t, double> values() {
    std::map<int32_t, double> shown;
    for (const ADMItemRef handle : dialog().items) {
      const host::adm::Item& control = *host().dialogs().item(handle);
      switch (control.kind) {
        case host::adm::ItemKind::SpinEdit:
          shown[control.id] = control.number.value();
          break;
        case host::adm::ItemKind::CheckBox:
          shown[control.id] = control.checked ? 1 : 0;
          break;
        case host::adm::ItemKind::Popup:
          shown[control.id] = selected(control.id);
          break;
        default:
          break;
      }
    }
    return shown;
  }

  // A person's change, by item ID or visible label: a number typed (or, for a popup, the ID of
  // the entry picked), a tick, an entry picked by its text, or a press.
  void change(const host::adm::ControlRef& control, const host::adm::ControlInput& input) {
    const host::adm::ChangeResult result =
        host::adm::changeControl(host(), palette(), control, input);
    EXPECT_TRUE(result.ok()) << result.error;
  }

  // Calls of one host suite function so far.
  static uint64_t calls(const char* suite, const char* call) {
    const host::CallSite* site = host::CallSiteRegistry::instance().find(suite, call);
    EXPECT_NE(site, nullptr) << suite << " / " << call;
    return site == nullptr ? 0 : site->calls;
  }

 private:
  const char* moduleName_;
  host::PluginModule* module_ = nullptr;
};

}  // namespace qv::test
