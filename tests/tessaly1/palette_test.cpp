// The copy tool's options palette as a person uses it: what the first build shows, the ranges
// of its spin edits, the tool popup, the colour popups, Reset, and what a change copies into
// the option variables (seen through a rebuilt palette and through the tool's behaviour).
#include <vector>

#include "ADMDialog.h"
#include "tessaly1_fixture.h"

namespace qv::test {
namespace {

using Input = host::adm::ControlInput;

// Each tool's section: its title, how many items it has, and its blocks of label and control
// IDs.
struct SectionCase {
  int32_t tool;
  const char* title;
  std::size_t items;
  int32_t firstLabel, lastLabel, firstControl, lastControl;
};
constexpr SectionCase kSections[] = {
    {0, "TESSALY1 - GRID TOOL", 21, 310, 313, 20, 37},
    {1, "TESSALY1 - DRAG TOOL", 13, 314, 317, 38, 46},
    {2, "TESSALY1 - SOFT CENTER TOOL", 11, 318, 320, 50, 60},
    {3, "TESSALY1 - FRAMED TOOL", 17, 321, 326, 70, 81},
    {4, "TESSALY1 - RIM RANDOM TOOL", 14, 327, 330, 90, 99},
    {5, "TESSALY1 - WINDMILL TOOL", 28, 331, 336, 110, 131},
    {6, "TESSALY1 - SCALEDOWN TOOL", 20, 338, 344, 140, 155},
    {7, "TESSALY1 - BOUNCEALONG TOOL", 14, 345, 349, 180, 189},
    {8, "TESSALY1 - SPIRAL TOOL", 20, 350, 355, 200, 216},
    {9, "TESSALY1 - CHECKERBOARD TOOL", 13, 356, 359, 230, 239},
    {10, "TESSALY1 - PAINT TOOL", 14, 360, 364, 250, 258},
    {11, "TESSALY1 - BASIC TILE TOOL", 3, 365, 365, 270, 271},
    {12, "TESSALY1 - BACKGROUND TOOL", 14, 366, 369, 290, 299},
};
constexpr std::size_t kCommonItems = 18;
bool InCommonSection(int32_t id) { return id == 370 || (id >= 3 && id <= 19); }

// The four spin edits beside the colour popups.
constexpr int32_t kFillSwatch = 12, kFillValue = 16, kStrokeSwatch = 13, kStrokeValue = 17;
constexpr int32_t kFillPopup = 10, kStrokePopup = 11;

class PaletteTest : public Tessaly1Test {
 protected:
  void SetUp() override { ASSERT_EQ(selectTool(), kNoErr); }

