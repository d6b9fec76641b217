// Startup and shutdown of the real modules through the host: suite acquisition and release,
// a missing suite, out of memory, host calls failing during startup, and what is held after.
#include <cctype>

#include "host_fixture.h"
#include "pica/call_sites.h"

namespace qv::test {
namespace {

using host::ModuleState;

constexpr SPErr kInjected = QV_FOURCC('T', 'E', 'S', 'T');

class StartupTest : public HostTest {};

TEST_F(StartupTest, BothModulesStartAndHoldTheirSuites) {
  auto& tessaly1 = loadPlugin(kTessaly1);
  auto& pivora = loadPlugin(kPivora);
  host().startAll();
  EXPECT_EQ(tessaly1.state, ModuleState::Running);
  EXPECT_EQ(pivora.state, ModuleState::Running);
  // Five basic suites plus the module's table ("AI Tool Suite" twice).
  EXPECT_EQ(host().holdings(tessaly1).suites, 5 + 34);
  EXPECT_EQ(host().holdings(pivora).suites, 5 + 29);
  EXPECT_EQ(host().suites().held(&tessaly1, "AI Tool Suite", 10), 2);
  EXPECT_EQ(tessaly1.registeredName, "QV17_Tessaly1");
  EXPECT_EQ(pivora.registeredName, "QV17_Pivora");
  EXPECT_EQ(tessaly1.options & 2, 2);
  EXPECT_EQ(pivora.options & 2, 2);
}

TEST_F(StartupTest, ShutdownLeavesNothingHeld) {
  auto& tessaly1 = loadPlugin(kTessaly1);
  auto& pivora = loadPlugin(kPivora);
  host().startAll();
  EXPECT_GT(host().holdings(tessaly1).blocks, 0u);  // the plug-in object and its Suites
  EXPECT_EQ(host().shutdown(tessaly1), kNoErr);
  EXPECT_EQ(host().shutdown(pivora), kNoErr);
  for (auto* module : {&tessaly1, &pivora}) {
    EXPECT_TRUE(host().holdings(*module).empty()) << module->name();
    EXPECT_EQ(module->globals, nullptr);
    EXPECT_EQ(module->state, ModuleState::ShutDown);
  }
}

TEST_F(StartupTest, StartupShutdownStartupAcquiresEverySuiteAgain) {
  auto& tessaly1 = loadPlugin(kTessaly1);
  ASSERT_EQ(host().startup(tessaly1), kNoErr);
  ASSERT_EQ(host().shutdown(tessaly1), kNoErr);
  EXPECT_EQ(host().holdings(tessaly1).suites, 0);
  ASSERT_EQ(host().startup(tessaly1), kNoErr);
  EXPECT_EQ(host().holdings(tessaly1).suites, 5 + 34);
  EXPECT_EQ(host().suites().acquisitions(&tessaly1, "AI Art Suite"), 2);
  EXPECT_EQ(host().suites().acquisitions(&tessaly1, "SP Access Suite"), 2);
}

TEST_F(StartupTest, MissingMeshSuiteFailsOnlyTheCopyTool) {
  host().suites().withdraw("AI Mesh Suite");
  auto& tessaly1 = loadPlugin(kTessaly1);
  auto& pivora = loadPlugin(kPivora);
  host().startAll();
  EXPECT_EQ(tessaly1.state, ModuleState::Failed);
  EXPECT_EQ(tessaly1.lastError, kSPSuiteNotFoundError);
  EXPECT_EQ(tessaly1.globals, nullptr);
  // Everything acquired before the missing suite went back; nothing after it was asked for.
  EXPECT_TRUE(host().holdings(tessaly1).empty());
  EXPECT_EQ(host().suites().acquisitions(&tessaly1, "AI Symbol Suite"), 1);
  EXPECT_EQ(host().suites().attempts(&tessaly1, "AI Hit Test Suite"), 0);
  EXPECT_EQ(pivora.state, ModuleState::Running);
  // The failed module answers later messages with 0 and shows nothing.
  EXPECT_EQ(host().sendTool(tessaly1, kSelectorAIToolMouseDown), kNoErr);
  EXPECT_TRUE(alerts().empty());
}

TEST_F(StartupTest, OutOfMemoryAtStartupLeavesNoObject) {
  // Request 1 is the plug-in object, request 2 its Suites object.
  for (const uint64_t failing : {1u, 2u}) {
    SCOPED_TRACE(failing);
    makeHost();
    auto& tessaly1 = loadPlugin(kTessaly1);
    host().memory().failRequest(failing);
    EXPECT_EQ(host().startup(tessaly1), QV_FOURCC('!', 'M', 'E', 'M'));
    EXPECT_EQ(tessaly1.state, ModuleState::Failed);
    EXPECT_EQ(tessaly1.globals, nullptr);
    EXPECT_TRUE(host().holdings(tessaly1).empty());
    EXPECT_EQ(host().sendTool(tessaly1, kSelectorAIToolMouseDown), kNoErr);
  }
}

struct FailingCall {
  const char* suite;
  const char* call;
  SPErr expected;  // what startup answers
};

class StartupCallFailureTest : public HostTest,
                               public ::testing::WithParamInterface<FailingCall> {};

// Every checked host call of startup ends it with its error, and the object goes with nothing
// left behind, whichever module fails.
TEST_P(StartupCallFailureTest, FailsWithTheCallsErrorAndHoldsNothing) {
  const FailingCall& failing = GetParam();
  for (const char* name : {kTessaly1, kPivora}) {
    SCOPED_TRACE(name);
    makeHost();
    auto& module = loadPlugin(name);
    host::CallSite* site = host::CallSiteRegistry::instance().find(failing.suite, failing.call);
    ASSERT_NE(site, nullptr);
    site->failCode = kInjected;
    site->failTimes = -1;
    EXPECT_EQ(host().startup(module), failing.expected);
    site->failCode = kNoErr;
    EXPECT_EQ(module.state, ModuleState::Failed);
    EXPECT_TRUE(host().holdings(module).empty());
    EXPECT_EQ(host().sendTool(module, kSelectorAIToolMouseDown), kNoErr);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Calls, StartupCallFailureTest,
    ::testing::Values(FailingCall{"SP Plug-ins Suite", "SetPluginName", kInjected},
                      FailingCall{"AI Notifier Suite", "AddNotifier", kInjected},
                      FailingCall{"AI Plugin Suite", "GetPluginOptions", kInjected},
                      FailingCall{"AI Plugin Suite", "SetPluginOptions", kInjected},
                      FailingCall{"AI Tool Suite", "AddTool", kInjected},
                      FailingCall{"AI Tool Suite", "SetToolSecondIcon", kInjected},
                      // No icon at all: the dialog manager types it as unknown.
                      FailingCall{"ADM Icon Suite", "GetFromResource",
                                  QV_FOURCC('!', 'i', 'c', 'o')},
                      FailingCall{"AI Menu Suite", "CountMenuGroups", kInjected},
                      FailingCall{"AI Menu Suite", "AddMenuItem", kInjected},
                      FailingCall{"AI Menu Suite", "AddMenuGroupAsSubMenu", kInjected},
                      // A string failure unwinds as ai::Error; startup takes its code.
                      FailingCall{"AI Unicode String Suite", "Initialize", kInjected},
                      FailingCall{"AI Unicode String Suite", "Copy", kInjected}),
    [](const ::testing::TestParamInfo<FailingCall>& call) {
      std::string name = std::string(call.param.suite) + "_" + call.param.call;
      std::erase_if(name, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); });
      return name;
    });

TEST_F(StartupTest, IconWithoutAnImageFailsRegistration) {
  auto& tessaly1 = loadPlugin(kTessaly1);
  tessaly1.resources.set(host::fourCC("PNGI"), 16051, {'n', 'o', 't', ' ', 'p', 'n', 'g'});
  EXPECT_EQ(host().startup(tessaly1), QV_FOURCC('!', 'i', 'c', 'o'));
  EXPECT_TRUE(host().holdings(tessaly1).empty());
}

TEST_F(StartupTest, StartupFailureIsShownWhenTheModuleHasAMessage) {
  auto& tessaly1 = loadPlugin(kTessaly1);
  tessaly1.resources.setStringList(16050, {"TEST", "Startup failed (%s)."});
  host::CallSite* site = host::CallSiteRegistry::instance().find("AI Tool Suite", "AddTool");
  site->failCode = kInjected;
  site->failTimes = 1;
  EXPECT_EQ(host().startup(tessaly1), kInjected);
  EXPECT_EQ(alerts(), std::vector<std::string>{"Startup failed (TEST)."});
  // The alert borrowed ADM Basic Suite version 2 and gave it back.
  EXPECT_EQ(host().suites().acquisitions(&tessaly1, "ADM Basic Suite"), 2);
  EXPECT_TRUE(host().holdings(tessaly1).empty());
}

TEST_F(StartupTest, ToolsAreRegisteredWithTheirTextsAndIcons) {
  loadPlugin(kTessaly1);
  loadPlugin(kPivora);
  host().startAll();
  const host::Tool* copyTool = host().tools().byName("Tessaly1 Tool");
  const host::Tool* pointTool = host().tools().byName(" Pivora");
  ASSERT_NE(copyTool, nullptr);
  ASSERT_NE(pointTool, nullptr);
  EXPECT_EQ(copyTool->title, "Tessaly1 Tool");
  EXPECT_EQ(copyTool->tooltip, "Tessaly1 Tool");
  EXPECT_EQ(pointTool->title, " Pivora");
  EXPECT_EQ(pointTool->tooltip, " Pivora - Drag points using start and end of cursor drag");
  // The host matches tool names exactly, so " Tessaly1 Tool" is never found and each tool
  // starts its own group and toolset.
  EXPECT_EQ(pointTool->group, pointTool->number);
  EXPECT_EQ(copyTool->group, copyTool->number);
  EXPECT_EQ(copyTool->options, 1);
  for (const host::Tool* tool : {copyTool, pointTool}) {
    for (ADMIconRef icon : {tool->icon, tool->secondIcon}) {
      const host::Icon* image = host().icons().find(icon);
      ASSERT_NE(image, nullptr);
      EXPECT_EQ(image->type, kADMPNGIconType);
      EXPECT_EQ(image->width, 24);
      EXPECT_EQ(image->height, 24);
    }
  }
}

TEST_F(StartupTest, PointToolJoinsTheGroupOfAToolNamedWithTheBlank) {
  auto& pivora = loadPlugin(kPivora);
  // Another module's tool under the exact name the point-drag tool asks for.
  auto& probe = load(probeFile());
  ASSERT_EQ(host().startup(probe), kNoErr);
  AIAddToolData data{};
  data.sameGroupAs = kNoTool;
  data.sameToolsetAs = kNoTool;
  AIToolHandle handle = nullptr;
  ASSERT_EQ(host().tools().add(&probe, " Tessaly1 Tool", data, 0, &handle), kNoErr);
  ASSERT_EQ(host().startup(pivora), kNoErr);
  const host::Tool* pointTool = host().tools().byName(" Pivora");
  ASSERT_NE(pointTool, nullptr);
  EXPECT_EQ(pointTool->group, host().tools().byName(" Tessaly1 Tool")->number);
  EXPECT_EQ(pointTool->toolset, pointTool->number);
}

TEST_F(StartupTest, TrackCursorShowsCursor16001) {
  for (const char* name : {kTessaly1, kPivora}) {
    makeHost();
    auto& module = loadPlugin(name);
    ASSERT_EQ(host().startup(module), kNoErr);
    EXPECT_EQ(host().sendTool(module, kSelectorAITrackToolCursor), kNoErr);
    ASSERT_EQ(host().frontEnd().size(), 1u);
    EXPECT_EQ(host().frontEnd()[0].kind, host::FrontEndKind::Cursor);
    EXPECT_EQ(host().frontEnd()[0].resourceID, 16001);
    EXPECT_EQ(host().frontEnd()[0].module, &module);
  }
}

}  // namespace
}  // namespace qv::test
