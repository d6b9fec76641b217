// The plug-in manager: loading a folder, refusing what is not a module or not ours, and
// keeping modules apart.
#include <fstream>
#include <map>

#include "host_fixture.h"

namespace qv::test {
namespace {

class PluginManagerTest : public HostTest {
 protected:
  std::filesystem::path scratch() {
    const auto folder =
        std::filesystem::temp_directory_path() /
        ("qv-plugins-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder);
    return folder;
  }
};

TEST_F(PluginManagerTest, LoadsTheBuildsPluginsFolder) {
  const auto results = host().loadFolder(QV_PLUGINS_DIR);
  ASSERT_EQ(results.size(), 2u);
  for (const auto& result : results) EXPECT_NE(result.module, nullptr) << result.error;
  EXPECT_EQ(host().find(kPivora)->properties.entryPoint, "PluginMain");
  EXPECT_EQ(host().find(kTessaly1)->properties.interfaceVersion, 2);
  EXPECT_EQ(host().find(kTessaly1)->resources.stringList(16100),
            std::vector<std::string>{"Tessaly1 Tool"});
}

TEST_F(PluginManagerTest, MissingFolderIsOneError) {
  const auto results = host().loadFolder("/no/such/folder");
  ASSERT_EQ(results.size(), 1u);
  EXPECT_EQ(results[0].module, nullptr);
  EXPECT_EQ(results[0].error, "plug-ins folder does not exist");
}

TEST_F(PluginManagerTest, BrokenModulesAreRefusedByNameAndReason) {
  const auto folder = scratch();
  std::ofstream(folder / "garbage.so") << "this is not a shared object";
  std::ofstream(folder / "empty.so");
  std::ofstream(folder / "notes.txt") << "ignored: not a module file name";
  for (const auto& entry :
       std::filesystem::directory_iterator(std::filesystem::path(QV_TEST_PLUGINS_DIR) / "broken")) {
    std::filesystem::copy_file(entry.path(), folder / entry.path().filename(),
                               std::filesystem::copy_options::overwrite_existing);
  }
  std::filesystem::copy_file(pluginFile(kPivora), folder / "QV17_Pivora.so",
                             std::filesystem::copy_options::overwrite_existing);

  const auto results = host().loadFolder(folder);
  std::map<std::string, std::string> errors;
  for (const auto& result : results) errors[result.file.filename().string()] = result.error;
  EXPECT_EQ(errors.size(), 6u);
  EXPECT_EQ(errors["QV17_Pivora.so"], "");
  EXPECT_NE(errors["garbage.so"].find("not a plug-in module"), std::string::npos)
      << errors["garbage.so"];
  EXPECT_NE(errors["empty.so"].find("not a plug-in module"), std::string::npos)
      << errors["empty.so"];
  EXPECT_NE(errors["QVTest_bad-kind.so"].find("SPEX"), std::string::npos)
      << errors["QVTest_bad-kind.so"];
  EXPECT_NE(errors["QVTest_bad-version.so"].find("version is 3"), std::string::npos)
      << errors["QVTest_bad-version.so"];
  EXPECT_EQ(errors["QVTest_bad-entry.so"], "entry point 'PluginMian' not found");
  // The good module still loads and starts.
  host().startAll();
  EXPECT_EQ(host().find(kPivora)->state, host::ModuleState::Running);
  std::filesystem::remove_all(folder);
}

TEST_F(PluginManagerTest, SameModuleTwiceIsRefused) {
  loadPlugin(kTessaly1);
  const auto second = host().loadModule(pluginFile(kTessaly1));
  EXPECT_EQ(second.module, nullptr);
  EXPECT_EQ(second.error, "a module named QV17_Tessaly1 is already loaded");
}

TEST_F(PluginManagerTest, ModulesShareNoState) {
  // Both modules define the same framework symbols (sSPBasic, gImportSuites, PluginMain...);
  // loaded privately, each keeps its own: shutting one down leaves the other fully working.
  auto& tessaly1 = loadPlugin(kTessaly1);
  auto& pivora = loadPlugin(kPivora);
  host().startAll();
  ASSERT_EQ(host().shutdown(tessaly1), kNoErr);
  EXPECT_EQ(host().holdings(pivora).suites, 5 + 29);
  EXPECT_EQ(host().sendTool(pivora, kSelectorAITrackToolCursor), kNoErr);
  ASSERT_EQ(host().frontEnd().size(), 1u);
  EXPECT_EQ(host().frontEnd()[0].module, &pivora);
}

}  // namespace
}  // namespace qv::test
