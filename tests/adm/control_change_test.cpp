// The front end's change of a control as a person would make it: finding the control by ID or
// by the text a person reads, refusing what a person could not do with nothing changed, the
// value a person would see, and the notification that follows.
#include "adm/control_change.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "adm/dialog_view.h"
#include "adm_fixture.h"

namespace qv::test {
namespace {

using host::adm::ControlInput;
using host::adm::ControlRef;

// A palette laid out as the copy tool lays out its own: a visible section and a hidden one on
// the same rows, a common part below. Every control reports to `seen` what it held when its
// procedure ran.
class ControlChange : public AdmTest {
 protected:
  void SetUp() override {
    AdmTest::SetUp();
    dialog = makeDialog([this](ADMDialogRef d) {
      label(d, 310, {10, 10, 185, 30}, "Columns");
      spin(d, 20, {190, 10, 250, 30}, 1, 100, 0);
      spin(d, 21, {260, 10, 320, 30}, 1, 100, 0);  // column B: no label of its own
      label(d, 311, {10, 32, 185, 52}, "Gap:");
      spin(d, 22, {190, 32, 250, 52}, 0, 10, 2);
      label(d, 313, {10, 54, 60, 74}, "Fill");
      popup(d, 10, {70, 54, 220, 74}, {" Ignore", " To white", " To black"});
      label(d, 314, {10, 76, 185, 96}, "Rows");
      itemSuite->Enable(spin(d, 23, {190, 76, 250, 96}, 1, 9, 0), false);
      // The hidden section, over the visible one.
      itemSuite->Show(label(d, 320, {10, 10, 185, 30}, "Columns"), false);
      itemSuite->Show(spin(d, 40, {190, 10, 250, 30}, 1, 5, 0), false);
      itemSuite->Show(label(d, 321, {10, 32, 185, 52}, "Copies"), false);
      itemSuite->Show(spin(d, 41, {190, 32, 250, 52}, 1, 5, 0), false);
      // The common part.
      popup(d, 19, {10, 300, 160, 320}, {" Grid plug-in", " Drag plug-in"});
      control(d, 30, kADMTextCheckBoxType, {10, 330, 110, 344}, "Layer");
      itemSuite->Enable(control(d, 31, kADMTextCheckBoxType, {113, 330, 213, 344}, "Group"), false);
      control(d, 3, kADMTextPushButtonType, {10, 350, 90, 370}, "Reset");
      control(d, 5, kADMTextPushButtonType, {100, 350, 180, 370}, "Apply");
      control(d, 6, kADMTextPushButtonType, {190, 350, 270, 370}, "Apply");
      return kNoErr;
    });
  }

  ADMItemRef label(ADMDialogRef d, int32_t id, ADMRect rect, const char* text) {
    return makeItem(d, id, kADMTextStaticType, rect, text);
  }
  ADMItemRef control(ADMDialogRef d, int32_t id, const char* type, ADMRect rect,
                     const char* text = nullptr) {
    const ADMItemRef item = makeItem(d, id, type, rect, text);
    bind(item, [this](ADMItemRef self, ADMNotifierRef n) { seen.push_back(report(self, n)); });
    return item;
  }
  ADMItemRef spin(ADMDialogRef d, int32_t id, ADMRect rect, int32_t min, int32_t max,
                  int32_t places) {
    const ADMItemRef item = control(d, id, kADMSpinEditType, rect);
    itemSuite->SetMinIntValue(item, min);
    itemSuite->SetMaxIntValue(item, max);
    itemSuite->SetIntValue(item, min);
    itemSuite->SetPrecision(item, places);
    return item;
  }
  void popup(ADMDialogRef d, int32_t id, ADMRect rect, const std::vector<const char*>& entries) {
    const ADMListRef list = itemSuite->GetList(control(d, id, kADMPopupListType, rect));
    for (std::size_t k = 0; k < entries.size(); ++k) {
      const ADMEntryRef entry = listSuite->InsertEntry(list, static_cast<int32_t>(k));
      entrySuite->SetText(entry, entries[k]);
    }
    entrySuite->Select(listSuite->IndexEntry(list, 0), true);
  }

  // "<id> <notification>: <what the item holds>", read through the suites as a module would.
  std::string report(ADMItemRef item, ADMNotifierRef notifier) {
    std::string held;
    switch (host().dialogs().item(item)->kind) {
      case host::adm::ItemKind::SpinEdit: {
        char number[32];
        std::snprintf(number, sizeof number, "%g", itemSuite->GetFloatValue(item));
        held = number;
        break;
      }
      case host::adm::ItemKind::Popup:
        held =
            "entry " +
            std::to_string(entrySuite->GetID(listSuite->GetActiveEntry(itemSuite->GetList(item))));
        break;
      case host::adm::ItemKind::CheckBox:
        held = itemSuite->GetBooleanValue(item) ? "on" : "off";
        break;
      default:
        held = "pressed";
    }
    return std::to_string(itemSuite->GetID(item)) + " " + typeOf(notifier) + ": " + held;
  }

  // Everything a person could see change: each item's value, state and selected entry.
  std::vector<std::string> state() {
    std::vector<std::string> lines;
    const auto shown = host::adm::describeDialog(host().dialogs(), dialog);
    for (const auto& view : shown->items) {
      std::string line = std::to_string(view.item.id) + " " +
                         std::to_string(view.item.number.value()) + " " +
                         (view.item.checked ? "on" : "off");
      for (const auto& entry : view.entries) line += entry.selected ? " *" : " -";
      lines.push_back(line);
    }
    return lines;
  }

