// The dialog manager with a module's own code: the palette probe makes its palette when its
// tool is selected, its procedures see what the front end changed, and its code stays loaded
// while it holds a dialog.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AITool.h"
#include "adm/control_change.h"
#include "adm/dialog_view.h"
#include "adm_fixture.h"

namespace qv::test {
namespace {

class PaletteProbe : public HostTest {
 protected:
  host::PluginModule& start() {
    host::PluginModule& probe = load(paletteProbeFile());
    EXPECT_EQ(host().startup(probe), kNoErr);
    return probe;
  }
  ADMDialogRef select(host::PluginModule& probe) {
    EXPECT_EQ(host().sendTool(probe, kSelectorAISelectTool), kNoErr);
    const auto dialogs = host().dialogs().dialogsOf(&probe);
    return dialogs.size() == 1 ? dialogs.front() : nullptr;
  }
  std::string report(ADMDialogRef palette) {
    return host().dialogs().item(host().dialogs().itemWithId(palette, 312))->text;
  }
};

TEST_F(PaletteProbe, SelectingTheToolMakesThePaletteOnce) {
  host::PluginModule& probe = start();
  const ADMDialogRef palette = select(probe);
  ASSERT_NE(palette, nullptr);
  EXPECT_EQ(select(probe), palette) << "a second selection makes nothing";

  const auto view = host::adm::describeDialog(host().dialogs(), palette);
  EXPECT_EQ(view->dialog.title, "Palette probe");
  EXPECT_TRUE(view->dialog.visible);
  const ADMRect& b = view->dialog.bounds;
  EXPECT_EQ((std::vector<int32_t>{b.left, b.top, b.right, b.bottom}),
            (std::vector<int32_t>{100, 100, 430, 300}))
      << "sized by its init procedure";
  std::vector<int32_t> ids;
  for (const auto& item : view->items) ids.push_back(item.item.id);
  EXPECT_EQ(ids, (std::vector<int32_t>{310, 20, 311, 21, 22, 23, 24, 312}));
  EXPECT_EQ(view->items[4].entries.size(), 3u);
  EXPECT_TRUE(view->items[4].entries[1].selected);
}

TEST_F(PaletteProbe, ItsProceduresSeeWhatAPersonChanged) {
  const ADMDialogRef palette = select(start());
  const struct {
    host::adm::ControlRef control;
    host::adm::ControlInput input;
    std::string report;
  } cases[] = {
      {"Columns", 7.0, "20: 7"},
      {"Columns", 70.0, "20: 10"},
      {"Scale", 9.0, "21: 2.50"},
      {22, std::string("Blue"), "22: 2 Blue"},
      {"Mirror", true, "23: on"},
      {"Reset", std::monostate{}, "24: after 20: 1"},  // its nested notification ran at once
  };
  for (const auto& c : cases) {
    const auto result = host::adm::changeControl(host(), palette, c.control, c.input);
    EXPECT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(report(palette), c.report);
  }
  EXPECT_FALSE(host::adm::changeControl(host(), palette, "Scale", 1.0).ok())
      << "Mirror hid the Scale row";
  EXPECT_EQ(traces().size(), std::size(cases) + 1) << "Reset traced its nested report too";
}

TEST_F(PaletteProbe, AModuleThatHoldsADialogKeepsItsCodeWhenUnloaded) {
  host::PluginModule& probe = start();
  ASSERT_EQ(host().unload(probe), kNoErr);
  EXPECT_FALSE(host().codeIsLoaded(probe)) << "no dialog yet: the code goes";
  ASSERT_EQ(host().reload(probe), kNoErr);

  const ADMDialogRef palette = select(probe);
  ASSERT_EQ(host().unload(probe), kNoErr);
  EXPECT_TRUE(host().codeIsLoaded(probe)) << "the dialog's procedures point into the code";
  EXPECT_TRUE(host::adm::changeControl(host(), palette, "Columns", 5.0).ok());
  EXPECT_EQ(probe.state, host::ModuleState::Running) << "reloaded before its procedure ran";
  EXPECT_EQ(report(palette), "20: 5");
  EXPECT_EQ(select(probe), palette) << "the object kept its dialog";

  ASSERT_EQ(host().shutdown(probe), kNoErr);
  EXPECT_TRUE(host().dialogs().dialogsOf(&probe).empty()) << "its dialogs go with its object";
  EXPECT_FALSE(host::adm::changeControl(host(), palette, "Columns", 5.0).ok());
}

}  // namespace
}  // namespace qv::test
