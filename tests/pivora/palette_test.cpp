// The point-drag tool's shell and options dialog as a person meets them: one dialog however
// often the tool is chosen, its template, its 31 controls with their defaults, changes read
// back into the options (a typed value clamped to its range), and a new plug-in object in the
// same load that builds a new dialog from the options as they are.
#include <optional>
#include <string>
#include <vector>

#include "adm/dialog_view.h"
#include "pivora_fixture.h"

namespace qv::test {
namespace {

using namespace pivora_ids;

class PivoraPaletteTest : public PivoraTest {};

TEST_F(PivoraPaletteTest, SelectingTheToolTwiceMakesOneDialog) {
  EXPECT_EQ(host().sendTool(pivora(), kSelectorAIEditToolOptions), kNoErr)
      << "no dialog yet to show";
  EXPECT_TRUE(host().dialogs().dialogsOf(&pivora()).empty());
  ASSERT_EQ(selectTool(), kNoErr);
  ASSERT_EQ(selectTool(), kNoErr);
  const host::adm::Dialog& made = dialog();
  EXPECT_EQ(made.name, "QV17Pivora");
  EXPECT_EQ(made.title, "Pivora");
  EXPECT_EQ(made.resourceID, 16201);
  EXPECT_EQ(made.style, 3);
  EXPECT_EQ(made.bounds.right - made.bounds.left, 260);
  EXPECT_EQ(made.bounds.bottom - made.bounds.top, 317);
  EXPECT_NE(made.icons[0], nullptr);
  EXPECT_NE(made.icons[1], nullptr);
  EXPECT_NE(made.icons[0], made.icons[1]);
  EXPECT_EQ(host().sendTool(pivora(), kSelectorAIEditToolOptions), kNoErr);
  EXPECT_TRUE(dialog().visible);
}

TEST_F(PivoraPaletteTest, FirstSelectionBuildsEveryControlWithItsDefault) {
  ASSERT_EQ(selectTool(), kNoErr);
  struct Expected {
    int32_t id;
    ADMRect rect;
    const char* text;  // a label's or checkbox's own text, or the label naming a spin edit
    double value;      // spin edits and checkboxes; the popup's selected entry
  };
  const Expected controls[] = {
      {12, {10, 10, 250, 30}, "", 0},
      {14, {10, 35, 185, 55}, "Interpolate in", 0},
      {15, {10, 58, 185, 78}, "Interpolate out", 0},
      {16, {10, 81, 185, 101}, "Interpolate point", 0},
      {22, {10, 104, 185, 124}, "Limit direction(p)", 0},
      {18, {190, 35, 250, 55}, "Interpolate in", 100},
      {19, {190, 58, 250, 78}, "Interpolate out", 100},
      {20, {190, 81, 250, 101}, "Interpolate point", 100},
      {21, {190, 104, 250, 124}, "Limit direction(p)", 1000},
      {3, {10, 128, 110, 142}, "Locked", 0},
      {4, {113, 128, 213, 142}, "Drag or not", 0},
      {6, {10, 145, 110, 159}, "Pre-swap", 0},
      {5, {113, 145, 213, 159}, "Swap in/out", 0},
      {8, {10, 162, 110, 176}, "Horizontal", 1},
      {9, {113, 162, 213, 176}, "Vertical", 1},
      {10, {10, 179, 110, 193}, "In component", 1},
      {11, {113, 179, 213, 193}, "Out component", 1},
      {7, {10, 196, 110, 210}, "Alternating", 0},
      {26, {113, 196, 213, 210}, "Anchor (R)", 0},
      {28, {10, 213, 110, 227}, "Type/Point (R)", 0},
      {27, {113, 213, 213, 227}, "Type/path (R)", 0},
      {17, {10, 230, 110, 244}, "Pressure", 0},
      {23, {113, 230, 213, 244}, "Trail/trace", 0},
      {24, {10, 247, 110, 261}, "Trail/new layer", 0},
      {25, {113, 247, 213, 261}, "Trail/beneath", 0},
      {29, {10, 264, 110, 278}, "Fill (R)", 0},
      {30, {113, 264, 213, 278}, "Fill swatch (R)", 0},
      {31, {10, 281, 110, 295}, "Stroke (R)", 0},
      {32, {113, 281, 213, 295}, "Stroke swatch (R)", 0},
      {33, {10, 298, 110, 312}, "Weight (R)", 0},
      {34, {113, 298, 213, 312}, "Opacity (R)", 0},
  };
  const std::optional<host::adm::DialogView> view =
      host::adm::describeDialog(host().dialogs(), palette());
  ASSERT_TRUE(view.has_value());
  ASSERT_EQ(view->items.size(), std::size(controls));
  for (std::size_t i = 0; i < view->items.size(); ++i) {
    const host::adm::ItemView& shown = view->items[i];
    const Expected& want = controls[i];
    const std::string at = "control " + std::to_string(want.id);
    EXPECT_EQ(shown.item.id, want.id) << "creation order at " << i;
    EXPECT_EQ(shown.item.rect.left, want.rect.left) << at;
    EXPECT_EQ(shown.item.rect.top, want.rect.top) << at;
    EXPECT_EQ(shown.item.rect.right, want.rect.right) << at;
    EXPECT_EQ(shown.item.rect.bottom, want.rect.bottom) << at;
    if (shown.item.kind != host::adm::ItemKind::Popup) {
      EXPECT_EQ(shown.label, want.text) << at;
    }
    switch (shown.item.kind) {
      case host::adm::ItemKind::SpinEdit:
        EXPECT_EQ(shown.item.number.value(), want.value) << at;
        EXPECT_EQ(shown.item.number.min(), 0) << at;
        EXPECT_EQ(shown.item.number.max(), want.id == kLimit ? 20000 : 100) << at;
        EXPECT_EQ(shown.item.precision, 2) << at;
        EXPECT_EQ(shown.item.units, 0) << at;
        break;
      case host::adm::ItemKind::CheckBox:
        EXPECT_EQ(shown.item.checked, want.value != 0) << at;
        break;
      case host::adm::ItemKind::Popup:
        EXPECT_EQ(selected(want.id), want.value) << at;
        break;
      default:
        break;
    }
    EXPECT_EQ(shown.item.notifyProc != nullptr, shown.item.kind != host::adm::ItemKind::Label)
        << at;
  }

  const std::vector<std::string> modes = {" Direction points drag (start, cursor)",
                                          " Direction points drag (cursor)",
                                          " Anchor points drag (cursor)",
                                          " Anchor points add (cursor)",
                                          " Direction points add (cursor)",
                                          " Direction points factor (cursor)",
                                          " Anchor points drag (cursor, corner)",
                                          " Anchor points drag (cursor, document center)",
                                          " Direction points drag (cursor, corner)",
                                          " Direction points drag (cursor, document center)",
                                          " Direction points drag (cursor, start)"};
  const host::adm::EntryList* list = host().dialogs().list(item(kModePopup).list);
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->entries.size(), modes.size());
  for (std::size_t i = 0; i < modes.size(); ++i) {
    const host::adm::Entry* entry = host().dialogs().entry(list->entries[i]);
    EXPECT_EQ(entry->text, modes[i]);
    EXPECT_EQ(entry->id, static_cast<int32_t>(i));
  }
}

TEST_F(PivoraPaletteTest, ChangesAreReadBackAndTypedValuesClamped) {
  ASSERT_EQ(selectTool(), kNoErr);
  change(std::string("Interpolate in"), 150.0);
  EXPECT_EQ(number(kInterpolateIn), 100);
  change(std::string("Limit direction(p)"), 12.5);
  change(std::string("Locked"), true);
  change(kModePopup, std::string("Direction points add (cursor)"));
  EXPECT_EQ(selected(kModePopup), 4);

  // The options took the dialog's values: mode 4 adds the locked drag (20, 20) to the handles,
  // the in handle wholly (150 was clamped to 100), limited to 12.5 from the anchor.
  change(std::string("Interpolate out"), 50.0);
  host::Art& art = path({{{200, 300}, {195, 300}, {205, 300}}}, {0});
  gesture(kStart, {at(110, 120)});
  EXPECT_NEAR(art.segments[0].in.h, 212.5f, 1e-3f);
  EXPECT_NEAR(art.segments[0].in.v, 312.5f, 1e-3f);
  EXPECT_NEAR(art.segments[0].out.h, 212.5f, 1e-3f) << "205 + 20 / 2 = 215, limited";
  EXPECT_NEAR(art.segments[0].out.v, 310, 1e-3f);
}

TEST_F(PivoraPaletteTest, ANewPluginObjectBuildsANewDialogFromTheOptions) {
  ASSERT_EQ(selectTool(), kNoErr);
  change(kTrail, true);
  change(kInterpolatePoint, 42.0);
  EXPECT_EQ(host().shutdown(pivora()), kNoErr);
  EXPECT_EQ(host().startup(pivora()), kNoErr);
  EXPECT_TRUE(host().dialogs().dialogsOf(&pivora()).empty());
  ASSERT_EQ(selectTool(), kNoErr);
  EXPECT_TRUE(checked(kTrail)) << "the options stay for the load";
  EXPECT_EQ(number(kInterpolatePoint), 42);
  EXPECT_EQ(host().sendTool(pivora(), kSelectorAIEditToolOptions), kNoErr);
}

}  // namespace
}  // namespace qv::test
