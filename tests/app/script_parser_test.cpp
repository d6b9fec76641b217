// Reading qvhost scripts: every step form, and faults reported with the step they are in.
#include <gtest/gtest.h>

#include "script/script.h"

namespace qv::app {
namespace {

Script parsed(const std::string& text) {
  const ScriptLoad load = parseScript(text, "/scripts");
  EXPECT_TRUE(load.script.has_value()) << load.error;
  return load.script.value_or(Script{});
}

TEST(ScriptParserTest, ReadsEveryStep) {
  const Script script = parsed(R"({
    "document": "art.svg", "seed": 5, "pressure": true,
    "swatches": [{"name": "Red", "rgb": [1, 0, 0]}, {"gray": 0.5}, {"cmyk": [0, 1, 0, 0]}],
    "steps": [
      {"select": "all"}, {"select": ["a", "b"]}, {"select": {"id": "p", "points": [0, 2]}},
      {"tool": "QV17_Tessaly1"},
      {"set": {"control": "Copies", "value": 5}}, {"set": {"control": 1007, "value": true}},
      {"set": {"control": "Fill", "value": " To white"}},
      {"drag": {"from": [0, 0], "to": [100, 50], "events": 4, "keys": ["shift", "ctrl"]}},
      {"drag": {"points": [[0, 0], [1, 1], [2, 2]], "keys": [["alt"], []], "pressure": [10, 200]}},
      {"undo": true}, {"save": "out.png"}
    ]})");
  EXPECT_EQ(script.svg, std::filesystem::path("/scripts/art.svg"));
  EXPECT_EQ(script.seed, 5u);
  EXPECT_TRUE(script.pressure);
  ASSERT_EQ(script.swatches->size(), 3u);
  EXPECT_EQ((*script.swatches)[0].color.kind, kThreeColor);
  EXPECT_EQ((*script.swatches)[2].color.c.f.magenta, 1.0f);
  ASSERT_EQ(script.steps.size(), 11u);

  const auto& points = std::get<SelectStep>(script.steps[2]);
  EXPECT_EQ(points.ids, std::vector<std::string>{"p"});
  EXPECT_EQ(points.points, (std::vector<int>{0, 2}));
  EXPECT_EQ(std::get<SetStep>(script.steps[5]).itemID, 1007);
  EXPECT_EQ(std::get<std::string>(std::get<SetStep>(script.steps[6]).value), " To white");

  const auto& drag = std::get<DragStep>(script.steps[7]);
  ASSERT_EQ(drag.events.size(), 5u);  // the mouse down and four drag events
  EXPECT_EQ(drag.events[0].point.h, 0.0f);
  EXPECT_EQ(drag.events[1].point.h, 25.0f);
  EXPECT_EQ(drag.events[4].point.v, 50.0f);
  EXPECT_EQ(drag.events[4].modifiers, 0x20 | 0x200);
  const auto& perEvent = std::get<DragStep>(script.steps[8]);
  EXPECT_EQ(perEvent.events[1].modifiers, 0x40);
  EXPECT_EQ(perEvent.events[2].modifiers, 0);
  EXPECT_EQ(perEvent.events[2].pressure, 200);
  EXPECT_EQ(std::get<SaveStep>(script.steps[10]).file, std::filesystem::path("out.png"));
}

TEST(ScriptParserTest, EmptyArtboardByItsSize) {
  const Script script = parsed(R"({"document": {"width": 300, "height": 200}, "steps": []})");
  EXPECT_FALSE(script.svg.has_value());
  EXPECT_EQ(script.width, 300.0f);
  EXPECT_EQ(script.height, 200.0f);
}

TEST(ScriptParserTest, FaultsNameTheirPlace) {
  const std::pair<const char*, const char*> cases[] = {
      {R"({"steps": [{"select": "all"}, {"jump": 1}]})", "step 2: unknown step jump"},
      {R"({"steps": [{"drag": {"from": [0, "x"], "to": [1, 1]}}]})",
       "step 1 (drag) from: expected a number"},
      {R"({"steps": [{"drag": {"from": [0, 0], "to": [1, 1], "events": 0}}]})",
       "step 1 (drag) events"},
      {R"({"steps": [{"drag": {"points": [[0, 0]]}}]})", "step 1 (drag): points: at least two"},
      {R"({"steps": [{"drag": {"from": [0, 0], "to": [1, 1], "keys": ["meta"]}}]})",
       "unknown key meta"},
      {R"({"steps": [{"drag": {"points": [[0, 0], [1, 1]], "keys": [[], []]}}]})",
       "2 lists for 1 drag events"},
      {R"({"steps": [{"save": "out.gif"}]})", "step 1 (save): the file name must end in"},
      {R"({"steps": [{"select": 3}]})", "step 1 (select): expected"},
      {R"({"steps": [{"select": {"id": "p", "points": [-1]}}]})", "segment indexes"},
      {R"({"steps": [{"tool": "A", "select": "all"}]})", "each step is an object with one key"},
      {R"({"document": {"width": -1, "height": 5}})",
       "document: width and height must be positive"},
      {R"({"seed": "x"})", "seed:"},
      {R"({"colour": 1})", "unknown key colour"},
      {R"({"steps": [)", "not valid JSON"},
      {R"([1, 2])", "a JSON object expected"},
  };
  for (const auto& [text, expected] : cases) {
    const ScriptLoad load = parseScript(text, "/scripts");
    EXPECT_FALSE(load.script.has_value()) << text;
    EXPECT_NE(load.error.find(expected), std::string::npos) << text << "\n  gave: " << load.error;
  }
}

TEST(ScriptParserTest, MissingFileIsNamed) {
  const ScriptLoad load = readScript("/no/such/script.json");
  EXPECT_FALSE(load.script.has_value());
  EXPECT_EQ(load.error, "cannot read /no/such/script.json");
}

}  // namespace
}  // namespace qv::app