  // The visible items, checked against the sections they may belong to.
  void expectShows(const SectionCase& section) {
    std::size_t shown = 0;
    for (const ADMItemRef handle : dialog().items) {
      const host::adm::Item& it = *host().dialogs().item(handle);
      if (!it.visible) continue;
      ++shown;
      const bool inSection = (it.id >= section.firstLabel && it.id <= section.lastLabel) ||
                             (it.id >= section.firstControl && it.id <= section.lastControl);
      EXPECT_TRUE(inSection || InCommonSection(it.id))
          << "item " << it.id << " is visible with tool " << section.tool;
    }
    EXPECT_EQ(shown, section.items + kCommonItems) << "tool " << section.tool;
    EXPECT_EQ(dialog().title, section.title);
  }
};

TEST_F(PaletteTest, FirstBuildShowsTheGridAndCommonSections) {
  std::size_t total = kCommonItems;
  for (const SectionCase& section : kSections) total += section.items;
  EXPECT_EQ(dialog().items.size(), total) << "every section is built";
  expectShows(kSections[0]);
  EXPECT_EQ(dialog().name, "QVTessaly1");
  EXPECT_EQ(dialog().style, kADMTabbedFloatingDialogStyle);
  EXPECT_EQ(dialog().bounds.right - dialog().bounds.left, 330);
  EXPECT_EQ(dialog().bounds.bottom - dialog().bounds.top, 430);
  EXPECT_NE(dialog().icons[0], nullptr);
  EXPECT_NE(dialog().icons[1], nullptr);
  for (const int32_t id : {kFillSwatch, kFillValue, kStrokeSwatch, kStrokeValue}) {
    EXPECT_FALSE(enabled(id)) << "spin edit " << id;
  }
  EXPECT_TRUE(enabled(9)) << "the other spin edits are enabled";
  EXPECT_EQ(selected(kToolPopup), 0);
}

TEST_F(PaletteTest, DefaultsTheControlsShowAfterTheFirstBuild) {
  struct Case {
    int32_t id;
    double shown;
  };
  // The counts: 10 everywhere but the Background tool's 70; the checkboxes that start ticked;
  // the swatch spin edits at 2; popups on their first entry.
  const Case cases[] = {
      {20, 10},   {21, 10},         {38, 10},           {50, 10},  {70, 10},  {71, 10},
      {90, 10},   {110, 10},        {111, 1},           {140, 10}, {180, 10}, {200, 10},
      {230, 10},  {231, 10},        {290, 70},          {24, 1},   {26, 0},   {76, 1},
      {95, 1},    {99, 1},          {123, 1},           {113, 1},  {211, 1},  {202, 1},
      {255, 1},   {295, 1},         {299, 1},           {75, 100}, {91, 97},  {92, 103},
      {131, 100}, {117, 100},       {127, 100},         {142, 90}, {143, 90}, {152, 100},
      {182, 90},  {183, 4},         {206, 99},          {207, 3},  {208, 90}, {250, 100},
      {293, 50},  {kFillSwatch, 2}, {kStrokeSwatch, 2}, {6, 0},    {153, 0}};
  std::map<int32_t, double> shown = values();
  for (const Case& c : cases) EXPECT_EQ(shown[c.id], c.shown) << "item " << c.id;
}

TEST_F(PaletteTest, PopupsHoldTheirEntriesWithIDsEqualToPositions) {
  struct Case {
    int32_t id;
    std::size_t entries;
    std::vector<std::pair<int32_t, const char*>> texts;  // some positions and their texts
  };
  const Case cases[] = {
      {32, 10, {{0, " Ignore checkerboard"}, {9, " Check 9"}}},
      {33, 43, {{0, " Default horizontal apply"}, {42, " Apply 42"}}},
      {121, 56, {{1, " Re-size 1"}, {55, " Re-size 55"}}},
      {122, 8, {{7, " Ripple 3"}}},
      {153, 32, {{16, " Apply 16"}, {17, " Apply 17 (scale swap)"}, {31, " Apply 31"}}},
      {kFillPopup, 15, {{0, " Fill color - Ignore"}, {14, " 10% reduction"}}},
      {kStrokePopup, 15, {{0, " Stroke color - Ignore"}, {11, " Alternate swatch"}}},
      {15, 58, {{57, " Pattern 57"}}},
      {18, 3, {{1, " Standard scaling of stroke width"}}},
      {6, 17, {{4, " Random 1"}, {5, " Alternate 1/path"}, {16, " Alternate 12/path"}}},
      {kToolPopup,
       13,
       {{6, " Tessaly1 - Scaleddown plug-in"}, {12, " Tessaly1 - Background plug-in"}}},
  };
  for (const Case& c : cases) {
    const host::adm::EntryList& list = *host().dialogs().list(item(c.id).list);
    ASSERT_EQ(list.entries.size(), c.entries) << "popup " << c.id;
    for (std::size_t position = 0; position < list.entries.size(); ++position) {
      EXPECT_EQ(host().dialogs().entry(list.entries[position])->id, static_cast<int32_t>(position));
    }
    for (const auto& [position, text] : c.texts) {
      EXPECT_EQ(host().dialogs().entry(list.entries[static_cast<std::size_t>(position)])->text,
                text);
    }
  }
}

TEST_F(PaletteTest, TypedValuesAreClampedToEachSpinEditsRange) {
  struct Case {
    int32_t tool;
    int32_t id;
    double typed;
    double shown;
  };
  const Case cases[] = {
      {0, 20, 1, 1},
      {0, 21, 301, 300},
      {0, 22, -400, -360},
      {1, 38, 1, 2},
      {2, 55, 250, 200},
      {3, 70, 1, 2},
      {3, 75, 2, 3},
      {4, 90, 1, 2},
      {5, 110, 1, 2},
      {5, 111, 1, 1},
      {5, 127, 111, 110},
      {6, 142, -200, -120},
      {6, 144, 51, 50},
      {7, 182, 2, 3},
      {8, 207, 0, 1},
      {8, 208, 151, 150},
      {9, 230, 1, 2},
      {10, 250, 0.5, 1},
      {10, 254, -101, -100},
      {12, 290, 1, 2},
      {12, 293, 60, 50},
      {0, 9, 301, 300},
      {0, kFillValue, 1001, 1000},
  };
  change(kFillPopup, 1.0);  // " To white" enables the fill value spin edit
  for (const Case& c : cases) {
    pickTool(c.tool);
    change(c.id, c.typed);
    EXPECT_EQ(number(c.id), c.shown) << "item " << c.id;
  }
  // The variables hold the clamped values: a new palette shows them.
  rebuild();
  for (const Case& c : cases) EXPECT_EQ(number(c.id), c.shown) << "rebuilt item " << c.id;
}

TEST_F(PaletteTest, SwatchSpinEditsRunToTheSwatchCountOfTheBuild) {
  const double swatches = static_cast<double>(host().document().swatches().size());
  EXPECT_EQ(item(kFillSwatch).number.max(), swatches);
  EXPECT_EQ(item(kStrokeSwatch).number.max(), swatches);
  change(kFillPopup, 6.0);  // " To swatch"
  change(kFillSwatch, swatches + 5);
  EXPECT_EQ(number(kFillSwatch), swatches);

  // An empty swatch list at the next build: 0 to 0, so the default 2 shows as 0.
  host().document().swatches().clear();
  rebuild();
  EXPECT_EQ(item(kFillSwatch).number.max(), 0);
  EXPECT_EQ(number(kStrokeSwatch), 0);
}

TEST_F(PaletteTest, ToolPopupShowsOneSectionAndItsTitle) {
  for (const SectionCase& section : kSections) {
    pickTool(section.tool);
    expectShows(section);
  }
  change(kToolPopup, std::string(" Tessaly1 - Spiral plug-in"));
  expectShows(kSections[8]);
  rebuild();
  EXPECT_EQ(selected(kToolPopup), 8) << "currenttool";
  // A rebuilt palette shows the Grid section until a tool is picked.
  expectShows(kSections[0]);
}

TEST_F(PaletteTest, ColourPopupsEnableTheSpinEditsTheirModeUses) {
  struct Case {
    bool swatch, value;
  };
  const Case modes[] = {{false, false}, {false, true},  {false, true},  {false, false},
                        {false, false}, {false, true},  {true, true},   {false, true},
                        {false, true},  {false, false}, {false, false}, {true, false},
                        {false, false}, {false, true},  {false, false}};
  constexpr int32_t kModes = 15;
  for (int32_t fill = 0; fill < kModes; ++fill) {
    // The stroke runs through the modes in another order, so that a mix-up shows.
    const int32_t stroke = (fill + 4) % kModes;
    change(kFillPopup, static_cast<double>(fill));
    change(kStrokePopup, static_cast<double>(stroke));
    EXPECT_EQ(enabled(kFillSwatch), modes[fill].swatch) << "fill " << fill;
    EXPECT_EQ(enabled(kFillValue), modes[fill].value) << "fill " << fill;
    EXPECT_EQ(enabled(kStrokeSwatch), modes[stroke].swatch) << "stroke " << stroke;
    EXPECT_EQ(enabled(kStrokeValue), modes[stroke].value) << "stroke " << stroke;
  }
  // The popups' values reach the variables: a new palette enables the same spin edits.
  change(kFillPopup, 11.0);
  change(kStrokePopup, 6.0);
  rebuild();
  EXPECT_EQ(selected(kFillPopup), 11);
  EXPECT_EQ(selected(kStrokePopup), 6);
  EXPECT_TRUE(enabled(kFillSwatch));
  EXPECT_FALSE(enabled(kFillValue));
  EXPECT_TRUE(enabled(kStrokeSwatch));
  EXPECT_TRUE(enabled(kStrokeValue));
}

TEST_F(PaletteTest, ResetRestoresEveryToolAndKeepsTheShownTool) {
  const std::map<int32_t, double> defaults = values();
  // A change in several sections, each while it is shown, and in the common section.
  const std::pair<int32_t, std::pair<int32_t, Input>> changes[] = {
      {0, {20, 3.0}},    {0, {24, false}},  {1, {39, 45.0}},    {3, {76, false}},
      {5, {121, 7.0}},   {6, {142, -50.0}}, {8, {213, true}},   {10, {255, false}},
      {11, {271, true}}, {12, {290, 12.0}}, {12, {295, false}}, {0, {kFillPopup, 6.0}},
      {0, {6, 3.0}},     {0, {8, true}},    {0, {9, 4.0}},      {0, {kFillSwatch, 5.0}}};
  for (const auto& [tool, control] : changes) {
    pickTool(tool);
    change(control.first, control.second);
  }
  std::map<int32_t, double> changed = values();
  for (const auto& [tool, control] : changes) {
    EXPECT_NE(changed[control.first], defaults.at(control.first)) << "item " << control.first;
  }
  pickTool(8);
  // The palette was moved and resized by the user.
  dialog().bounds = {400, 50, 900, 700};

  change(kResetButton, std::monostate{});
  std::map<int32_t, double> expected = defaults;
  expected[kToolPopup] = 8;
  EXPECT_EQ(values(), expected);
  expectShows(kSections[8]);
  for (const int32_t id : {kFillSwatch, kFillValue, kStrokeSwatch, kStrokeValue}) {
    EXPECT_FALSE(enabled(id)) << "spin edit " << id;
  }

  // The variables hold the defaults, currenttool is still 8, and the palette's place was
  // saved: the new palette opens there, at its own size.
  rebuild();
  EXPECT_EQ(values(), expected);
  EXPECT_EQ(dialog().bounds.left, 400);
  EXPECT_EQ(dialog().bounds.top, 50);
  EXPECT_EQ(dialog().bounds.right, 730);
  EXPECT_EQ(dialog().bounds.bottom, 480);
}

TEST_F(PaletteTest, ASecondBuildKeepsEveryValue) {
  const std::pair<int32_t, std::pair<int32_t, Input>> changes[] = {
      {2, {55, -12.5}}, {2, {56, 2.0}},    {4, {93, 7.25}}, {7, {185, true}},
      {9, {234, true}}, {12, {293, 25.0}}, {0, {18, 2.0}},  {0, {14, true}}};
  for (const auto& [tool, control] : changes) {
    pickTool(tool);
    change(control.first, control.second);
  }
  pickTool(5);
  const std::map<int32_t, double> before = values();
  rebuild();
  EXPECT_EQ(values(), before);
  EXPECT_EQ(number(55), -12.5) << "the unit popup leaves the gap's number alone";
}

TEST_F(PaletteTest, SelectingTheToolAgainMakesNoSecondPalette) {
  EXPECT_EQ(selectTool(), kNoErr);
  EXPECT_EQ(host().sendTool(tessaly1(), kSelectorAIDeselectTool), kNoErr);
  EXPECT_EQ(selectTool(), kNoErr);
  EXPECT_EQ(host().dialogs().dialogsOf(&tessaly1()).size(), 1u);
  EXPECT_EQ(calls("ADM Dialog Suite", "Create"), 1u);
}

TEST_F(Tessaly1Test, DoubleClickBeforeTheFirstSelectionShowsNothing) {
  EXPECT_EQ(host().sendTool(tessaly1(), kSelectorAIEditToolOptions), kNoErr);
  EXPECT_TRUE(host().dialogs().dialogsOf(&tessaly1()).empty());
}

TEST_F(PaletteTest, DoubleClickShowsThePalette) {
  dialog().visible = false;
  EXPECT_EQ(host().sendTool(tessaly1(), kSelectorAIEditToolOptions), kNoErr);
  EXPECT_TRUE(dialog().visible);
}

// The variables a drag forces are not shown; the next change anywhere in the palette copies
// every section's controls over them, hidden sections included, while picking a tool in the
// tool popup copies nothing.
TEST_F(PaletteTest, AChangeCopiesHiddenSectionsOverWhatADragForced) {
  struct Case {
    const char* what;
    int32_t tool;
    std::vector<std::pair<int32_t, Input>> setUp;
    int32_t observed;  // the control whose variable the drag forces
    double inPalette, forced;
  };
  const Case cases[] = {
      {"Framed trail switches Delete off", 3, {{78, true}}, 76, 1, 0},
      {"Windmill trail switches Delete off", 5, {{125, true}}, 123, 1, 0},
      {"Spiral trail switches Delete off", 8, {{214, true}}, 211, 1, 0},
      {"Layer places above", 0, {{6, 1.0}, {4, true}}, 6, 1, 0},
  };
  constexpr int32_t kColumns = 20;
  for (const bool changeAfterwards : {false, true}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(c.what + std::string(changeAfterwards ? ", then a change" : ""));
      change(kResetButton, std::monostate{});
      pickTool(c.tool);
      for (const auto& [id, input] : c.setUp) change(id, input);
      gesture(1);
      pickTool(0);
      if (changeAfterwards) change(kColumns, 7.0);
      rebuild();
      EXPECT_EQ(values()[c.observed], changeAfterwards ? c.inPalette : c.forced);
      EXPECT_EQ(number(kColumns), changeAfterwards ? 7 : 10);
      EXPECT_EQ(selected(kToolPopup), 0);
    }
  }
}

}  // namespace
}  // namespace qv::test
