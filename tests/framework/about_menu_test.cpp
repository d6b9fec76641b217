// The shared about submenu and the about alert, whatever order the modules start in.
#include "host_fixture.h"

namespace qv::test {
namespace {

class AboutMenuTest : public HostTest {
 protected:
  // The texts of the items of a group, in order.
  std::vector<std::string> itemTexts(const std::string& group) {
    std::vector<std::string> texts;
    for (AIMenuItemHandle item : host().menus().itemsOf(group)) {
      texts.push_back(host().menus().item(item)->text);
    }
    return texts;
  }
  AIMenuItemHandle entryOf(const host::PluginModule& module) {
    for (AIMenuItemHandle item : host().menus().itemsOf("BrellanSoftwareLtd")) {
      if (host().menus().item(item)->owner == &module) return item;
    }
    ADD_FAILURE() << "no about entry for " << module.name();
    return nullptr;
  }
};

class AboutMenuOrderTest : public AboutMenuTest, public ::testing::WithParamInterface<bool> {};

TEST_P(AboutMenuOrderTest, OneSubmenuHoldsBothEntriesInStartOrder) {
  const bool reversed = GetParam();
  makeHost(host::HostOptions{.reverseStartOrder = reversed});
  loadPlugin(kTessaly1);
  loadPlugin(kPivora);
  host().startAll();
  EXPECT_EQ(itemTexts(kAboutMenuGroup),
            std::vector<std::string>{"About Brellan Software Plug-ins"});
  const std::vector<std::string> expected =
      reversed ? std::vector<std::string>{"QV17_Tessaly1...", "QV17_Pivora..."}
               : std::vector<std::string>{"QV17_Pivora...", "QV17_Tessaly1..."};
  EXPECT_EQ(itemTexts("BrellanSoftwareLtd"), expected);
  const host::MenuItem* submenu = host().menus().item(host().menus().itemsOf(kAboutMenuGroup)[0]);
  EXPECT_EQ(host().menus().group(submenu->submenu)->name, "BrellanSoftwareLtd");
}

INSTANTIATE_TEST_SUITE_P(StartOrders, AboutMenuOrderTest, ::testing::Bool());

TEST_F(AboutMenuTest, OneModuleAloneMakesTheSubmenuWithItsEntry) {
  loadPlugin(kPivora);
  host().startAll();
  EXPECT_EQ(itemTexts(kAboutMenuGroup),
            std::vector<std::string>{"About Brellan Software Plug-ins"});
  EXPECT_EQ(itemTexts("BrellanSoftwareLtd"), std::vector<std::string>{"QV17_Pivora..."});
}

TEST_F(AboutMenuTest, ExistingGroupOfTheMakerIsReused) {
  // Another of the maker's modules made the group first, under an entry of its own.
  auto& probe = load(probeFile());
  ASSERT_EQ(host().startup(probe), kNoErr);
  loadPlugin(kTessaly1);
  loadPlugin(kPivora);
  host().startAll();
  EXPECT_EQ(itemTexts(kAboutMenuGroup).size(), 1u);
  EXPECT_EQ(itemTexts("BrellanSoftwareLtd"),
            (std::vector<std::string>{"QVTest_Probe...", "QV17_Pivora...", "QV17_Tessaly1..."}));
}

TEST_F(AboutMenuTest, ShutDownModuleTakesItsEntryAndToolWithIt) {
  // The copy tool starts second here but made nothing the point-drag tool relies on; the
  // point-drag tool made the submenu, which stays while it holds the copy tool's entry.
  auto& tessaly1 = loadPlugin(kTessaly1);
  auto& pivora = loadPlugin(kPivora);
  host().startAll();
  ASSERT_EQ(host().shutdown(pivora), kNoErr);
  EXPECT_EQ(itemTexts(kAboutMenuGroup),
            std::vector<std::string>{"About Brellan Software Plug-ins"});
  EXPECT_EQ(itemTexts("BrellanSoftwareLtd"), std::vector<std::string>{"QV17_Tessaly1..."});
  EXPECT_EQ(host().tools().byName(" Pivora"), nullptr);
  ASSERT_EQ(host().shutdown(tessaly1), kNoErr);
  EXPECT_TRUE(itemTexts(kAboutMenuGroup).empty());
  EXPECT_TRUE(host().tools().tools().empty());
  // Started again, the module registers afresh.
  ASSERT_EQ(host().startup(tessaly1), kNoErr);
  EXPECT_EQ(itemTexts("BrellanSoftwareLtd"), std::vector<std::string>{"QV17_Tessaly1..."});
  EXPECT_NE(host().tools().byName("Tessaly1 Tool"), nullptr);
}

TEST_F(AboutMenuTest, PickingAnEntryShowsThatModulesAboutAlert) {
  auto& tessaly1 = loadPlugin(kTessaly1);
  auto& pivora = loadPlugin(kPivora);
  host().startAll();
  for (auto* module : {&tessaly1, &pivora}) {
    host().frontEnd().clear();
    EXPECT_EQ(host().pickMenuItem(entryOf(*module)), kNoErr);
    ASSERT_EQ(host().frontEnd().size(), 1u);
    const host::FrontEndEvent& alert = host().frontEnd()[0];
    EXPECT_EQ(alert.kind, host::FrontEndKind::AboutAlert);
    EXPECT_EQ(alert.title, "About " + module->name());
    EXPECT_NE(alert.text.find("Brellan Software"), std::string::npos);
    EXPECT_EQ(alert.module, module);
  }
  // The alert borrowed ADM Basic Suite and gave it back.
  EXPECT_EQ(host().suites().held(&tessaly1, "ADM Basic Suite", 10), 1);
}

TEST_F(AboutMenuTest, AnotherModulesItemDoesNothing) {
  auto& tessaly1 = loadPlugin(kTessaly1);
  auto& pivora = loadPlugin(kPivora);
  host().startAll();
  AIMenuMessage message{};
  message.menuItem = entryOf(pivora);
  EXPECT_EQ(host().send(tessaly1, kCallerAIMenu, kSelectorAIGoMenuItem, &message), kNoErr);
  EXPECT_TRUE(host().frontEnd().empty());
}

TEST_F(AboutMenuTest, AboutMessageShowsTheAboutBoxWithoutTexts) {
  // Neither module ships the about string list, so the box gets two empty texts.
  auto& tessaly1 = loadPlugin(kTessaly1);
  host().startAll();
  EXPECT_EQ(host().sendInterface(tessaly1, kSPInterfaceCaller, kSPInterfaceAboutSelector), kNoErr);
  ASSERT_EQ(host().frontEnd().size(), 1u);
  EXPECT_EQ(host().frontEnd()[0].kind, host::FrontEndKind::AboutBox);
  EXPECT_EQ(host().frontEnd()[0].title, "");
  tessaly1.resources.setStringList(16600, {"First", "Second"});
  host().sendInterface(tessaly1, kSPInterfaceCaller, kSPInterfaceAboutSelector);
  EXPECT_EQ(host().frontEnd()[1].title, "First");
  EXPECT_EQ(host().frontEnd()[1].text, "Second");
}

}  // namespace
}  // namespace qv::test
