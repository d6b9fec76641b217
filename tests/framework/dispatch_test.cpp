// Message dispatch through PluginMain: messages before startup, pairs no handler takes, the
// notifier rows, exceptions from handlers, the purge answer, and unload/reload of the code.
#include "host_fixture.h"

namespace qv::test {
namespace {

using host::ModuleState;

constexpr SPErr kUnhandled = QV_FOURCC('!', 'M', 'S', 'G');
constexpr SPErr kCant = QV_FOURCC('C', 'A', 'N', 'T');

class DispatchTest : public HostTest {
 protected:
  // A module that would show any error it returns.
  host::PluginModule& startedWithMessages(const std::filesystem::path& file) {
    auto& module = load(file);
    module.resources.setStringList(16050, {"0", "Error %s."});
    EXPECT_EQ(host().startup(module), kNoErr);
    return module;
  }
  // Runs the probe's drag behaviour; `code` is what behaviours 2 and 3 throw or return.
  SPErr drag(host::PluginModule& module, float behaviour, const char* code = "0") {
    module.resources.setStringList(16200, {code});
    return host().sendTool(module, kSelectorAIToolMouseDrag, AIRealPoint{behaviour, 0});
  }
};

TEST_F(DispatchTest, MessageBeforeStartupAnswersZeroAndShowsNothing) {
  auto& tessaly1 = loadPlugin(kTessaly1);
  EXPECT_EQ(host().sendTool(tessaly1, kSelectorAIToolMouseDown), kNoErr);
  EXPECT_EQ(host().sendInterface(tessaly1, kSPInterfaceCaller, kSPInterfaceShutdownSelector),
            kNoErr);
  EXPECT_EQ(tessaly1.globals, nullptr);
  EXPECT_TRUE(host().frontEnd().empty());
  EXPECT_TRUE(host().holdings(tessaly1).empty());
}

TEST_F(DispatchTest, PairsWithoutAHandlerAnswerZero) {
  const std::pair<const char*, const char*> pairs[] = {
      {"No Such Caller", "AI Go"},
      {"AI Tool", "AI Go"},
      {"AI Tool", "AI Reselect"},
      {"AI Tool", "AI Decrease Diameter"},
      {"AI Tool", "AI Mouse Down"},
      {"AI Menu", "AI Update"},
      {"AI Filter", "AI Go"},
      {"AI File Format", "AI Update AI140"},
      {"AI Live Effect", "AI Live Effect Go Live"},
      {"SP Properties", "Acquire"},
      {"Workspace Manager", "Write Workspace"},
      {"Workspace Manager", "Write Woskspace"},
      {"Action Manager", "Do Action"},
  };
  auto& tessaly1 = startedWithMessages(pluginFile(kTessaly1));
  for (const auto& [caller, selector] : pairs) {
    SPPropertiesMessage message{};  // the largest record any of these callers reads
    EXPECT_EQ(host().send(tessaly1, caller, selector, &message), kNoErr)
        << caller << " / " << selector;
  }
  EXPECT_TRUE(alerts().empty());
}

TEST_F(DispatchTest, NotifierRowsCallTheRightHandlers) {
  auto& probe = load(probeFile());
  host().startAll();
  // At start the host announced the application start to the probe's notifier.
  EXPECT_EQ(traces(), (std::vector<std::string>{"PostStartupPlugin", "Notify"}));
  ASSERT_EQ(host().notifiers().size(), 1u);
  EXPECT_EQ(host().notifiers()[0].name, "QVTest_Probe App Started Notifier");
  EXPECT_EQ(host().notifiers()[0].type, kAIApplicationStartedNotifier);

  struct Row {
    const char* selector;
    const char* type;
    std::vector<std::string> calls;
  };
  const Row rows[] = {
      {kSelectorAINotify, kAIApplicationStartedNotifier, {"PostStartupPlugin", "Notify"}},
      {kSelectorAINotify, "AI Art Selection Changed Notifier", {"Notify"}},
      {"AI Other Selector", kAIApplicationStartedNotifier, {"PostStartupPlugin"}},
      {"AI Other Selector", "AI Art Selection Changed Notifier", {}},
  };
  for (const Row& row : rows) {
    host().frontEnd().clear();
    EXPECT_EQ(host().sendNotifier(probe, row.selector, row.type), kNoErr);
    EXPECT_EQ(traces(), row.calls) << row.selector << " / " << row.type;
  }
  EXPECT_TRUE(host().contexts().empty()) << "every notifier pushed context was popped";
}

TEST_F(DispatchTest, HandlerResultsReachTheHost) {
  auto& probe = startedWithMessages(probeFile());
  EXPECT_EQ(drag(probe, 1), kCant);             // std::runtime_error
  EXPECT_EQ(drag(probe, 2, "3039"), 12345);     // ai::Error
  EXPECT_EQ(drag(probe, 3, "FFFFFF94"), -108);  // a returned code
  EXPECT_EQ(drag(probe, 4), kNoErr);            // "not handled" never reaches it
  EXPECT_EQ(alerts(), (std::vector<std::string>{"Error CANT.", "Error 12345.", "Error -108."}));
}

TEST_F(DispatchTest, PurgeAnswerIsReturnedButNeverShown) {
  auto& probe = startedWithMessages(probeFile());
  EXPECT_EQ(host().sendInterface(probe, kSPCacheCaller, kSPPluginPurgeSelector),
            QV_FOURCC('p', 'F', 'l', 's'));
  // The real modules have nothing to purge.
  auto& tessaly1 = startedWithMessages(pluginFile(kTessaly1));
  EXPECT_EQ(host().sendInterface(tessaly1, kSPCacheCaller, kSPPluginPurgeSelector), kNoErr);
  EXPECT_TRUE(alerts().empty());
}

TEST_F(DispatchTest, OptionalSuitesAreTriedBeforeEveryMessage) {
  auto& probe = load(probeFile());
  ASSERT_EQ(host().startup(probe), kNoErr);
  EXPECT_EQ(host().suites().held(&probe, "AI Mesh Suite", 3), 1);
  const int before = host().suites().attempts(&probe, "AI Symbol Suite");
  EXPECT_GE(before, 1);
  drag(probe, 0);
  drag(probe, 0);
  EXPECT_EQ(host().suites().attempts(&probe, "AI Symbol Suite"), before + 2);
  EXPECT_EQ(host().suites().acquisitions(&probe, "AI Mesh Suite"), 1);
}

TEST_F(DispatchTest, UnloadThenReloadKeepsTheObjectAndAcquiresTheSuitesAgain) {
  auto& tessaly1 = loadPlugin(kTessaly1);
  host().startAll();
  void* object = tessaly1.globals;
  const int suites = host().holdings(tessaly1).suites;
  const auto menuItems = host().menus().itemsOf("BrellanSoftwareLtd");
  ASSERT_EQ(menuItems.size(), 1u);

  ASSERT_EQ(host().unload(tessaly1), kNoErr);
  EXPECT_EQ(tessaly1.state, ModuleState::Unloaded);
  EXPECT_FALSE(host().codeIsLoaded(tessaly1)) << "the code is really gone";
  EXPECT_EQ(host().holdings(tessaly1).suites, 0);
  EXPECT_EQ(tessaly1.globals, object);

  ASSERT_EQ(host().reload(tessaly1), kNoErr);
  EXPECT_EQ(tessaly1.state, ModuleState::Running);
  EXPECT_EQ(tessaly1.globals, object);
  EXPECT_EQ(host().holdings(tessaly1).suites, suites);
  EXPECT_EQ(host().suites().acquisitions(&tessaly1, "AI Envelope Suite"), 2);
  // The about entry made before the unload still belongs to the object.
  EXPECT_EQ(host().menus().itemsOf("BrellanSoftwareLtd"), menuItems);
  EXPECT_EQ(host().pickMenuItem(menuItems[0]), kNoErr);
  ASSERT_EQ(traces().size(), 1u);
  EXPECT_EQ(host().frontEnd().back().title, "About QV17_Tessaly1");
}

TEST_F(DispatchTest, ReloadKeepsThePluginName) {
  auto& probe = load(probeFile());
  ASSERT_EQ(host().startup(probe), kNoErr);
  ASSERT_EQ(host().unload(probe), kNoErr);
  EXPECT_EQ(drag(probe, 5), kSPBadHandleError) << "no code to send to while unloaded";
  ASSERT_EQ(host().reload(probe), kNoErr);
  EXPECT_EQ(drag(probe, 5), kNoErr);
  // The name, cut to the 8-byte buffer the probe offers; its full length is 12.
  EXPECT_EQ(traces(), std::vector<std::string>{"QVTest_"});
}

TEST_F(DispatchTest, ReloadWithoutTheSuitesDegradesAndRecovers) {
  auto& tessaly1 = loadPlugin(kTessaly1);
  host().startAll();
  ASSERT_EQ(host().unload(tessaly1), kNoErr);
  host().suites().withdraw("AI Art Suite");
  EXPECT_EQ(host().reload(tessaly1), kSPSuiteNotFoundError);
  EXPECT_EQ(tessaly1.state, ModuleState::Degraded);
  EXPECT_EQ(host().holdings(tessaly1).suites, 0);
  EXPECT_EQ(host().sendTool(tessaly1, kSelectorAITrackToolCursor), kNoErr);
  EXPECT_TRUE(shown(host::FrontEndKind::Cursor).empty()) << "no handler runs while degraded";
  host().suites().restore("AI Art Suite");
  EXPECT_EQ(host().reload(tessaly1), kNoErr);
  EXPECT_EQ(tessaly1.state, ModuleState::Running);
}

TEST_F(DispatchTest, UnloadedModuleIsShutDownCleanly) {
  auto& tessaly1 = loadPlugin(kTessaly1);
  host().startAll();
  ASSERT_EQ(host().unload(tessaly1), kNoErr);
  EXPECT_EQ(host().shutdown(tessaly1), kNoErr);
  EXPECT_EQ(tessaly1.state, ModuleState::ShutDown);
  EXPECT_TRUE(host().holdings(tessaly1).empty());
}

}  // namespace
}  // namespace qv::test
