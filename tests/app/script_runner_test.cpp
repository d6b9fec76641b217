// Running qvhost scripts through the real modules: documents opened and saved, the selection
// a step makes, and faults that stop a run at the step they are in.
#include "script/script_runner.h"

#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "pica/host_clock.h"

namespace qv::app {
namespace {

class ScriptRunnerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    out_ = std::filesystem::temp_directory_path() /
           ("qv-script-" +
            std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(out_);
    std::filesystem::create_directories(out_);
  }
  void TearDown() override { std::filesystem::remove_all(out_); }

  RunOutcome run(const std::string& text) {
    const ScriptLoad load = parseScript(text, QV_TEST_DATA_DIR "/scripts");
    EXPECT_TRUE(load.script.has_value()) << load.error;
    if (!load.script) return {};
    std::ostringstream log;
    RunOutcome outcome = runScript(*load.script, QV_PLUGINS_DIR, out_, log);
    log_ = log.str();
    return outcome;
  }
  nlohmann::json readJson(const std::string& name) {
    std::ifstream in(out_ / name);
    return nlohmann::json::parse(in);
  }

  std::filesystem::path out_;
  std::string log_;
};

TEST_F(ScriptRunnerTest, EmptyArtboardIsSavedInEveryFormat) {
  const RunOutcome outcome = run(R"({"document": {"width": 300, "height": 150}, "steps": [
      {"save": "empty.json"}, {"save": "empty.svg"}, {"save": "empty.png"}]})");
  ASSERT_TRUE(outcome.ok) << outcome.error;
  for (const char* name : {"empty.json", "empty.svg", "empty.png"}) {
    EXPECT_TRUE(std::filesystem::exists(out_ / name)) << name;
  }
  EXPECT_NE(log_.find("wrote"), std::string::npos);
}

TEST_F(ScriptRunnerTest, SelectionStepsMarkTheNamedArt) {
  const RunOutcome outcome = run(R"({"document": "shapes.svg", "steps": [
      {"select": ["box", "dot"]}, {"save": "two.json"},
      {"select": {"id": "curve", "points": [1]}}, {"save": "point.json"}]})");
  ASSERT_TRUE(outcome.ok) << outcome.error;
  const std::string two = readJson("two.json").dump();
  const std::string point = readJson("point.json").dump();
  // Two selected objects, then one; the JSON dump names the selection of each art.
  auto count = [](const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
  };
  EXPECT_EQ(count(two, "\"selected\":true"), 2u) << two;
  EXPECT_EQ(count(point, "\"selected\":true"), 1u) << point;
}

TEST_F(ScriptRunnerTest, GridDragMakesTheGridAndUndoTakesItBack) {
  const RunOutcome outcome = run(R"({"document": "shapes.svg", "steps": [
      {"select": ["box"]}, {"tool": "QV17_Tessaly1"},
      {"set": {"control": 20, "value": 4}}, {"set": {"control": 21, "value": 3}},
      {"drag": {"from": [25, 20], "to": [180, 90], "events": 5}}, {"save": "grid.json"},
      {"undo": true}, {"save": "undone.json"}]})");
  ASSERT_TRUE(outcome.ok) << outcome.error << log_;
  auto artCount = [](const nlohmann::json& dump) {
    std::size_t count = 0;
    for (const auto& layer : dump["layers"]) count += layer["art"].size();
    return count;
  };
  EXPECT_EQ(artCount(readJson("grid.json")), 3u + 11u) << "a 4 x 3 grid: the box and 11 copies";
  EXPECT_EQ(artCount(readJson("undone.json")), 3u);
}

TEST_F(ScriptRunnerTest, SwitchingToolsShowsThatToolsControls) {
  // "Copies" belongs to the Drag tool's section: hidden while the Grid tool shows.
  RunOutcome outcome = run(R"({"steps": [{"tool": "QV17_Tessaly1"},
      {"set": {"control": "Copies", "value": 5}}]})");
  EXPECT_FALSE(outcome.ok);
  EXPECT_NE(outcome.error.find("step 2 (set)"), std::string::npos) << outcome.error;
  outcome = run(R"({"steps": [{"tool": "QV17_Tessaly1"},
      {"set": {"control": 19, "value": " Tessaly1 - Drag plug-in"}},
      {"set": {"control": "Copies", "value": 5}},
      {"set": {"control": 19, "value": " Tessaly1 - Nothing"}}]})");
  EXPECT_FALSE(outcome.ok);
  EXPECT_NE(outcome.error.find("step 4 (set)"), std::string::npos)
      << "the Drag section's control was found; only the unknown entry fails: " << outcome.error;
}

TEST_F(ScriptRunnerTest, FaultsStopTheRunAtTheirStep) {
  const std::pair<const char*, const char*> cases[] = {
      {R"({"document": "shapes.svg", "steps": [{"select": ["nope"]}]})",
       "step 1 (select): no art with id \"nope\""},
      {R"({"document": "shapes.svg", "steps": [{"select": {"id": "curve", "points": [9]}}]})",
       "step 1 (select): \"curve\" has no point 9 (it has 2)"},
      {R"({"steps": [{"drag": {"from": [0, 0], "to": [5, 5]}}]})",
       "step 1 (drag): no tool is selected"},
      {R"({"steps": [{"tool": "QV17_Nothing"}]})", "step 1 (tool): no running plug-in"},
      {R"({"steps": [{"undo": true}]})", "step 1 (undo): there is nothing to undo"},
      {R"({"document": "missing.svg", "steps": []})", "document:"},
      {R"({"steps": [{"save": "no/such/folder/out.svg"}]})", "step 1 (save):"},
  };
  for (const auto& [text, expected] : cases) {
    const RunOutcome outcome = run(text);
    EXPECT_FALSE(outcome.ok) << text;
    EXPECT_NE(outcome.error.find(expected), std::string::npos)
        << text << "\n  gave: " << outcome.error;
  }
  EXPECT_FALSE(std::filesystem::exists(out_ / "no")) << "a failed save leaves nothing behind";
}

}  // namespace
}  // namespace qv::app
