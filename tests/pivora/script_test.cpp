// A qvhost script with the point-drag tool: chosen points of an SVG path selected, a mode
// picked by its entry, one drag; the saved document shows only those anchors moved.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "script/script_runner.h"

namespace qv::app {
namespace {

// "curve" runs from (60, 80) to (120, 80) in SVG units on a 200 x 100 artboard: document
// anchors (60, 20) and (120, 20). The drag (100, 50) to (110, 40) is (10, 10) in the document.
constexpr char kScript[] = R"json({"document": "shapes.svg", "steps": [
    {"select": {"id": "curve", "points": [0]}}, {"tool": "QV17_Pivora"},
    {"set": {"control": 12, "value": "Anchor points add (cursor)"}},
    {"drag": {"from": [100, 50], "to": [110, 40], "events": 2}}, {"save": "moved.json"}]})json";

TEST(PivoraScript, ModeThreeMovesTheSelectedAnchorsOnly) {
  const std::filesystem::path out = std::filesystem::temp_directory_path() / "qv-pivora-script";
  std::filesystem::remove_all(out);
  std::filesystem::create_directories(out);
  const ScriptLoad load = parseScript(kScript, QV_TEST_DATA_DIR "/scripts");
  ASSERT_TRUE(load.script.has_value()) << load.error;
  std::ostringstream log;
  const RunOutcome outcome = runScript(*load.script, QV_PLUGINS_DIR, out, log);
  ASSERT_TRUE(outcome.ok) << outcome.error << log.str();

  std::ifstream in(out / "moved.json");
  const nlohmann::json dump = nlohmann::json::parse(in);
  const nlohmann::json* curve = nullptr;
  for (const nlohmann::json& art : dump["layers"][0]["art"]) {
    if (art["id"] == "curve") curve = &art;
  }
  ASSERT_NE(curve, nullptr) << dump.dump();
  const nlohmann::json& segments = (*curve)["segments"];
  ASSERT_EQ(segments.size(), 2u);
  EXPECT_EQ(segments[0]["p"], nlohmann::json::array({70, 30}));
  EXPECT_EQ(segments[1]["p"], nlohmann::json::array({120, 20}));
  std::filesystem::remove_all(out);
}

}  // namespace
}  // namespace qv::app
