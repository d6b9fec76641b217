// The ADM Dialog, Item, List and Entry suites as a module calls them: dialogs from templates,
// items by ID, clamped values, popup entries, notify procedures and their re-entrant delivery,
// and bad handles answered and logged.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "adm/dialog_template.h"
#include "adm/notification.h"
#include "adm_fixture.h"

namespace qv::test {
namespace {

constexpr ADMRect kRow = {190, 10, 250, 30};

using DialogSuites = AdmTest;

TEST_F(DialogSuites, CreateRunsTheInitProcedureOnTheDialogBeforeReturning) {
  ADMDialogRef seen = nullptr;
  ADMItemRef madeInInit = nullptr;
  const ADMDialogRef dialog = makeDialog([&](ADMDialogRef d) {
    seen = d;
    EXPECT_TRUE(dialogSuite->IsVisible(d)) << "the dialog exists while init runs";
    EXPECT_EQ(host().current(), &module()) << "init runs as the module's code";
    madeInInit = makeItem(d, 20, kADMSpinEditType, kRow);
    return kNoErr;
  });
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(seen, dialog);
  EXPECT_EQ(dialogSuite->GetItem(dialog, 20), madeInInit);

  const host::adm::Dialog& made = *host().dialogs().dialog(dialog);
  EXPECT_EQ(made.name, "test dialog");
  EXPECT_EQ(made.title, "Palette probe") << "the template's caption";
  EXPECT_EQ(made.style, kADMFloatingDialogStyle);
  ADMRect bounds{};
  dialogSuite->GetBoundsRect(dialog, &bounds);
  EXPECT_EQ((std::vector<int32_t>{bounds.left, bounds.top, bounds.right, bounds.bottom}),
            (std::vector<int32_t>{100, 100, 400, 280}))
      << "the template's 300 x 180 at the default place";
}

TEST_F(DialogSuites, CreateGivesNullForAMissingTemplateOrAFailedInit) {
  EXPECT_EQ(dialogSuite->Create(nullptr, "x", kProbeDialogID, 2, nullptr, nullptr, 0), nullptr);
  EXPECT_EQ(makeDialog({}, 999), nullptr);
  ASSERT_EQ(host().takeMisuseLog().size(), 2u) << "unknown plug-in and missing template";

  ADMItemRef madeInInit = nullptr;
  EXPECT_EQ(makeDialog([&](ADMDialogRef d) {
              madeInInit = makeItem(d, 20, kADMSpinEditType, kRow);
              return ADMErr{1};
            }),
            nullptr);
  EXPECT_TRUE(host().dialogs().dialogsOf(&module()).empty()) << "a failed init leaves nothing";
  EXPECT_EQ(host().dialogs().item(madeInInit), nullptr);
}

TEST(DialogTemplate, OnlyASizeOfTwoPositiveIntegersAndAStringCaptionAreAccepted) {
  const struct {
    std::string json;
    bool accepted;
  } cases[] = {
      {R"({"size":[330,430]})", true},
      {R"({"size":[330,430],"caption":"T"})", true},
      {R"({"caption":"T"})", false},
      {R"({"size":[330]})", false},
      {R"({"size":[0,430]})", false},
      {R"({"size":[330,430],"caption":7})", false},
      {"[1,2]", false},
      {"not json", false},
  };
  for (const auto& c : cases) {
    std::string error;
    const auto bytes = std::span(reinterpret_cast<const uint8_t*>(c.json.data()), c.json.size());
    EXPECT_EQ(host::adm::readDialogTemplate(bytes, error).has_value(), c.accepted) << c.json;
    EXPECT_EQ(error.empty(), c.accepted) << c.json;
  }
}

TEST_F(DialogSuites, SizeKeepsTheTopLeftCornerAndBoundsMoveTheDialog) {
  const ADMDialogRef dialog = makeDialog();
  dialogSuite->Size(dialog, 330, 430);
  ADMRect bounds{};
  dialogSuite->GetBoundsRect(dialog, &bounds);
  EXPECT_EQ((std::vector<int32_t>{bounds.left, bounds.top, bounds.right, bounds.bottom}),
            (std::vector<int32_t>{100, 100, 430, 530}));

  const ADMRect moved = {40, 60, 200, 300};
  dialogSuite->SetBoundsRect(dialog, &moved);
  dialogSuite->Size(dialog, 330, 430);
  dialogSuite->GetBoundsRect(dialog, &bounds);
  EXPECT_EQ((std::vector<int32_t>{bounds.left, bounds.top, bounds.right, bounds.bottom}),
            (std::vector<int32_t>{40, 60, 370, 490}));

  const ADMRect insideOut = {50, 50, 10, 10};
  dialogSuite->SetBoundsRect(dialog, &insideOut);
  dialogSuite->GetBoundsRect(dialog, &bounds);
  EXPECT_EQ(bounds.left, 40) << "refused";
  EXPECT_EQ(host().takeMisuseLog().size(), 1u);

  dialogSuite->SetText(dialog, "TESSALY1 - SPIRAL TOOL");
  dialogSuite->Show(dialog, false);
  EXPECT_EQ(host().dialogs().dialog(dialog)->title, "TESSALY1 - SPIRAL TOOL");
  EXPECT_FALSE(dialogSuite->IsVisible(dialog));
}

TEST_F(DialogSuites, ItemsAreMadeByTypeNameAndFoundByID) {
  const ADMDialogRef dialog = makeDialog();
  const struct {
    const char* type;
    host::adm::ItemKind kind;
  } kinds[] = {
      {kADMTextStaticType, host::adm::ItemKind::Label},
      {kADMSpinEditType, host::adm::ItemKind::SpinEdit},
      {kADMPopupListType, host::adm::ItemKind::Popup},
      {kADMTextCheckBoxType, host::adm::ItemKind::CheckBox},
      {kADMTextPushButtonType, host::adm::ItemKind::PushButton},
  };
  int32_t id = 1;
  for (const auto& k : kinds) {
    const ADMItemRef item = makeItem(dialog, id, k.type, kRow);
    ASSERT_NE(item, nullptr) << k.type;
    EXPECT_EQ(host().dialogs().item(item)->kind, k.kind) << k.type;
    EXPECT_EQ(dialogSuite->GetItem(dialog, id), item);
    EXPECT_EQ(itemSuite->GetID(item), id);
    EXPECT_EQ(itemSuite->GetDialog(item), dialog);
    EXPECT_TRUE(itemSuite->IsVisible(item) && itemSuite->IsEnabled(item)) << "new items are";
    EXPECT_EQ(itemSuite->GetList(item) != nullptr, k.kind == host::adm::ItemKind::Popup);
    ++id;
  }
  EXPECT_EQ(host().takeMisuseLog().size(), 4u) << "GetList of the four items that are no popup";

  EXPECT_EQ(makeItem(dialog, 1, kADMSpinEditType, kRow), nullptr) << "duplicate ID";
  EXPECT_EQ(makeItem(dialog, 50, "ADM Slider Type", kRow), nullptr) << "unknown type";
  EXPECT_EQ(dialogSuite->GetItem(dialog, 50), nullptr);
  EXPECT_EQ(host().takeMisuseLog().size(), 3u);
  EXPECT_EQ(host().dialogs().dialog(dialog)->items.size(), 5u);
}

TEST_F(DialogSuites, SpinEditValuesAreClampedAndReadAsIntegerOrDecimal) {
  const ADMDialogRef dialog = makeDialog();
  const ADMItemRef count = makeItem(dialog, 20, kADMSpinEditType, kRow);
  itemSuite->SetMinIntValue(count, 1);
  itemSuite->SetMaxIntValue(count, 10);
  itemSuite->SetIntValue(count, 50);
  EXPECT_EQ(itemSuite->GetIntValue(count), 10);
  itemSuite->SetMaxIntValue(count, 4);
  EXPECT_EQ(itemSuite->GetIntValue(count), 4) << "a new maximum re-clamps";

  const ADMItemRef scale = makeItem(dialog, 21, kADMSpinEditType, kRow);
  itemSuite->SetMinFloatValue(scale, 0.5f);
  itemSuite->SetMaxFloatValue(scale, 2.5f);
  itemSuite->SetFloatValue(scale, 1.3f);
  EXPECT_EQ(itemSuite->GetFloatValue(scale), 1.3f) << "a float reads back as set";
  EXPECT_EQ(itemSuite->GetIntValue(scale), 1);
  itemSuite->SetFloatValue(scale, std::nanf(""));
  itemSuite->SetMaxFloatValue(scale, std::nanf(""));
  EXPECT_EQ(itemSuite->GetFloatValue(scale), 1.3f) << "NaN is refused";
  EXPECT_EQ(host().takeMisuseLog().size(), 2u);
  itemSuite->SetFloatValue(scale, 7.0f);
  EXPECT_EQ(itemSuite->GetFloatValue(scale), 2.5f);
}

TEST_F(DialogSuites, TextsAreCopiedOutWithinTheBuffer) {
  const ADMItemRef label = makeItem(makeDialog(), 310, kADMTextStaticType, kRow, "Columns");
  char small[4] = "xyz";
  itemSuite->GetText(label, small, sizeof small);
  EXPECT_STREQ(small, "Col");
  itemSuite->GetText(label, nullptr, 10);
  EXPECT_EQ(host().takeMisuseLog().size(), 1u);
}

TEST_F(DialogSuites, PopupEntriesHaveTheirPositionAsIDAndOneSelectedEntry) {
  const ADMItemRef popup = makeItem(makeDialog(), 10, kADMPopupListType, kRow);
  const ADMListRef list = itemSuite->GetList(popup);
  EXPECT_EQ(listSuite->GetActiveEntry(list), nullptr) << "none selected yet";
  const ADMEntryRef first = listSuite->InsertEntry(list, 0);
  const ADMEntryRef second = listSuite->InsertEntry(list, 1);
  EXPECT_EQ(listSuite->InsertEntry(list, 3), nullptr) << "past the end";
  EXPECT_EQ(listSuite->InsertEntry(list, -1), nullptr);
  EXPECT_EQ(listSuite->IndexEntry(list, 2), nullptr);
  EXPECT_EQ(host().takeMisuseLog().size(), 3u);
  EXPECT_EQ(listSuite->NumberOfEntries(list), 2);
  EXPECT_EQ(entrySuite->GetID(second), 1);
  const ADMEntryRef front = listSuite->InsertEntry(list, 0);
  EXPECT_EQ(listSuite->IndexEntry(list, 1), first) << "inserting moves the others down";
  EXPECT_EQ(entrySuite->GetID(first), 0) << "an ID is kept once given";
  entrySuite->SetID(front, 7);
  EXPECT_EQ(entrySuite->GetID(front), 7);

  entrySuite->Select(first, true);
  entrySuite->Select(second, true);
  EXPECT_EQ(listSuite->GetActiveEntry(list), second) << "the last selected is the only one";
  entrySuite->Select(first, false);
  EXPECT_EQ(listSuite->GetActiveEntry(list), second) << "deselecting another changes nothing";
  entrySuite->Select(second, false);
  EXPECT_EQ(listSuite->GetActiveEntry(list), nullptr);

  entrySuite->SetText(second, " To white");
  char text[16];
  entrySuite->GetText(second, text, sizeof text);
  EXPECT_STREQ(text, " To white");
}

TEST_F(DialogSuites, AnItemHasOneProcedureALaterOneReplacingIt) {
  const ADMItemRef item = makeItem(makeDialog(), 20, kADMSpinEditType, kRow);
  itemSuite->SendNotify(item, kADMUserChangedNotifier);  // no procedure: nothing happens
  std::vector<std::string> ran;
  bind(item, [&](ADMItemRef, ADMNotifierRef n) { ran.push_back("first " + typeOf(n)); });
  bind(item, [&](ADMItemRef, ADMNotifierRef n) { ran.push_back("second " + typeOf(n)); });
  itemSuite->SendNotify(item, kADMUserChangedNotifier);
  EXPECT_EQ(ran, std::vector<std::string>{"second ADM User Changed Notifier"});
}

TEST_F(DialogSuites, SendNotifyRunsTheProcedureAtOnceAndReentrantly) {
  const ADMDialogRef dialog = makeDialog();
  const ADMItemRef reset = makeItem(dialog, 3, kADMTextPushButtonType, kRow);
  const ADMItemRef layer = makeItem(dialog, 4, kADMTextCheckBoxType, kRow);
  const ADMItemRef other = makeItem(dialog, 5, kADMSpinEditType, kRow);
  std::vector<std::string> order;
  bind(reset, [&](ADMItemRef item, ADMNotifierRef n) {
    itemSuite->DefaultNotify(item, n);
    order.push_back("reset begins");
    itemSuite->SendNotify(layer, "custom");
    order.push_back(itemSuite->IsVisible(other) ? "other visible" : "other hidden");
    itemSuite->DefaultNotify(item, n);  // its notifier outlives the nested one
  });
  bind(layer, [&](ADMItemRef item, ADMNotifierRef n) {
    itemSuite->DefaultNotify(item, n);
    order.push_back("layer " + typeOf(n));
    itemSuite->Show(other, false);
    makeItem(dialog, 6, kADMTextStaticType, kRow);  // adding items while others run is safe
  });
  itemSuite->SendNotify(reset, kADMUserChangedNotifier);
  EXPECT_EQ(order, (std::vector<std::string>{"reset begins", "layer custom", "other hidden"}));
  EXPECT_EQ(host().dialogs().item(reset)->defaultNotifies, 2);
  EXPECT_EQ(host().dialogs().item(layer)->defaultNotifies, 1);
  EXPECT_EQ(host().dialogs().notificationDepth(), 0u) << "every notifier ended";
}

TEST_F(DialogSuites, ANotificationLoopIsCutOffAndLogged) {
  const ADMItemRef item = makeItem(makeDialog(), 20, kADMSpinEditType, kRow);
  int runs = 0;
  bind(item, [&](ADMItemRef self, ADMNotifierRef) {
    ++runs;
    itemSuite->SendNotify(self, kADMUserChangedNotifier);
  });
  itemSuite->SendNotify(item, kADMUserChangedNotifier);
  EXPECT_EQ(runs, host::adm::kMaxNotificationDepth);
  EXPECT_EQ(host().takeMisuseLog().size(), 1u);
}

TEST_F(DialogSuites, DefaultNotifyWantsTheNotifierOfTheItemsOwnNotification) {
  const ADMDialogRef dialog = makeDialog();
  const ADMItemRef a = makeItem(dialog, 1, kADMSpinEditType, kRow);
  const ADMItemRef b = makeItem(dialog, 2, kADMSpinEditType, kRow);
  ADMNotifierRef kept = nullptr;
  bind(a, [&](ADMItemRef, ADMNotifierRef n) {
    kept = n;
    itemSuite->DefaultNotify(b, n);
  });
  itemSuite->SendNotify(a, kADMUserChangedNotifier);
  itemSuite->DefaultNotify(a, kept);  // the notification is over
  EXPECT_EQ(host().takeMisuseLog().size(), 2u);
  EXPECT_EQ(host().dialogs().item(a)->defaultNotifies + host().dialogs().item(b)->defaultNotifies,
            0);
}

TEST_F(DialogSuites, StaleAndNullHandlesAreAnsweredAndLogged) {
  ADMItemRef stale = nullptr;
  makeDialog([&](ADMDialogRef d) {
    stale = makeItem(d, 20, kADMPopupListType, kRow);
    return ADMErr{1};  // the dialog and its item are gone again
  });
  for (const ADMItemRef item : {stale, ADMItemRef{}}) {
    itemSuite->SetIntValue(item, 4);
    EXPECT_EQ(itemSuite->GetIntValue(item), 0);
    EXPECT_EQ(itemSuite->GetDialog(item), nullptr);
    EXPECT_EQ(itemSuite->GetList(item), nullptr);
    EXPECT_FALSE(itemSuite->IsVisible(item));
    itemSuite->SendNotify(item, kADMUserChangedNotifier);
    char text[8] = "xyz";
    itemSuite->GetText(item, text, sizeof text);
    EXPECT_STREQ(text, "") << "the output is written even so";
  }
  EXPECT_EQ(host().takeMisuseLog().size(), 14u);

  const auto foreign = reinterpret_cast<ADMDialogRef>(stale);  // an item is no dialog
  EXPECT_EQ(dialogSuite->GetItem(foreign, 20), nullptr);
  ADMRect bounds{1, 2, 3, 4};
  dialogSuite->GetBoundsRect(foreign, &bounds);
  EXPECT_EQ(bounds.right, 0);
  EXPECT_EQ(listSuite->NumberOfEntries(nullptr), 0);
  EXPECT_EQ(entrySuite->GetID(nullptr), 0);
  EXPECT_EQ(host().takeMisuseLog().size(), 4u);
}

TEST_F(DialogSuites, AnotherModulesDialogIsOutOfBounds) {
  const ADMItemRef item = makeItem(makeDialog(), 20, kADMSpinEditType, kRow);
  host::PluginModule& other = load(probeFile());
  host().callInto(other, [&] { itemSuite->Show(item, false); });
  EXPECT_TRUE(itemSuite->IsVisible(item));
  const auto log = host().takeMisuseLog();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_NE(log[0].find("another module"), std::string::npos) << log[0];
}

TEST_F(DialogSuites, PaletteIconsOfKindZeroAndOne) {
  const ADMDialogRef dialog = makeDialog();
  const ADMIconRef icon = host().icons().add(host::Icon{});
  dialogSuite->SetIcon(dialog, 0, icon);
  dialogSuite->SetIcon(dialog, 1, nullptr);  // a module without that icon resource
  EXPECT_EQ(host().dialogs().dialog(dialog)->icons[0], icon);
  dialogSuite->SetIcon(dialog, 2, icon);
  dialogSuite->SetIcon(dialog, 1, reinterpret_cast<ADMIconRef>(dialog));
  EXPECT_EQ(host().takeMisuseLog().size(), 2u);
  EXPECT_EQ(host().dialogs().dialog(dialog)->icons[1], nullptr);
}

}  // namespace
}  // namespace qv::test
