// The fixture of the copy tool's host-driven tests: the started module, its options palette as
// the dialog manager holds it, changes made as a person makes them, gestures with the tool, a
// new plug-in object in the same load (whose palette shows the option variables as they are),
// and selected squares in the document.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "adm/control_change.h"
#include "host_fixture.h"
#include "pica/call_sites.h"

namespace qv::test {

class Tessaly1Test : public HostTest {
 protected:
  host::PluginModule& tessaly1() {
    if (module_ == nullptr) {
      module_ = &loadPlugin(kTessaly1);
      EXPECT_EQ(host().startup(*module_), kNoErr);
    }
    return *module_;
  }
  SPErr selectTool() { return host().sendTool(tessaly1(), kSelectorAISelectTool); }
  // A new host (with the end-of-test checks for the old one) and a new load of the module.
  void restart(host::HostOptions options) {
    HostTest::TearDown();
    module_ = nullptr;
    makeHost(options);
  }

  // The module's one palette; null (and a failure) when it has none or more.
  ADMDialogRef palette() {
    const auto dialogs = host().dialogs().dialogsOf(&tessaly1());
    EXPECT_EQ(dialogs.size(), 1u) << "the copy tool has one palette";
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

  // A person's change: a number typed (or, for a popup, the ID of the entry picked), a tick,
  // an entry picked by its text, or a press.
  void change(int32_t id, const host::adm::ControlInput& input) {
    const host::adm::ChangeResult result = host::adm::changeControl(host(), palette(), id, input);
    EXPECT_TRUE(result.ok()) << result.error;
  }
  static constexpr int32_t kToolPopup = 19;
  static constexpr int32_t kResetButton = 3;
  void pickTool(int32_t tool) { change(kToolPopup, static_cast<double>(tool)); }

  // A new plug-in object in the same load of the code: the option variables stay, and the
  // palette made at its first selection is built from them.
  void rebuild() {
    EXPECT_EQ(host().shutdown(tessaly1()), kNoErr);
    EXPECT_EQ(host().startup(tessaly1()), kNoErr);
    EXPECT_EQ(selectTool(), kNoErr);
  }

  // Calls of one host suite function so far.
  static uint64_t calls(const char* suite, const char* call) {
    const host::CallSite* site = host::CallSiteRegistry::instance().find(suite, call);
    EXPECT_NE(site, nullptr) << suite << " / " << call;
    return site == nullptr ? 0 : site->calls;
  }
  static uint64_t undoCalls() { return calls("AI Undo Suite", "UndoChanges"); }

  host::DragEvent at(AIReal h, AIReal v, AIToolPressure pressure = 0) {
    return host::DragEvent{AIRealPoint{h, v}, 0, pressure};
  }
  // Mouse down, `drags` drag events, mouse up; each drag must succeed.
  void gesture(int drags, AIToolPressure pressure = 0) {
    EXPECT_EQ(host().mouseDown(tessaly1(), at(100, 100)), kNoErr);
    for (int i = 1; i <= drags; ++i) {
      EXPECT_EQ(host().mouseDrag(tessaly1(), at(100 + 10.0f * i, 100, pressure)), kNoErr);
    }
    EXPECT_EQ(host().mouseUp(tessaly1(), at(100 + 10.0f * drags, 100)), kNoErr);
  }

  // A selected closed square path in the current layer.
  host::Art& selectedSquare(AIReal left, AIReal bottom, AIReal size) {
    host::Art& art = host().document().create(kPathArt);
    const AIRealPoint corners[] = {
        {left, bottom}, {left, bottom + size}, {left + size, bottom + size}, {left + size, bottom}};
    for (const AIRealPoint corner : corners) art.segments.push_back({corner, corner, corner, true});
    art.closed = true;
    host().document().select(art, true);
    return art;
  }
  std::size_t artCount() {
    std::size_t count = 0;
    host().document().forEach([&count](const host::Art&) { ++count; });
    return count;
  }

 private:
  host::PluginModule* module_ = nullptr;
};

}  // namespace qv::test