  host::adm::ChangeResult change(const ControlRef& control, const ControlInput& input) {
    return host::adm::changeControl(host(), dialog, control, input);
  }

  ADMDialogRef dialog = nullptr;
  std::vector<std::string> seen;
};

const std::string kChanged = " ADM User Changed Notifier: ";

TEST_F(ControlChange, AChangeSetsWhatAPersonWouldSeeThenNotifies) {
  const struct {
    ControlRef control;
    ControlInput input;
    std::string report;
  } cases[] = {
      {20, 42.0, "20" + kChanged + "42"},
      {"Columns", 150.0, "20" + kChanged + "100"},  // typed past the range: clamped
      {"Columns", -4.0, "20" + kChanged + "1"},
      {"Gap", 3.14159, "22" + kChanged + "3.14"},  // two decimal places
      {"  Gap: ", 9.999, "22" + kChanged + "10"},
      {"Fill", std::string("To white"), "10" + kChanged + "entry 1"},
      {10, 2.0, "10" + kChanged + "entry 2"},
      {"Drag plug-in", std::string(" Drag plug-in"), "19" + kChanged + "entry 1"},
      {"Layer", true, "30" + kChanged + "on"},
      {"Reset", std::monostate{}, "3" + kChanged + "pressed"},
  };
  for (const auto& c : cases) {
    seen.clear();
    const host::adm::ChangeResult result = change(c.control, c.input);
    EXPECT_TRUE(result.ok()) << c.report << ": " << result.error;
    EXPECT_EQ(seen, std::vector<std::string>{c.report});
  }
}

TEST_F(ControlChange, WhatAPersonCouldNotDoIsRefusedWithNothingChanged) {
  const struct {
    ControlRef control;
    ControlInput input;
    std::string error;
  } cases[] = {
      {99, 1.0, "no item 99"},
      {"Nothing", 1.0, "no control \"Nothing\""},
      {40, 1.0, "spin edit 40 \"Columns\" is hidden"},
      {"Copies", 1.0, "spin edit 41 \"Copies\" is hidden"},
      {"Rows", 1.0, "spin edit 23 \"Rows\" is disabled"},
      {"Group", true, "checkbox 31 \"Group\" is disabled"},
      {310, 1.0, "label 310 \"Columns\" is a label"},
      {"Fill", std::string("Purple"), "popup 10 \"Fill\" has no entry \"Purple\""},
      {10, 7.0, "popup 10 \"Fill\" has no entry with ID 7"},
      {10, 0.5, "has no entry with ID 0.5"},
      {10, true, "takes the text or ID of one of its entries"},
      {20, true, "spin edit 20 \"Columns\" takes a number"},
      {20, std::nan(""), "takes a number"},
      {20, std::string("7"), "takes a number"},
      {"Layer", 1.0, "checkbox 30 \"Layer\" takes on or off"},
      {"Reset", 1.0, "push button 3 \"Reset\" takes no value"},
      {"Apply", std::monostate{}, "\"Apply\" names more than one control"},
  };
  const std::vector<std::string> before = state();
  for (const auto& c : cases) {
    const host::adm::ChangeResult result = change(c.control, c.input);
    EXPECT_FALSE(result.ok()) << c.error;
    EXPECT_NE(result.error.find(c.error), std::string::npos) << result.error;
  }
  EXPECT_EQ(state(), before);
  EXPECT_TRUE(seen.empty()) << "no procedure ran";
}

TEST_F(ControlChange, AHiddenDialogTakesNoChange) {
  dialogSuite->Show(dialog, false);
  const host::adm::ChangeResult result = change(20, 5.0);
  EXPECT_EQ(result.error, "dialog \"test dialog\" is hidden");
  EXPECT_TRUE(seen.empty());
}

TEST_F(ControlChange, EachControlReadsAsTheLabelOnItsRow) {
  std::vector<std::string> labels;
  const auto shown = host::adm::describeDialog(host().dialogs(), dialog);
  for (const auto& view : shown->items) {
    if (view.item.kind == host::adm::ItemKind::SpinEdit ||
        view.item.kind == host::adm::ItemKind::Popup) {
      labels.push_back(std::to_string(view.item.id) + " " + view.label);
    }
  }
  EXPECT_EQ(labels, (std::vector<std::string>{"20 Columns", "21 ", "22 Gap:", "10 Fill", "23 Rows",
                                              "40 Columns", "41 Copies", "19 "}))
      << "column B has no label; the hidden section pairs with its own hidden labels";
}

TEST_F(ControlChange, AProcedureThatHidesAControlMakesItUnreachable) {
  bind(dialogSuite->GetItem(dialog, 30), [this](ADMItemRef self, ADMNotifierRef n) {
    itemSuite->DefaultNotify(self, n);
    itemSuite->Show(dialogSuite->GetItem(dialog, 22), !itemSuite->GetBooleanValue(self));
  });
  ASSERT_TRUE(change("Layer", true).ok());
  EXPECT_FALSE(change("Gap", 1.0).ok());
  ASSERT_TRUE(change("Layer", false).ok());
  EXPECT_TRUE(change("Gap", 1.0).ok());
  EXPECT_EQ(host().dialogs().item(dialogSuite->GetItem(dialog, 30))->defaultNotifies, 2);
}

}  // namespace
}  // namespace qv::test
