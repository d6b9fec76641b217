// The demo gallery through the real modules: every panel made and drawn on the contact sheet,
// a failing panel reported while the others still run, and output folders that cannot be used.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "demo/demo_gallery.h"
#include "io/png_support.h"
#include "io/svg_import.h"

namespace qv::app {
namespace {

class DemoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        std::filesystem::temp_directory_path() /
        ("qv-demo-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  int run(const std::vector<DemoPanel>& panels, const std::filesystem::path& folder,
          const std::filesystem::path& plugins = QV_PLUGINS_DIR) {
    std::ostringstream out, err;
    const int status = runDemo(panels, plugins, folder, out, err);
    out_ = out.str();
    err_ = err.str();
    return status;
  }
  std::string read(const std::string& name) {
    std::ifstream in(folder_ / name);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  std::size_t artCount(const std::string& name) {
    const host::io::ImportResult svg = host::io::importSvg(folder_ / name);
    if (!svg.ok()) return 0;
    std::size_t count = 0;
    svg.document->forEach([&count](const host::Art&) { ++count; });
    return count;
  }

  std::filesystem::path folder_;
  std::string out_;
  std::string err_;
};

TEST_F(DemoTest, EveryPanelIsMadeAndShownOnTheContactSheet) {
  const auto& panels = demoPanels();
  ASSERT_EQ(run(panels, folder_), 0) << out_ << err_;
  EXPECT_EQ(err_, "");
  // What each gesture leaves: the three shapes and the members or trace copies it made.
  const std::map<std::string, std::size_t> art = {
      {"artwork", 3},         {"grid-colour", 3 + 19},  // 5 x 4, the tile itself one member
      {"grid-check", 3 + 17},                           // 6 x 6, half the cells empty
      {"drag-fade", 3 + 6},   {"points-handles", 3},   {"points-factor", 3},
      {"points-anchors", 3},  {"points-trace", 3 + 5},  // one trace copy per event
  };
  ASSERT_EQ(art.size(), panels.size()) << "every panel has its row here";
  const std::string original = read("artwork.svg");
  for (std::size_t i = 0; i < panels.size(); ++i) {
    const DemoPanel& panel = panels[i];
    SCOPED_TRACE(panel.name);
    EXPECT_NE(
        out_.find("[" + std::to_string(i + 1) + "/" + std::to_string(panels.size()) + "] " +
                  panel.title + " ... wrote " + panel.name + ".svg, " + panel.name + ".png\n"),
        std::string::npos)
        << out_;
    EXPECT_EQ(artCount(panel.name + ".svg"), art.at(panel.name));
    if (panel.name != "artwork") {
      EXPECT_NE(read(panel.name + ".svg"), original) << "the gesture changed the artwork";
    }
    EXPECT_TRUE(test::PngImage(folder_ / (panel.name + ".png")).ok());
  }
  const test::PngImage sheet(folder_ / kContactSheetFile);
  ASSERT_TRUE(sheet.ok());
  EXPECT_GT(sheet.width(), sheet.height()) << "three panels to a row";
}

TEST_F(DemoTest, AFailingPanelIsReportedAndTheOthersStillRun) {
  const std::vector<DemoPanel> panels = {
      {"first", "First", R"({"steps": []})"},
      {"broken", "Broken", R"({"steps": [{"select": ["nothing"]}]})"},
      {"garbled", "Garbled", "[1, 2"},
      {"last", "Last", R"({"steps": [{"select": ["dot"]}]})"},
  };
  std::ofstream(folder_ / "broken.svg") << "<svg/>";  // from an earlier run
  EXPECT_EQ(run(panels, folder_), 1);
  EXPECT_NE(out_.find("[2/4] Broken ... failed\n"), std::string::npos) << out_;
  EXPECT_NE(err_.find("panel 2 (broken): step 1 (select): no art with id \"nothing\""),
            std::string::npos)
      << err_;
  EXPECT_NE(err_.find("panel 3 (garbled): the panel's script is not"), std::string::npos) << err_;
  EXPECT_NE(out_.find("[4/4] Last ... wrote last.svg, last.png\n"), std::string::npos) << out_;
  EXPECT_NE(out_.find("2 of 4 panels made"), std::string::npos) << out_;
  EXPECT_FALSE(std::filesystem::exists(folder_ / "broken.svg")) << "no stale result is left";
  EXPECT_TRUE(std::filesystem::exists(folder_ / "last.png"));
  EXPECT_TRUE(test::PngImage(folder_ / kContactSheetFile).ok()) << "the sheet still shows them";
}

TEST_F(DemoTest, WithoutPluginsEveryPanelFailsWithTheReason) {
  const std::vector<DemoPanel> panels = {{"first", "First", R"({"steps": []})"}};
  EXPECT_EQ(run(panels, folder_, folder_ / "no-plugins"), 1);
  EXPECT_NE(err_.find("panel 1 (first): no plug-in could be started"), std::string::npos) << err_;
}

TEST_F(DemoTest, AnOutputFolderThatCannotBeUsedStopsBeforeAnyPanel) {
  std::ofstream(folder_ / "file") << "not a folder";
  std::filesystem::create_directories(folder_ / "taken" / "sample.svg" / "inside");
  const std::pair<std::filesystem::path, const char*> cases[] = {
      {folder_ / "file" / "gallery", "cannot make the folder"},
      {folder_ / "taken", "sample.svg"},  // the artwork's name is a folder there
  };
  for (const auto& [folder, expected] : cases) {
    SCOPED_TRACE(folder.string());
    EXPECT_EQ(run(demoPanels(), folder), 2);
    EXPECT_NE(err_.find(expected), std::string::npos) << err_;
    EXPECT_EQ(out_.find("[1/"), std::string::npos) << out_;
  }
}

}  // namespace
}  // namespace qv::app
