// The fixture of dialog-manager tests: a host with the palette probe module started (its dialog
// template 16201 is what the tests' dialogs are made from), the four suites as a module sees
// them, and dialogs whose init procedure and item procedures are test lambdas.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ADMDialog.h"
#include "ADMEntry.h"
#include "ADMItem.h"
#include "ADMList.h"
#include "host_fixture.h"

namespace qv::test {

inline std::filesystem::path paletteProbeFile() {
  return std::filesystem::path(QV_TEST_PLUGINS_DIR) / "palette" / "QVTest_Palette.so";
}

constexpr int32_t kProbeDialogID = 16201;

class AdmTest : public HostTest {
 protected:
  using Init = std::function<ADMErr(ADMDialogRef)>;
  using Proc = std::function<void(ADMItemRef, ADMNotifierRef)>;

  void SetUp() override {
    fixture() = this;
    module_ = &load(paletteProbeFile());
    ASSERT_EQ(host().startup(*module_), kNoErr);
    dialogSuite = suite<ADMDialogSuite>(kADMDialogSuite, kADMDialogSuiteVersion);
    itemSuite = suite<ADMItemSuite>(kADMItemSuite, kADMItemSuiteVersion);
    listSuite = suite<ADMListSuite>(kADMListSuite, kADMListSuiteVersion);
    entrySuite = suite<ADMEntrySuite>(kADMEntrySuite, kADMEntrySuiteVersion);
  }
  void TearDown() override {
    HostTest::TearDown();
    fixture() = nullptr;
  }

  host::PluginModule& module() { return *module_; }

  // A dialog of the probe module made from its template; `init` runs inside Create.
  ADMDialogRef makeDialog(Init init = {}, int32_t templateID = kProbeDialogID) {
    init_ = std::move(init);
    return dialogSuite->Create(module_->ref(), "test dialog", templateID, kADMFloatingDialogStyle,
                               init_ ? &runInit : nullptr, nullptr, 0);
  }
  ADMItemRef makeItem(ADMDialogRef dialog, int32_t id, const char* type, ADMRect rect,
                      const char* text = nullptr) {
    const ADMItemRef item = dialogSuite->CreateItem(dialog, id, type, &rect, nullptr, nullptr, 0);
    if (text != nullptr) itemSuite->SetText(item, text);
    return item;
  }
  // Makes `proc` the item's notify procedure.
  void bind(ADMItemRef item, Proc proc) {
    procs_[item] = std::move(proc);
    itemSuite->SetNotifyProc(item, &runProc);
  }
  std::string textOf(ADMItemRef item) {
    char text[128];
    itemSuite->GetText(item, text, sizeof text);
    return text;
  }
  // The type of the notification being delivered.
  std::string typeOf(ADMNotifierRef notifier) {
    const host::adm::Notification* delivered = host().dialogs().notification(notifier);
    return delivered == nullptr ? "" : delivered->type;
  }

  const ADMDialogSuite* dialogSuite = nullptr;
  const ADMItemSuite* itemSuite = nullptr;
  const ADMListSuite* listSuite = nullptr;
  const ADMEntrySuite* entrySuite = nullptr;

 private:
  template <typename Suite>
  const Suite* suite(const char* name, int32_t version) {
    return static_cast<const Suite*>(host().suites().offered().at({name, version}));
  }
  static AdmTest*& fixture() {
    static AdmTest* current = nullptr;
    return current;
  }
  static ADMErr runInit(ADMDialogRef dialog) { return fixture()->init_(dialog); }
  static void runProc(ADMItemRef item, ADMNotifierRef notifier) {
    // Copied: the procedure may bind another one to its own item while it runs.
    const Proc proc = fixture()->procs_.at(item);
    proc(item, notifier);
  }

  host::PluginModule* module_ = nullptr;
  Init init_;
  std::map<ADMItemRef, Proc> procs_;
};

}  // namespace qv::test
