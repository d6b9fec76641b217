// The palette sections of the Grid, Drag, Soft center, Framed, Rim random, Windmill and
// Scaledown tools (tools 0 to 6): labels, spin edits, popups and checkboxes in build order.
// Data only.
#include "PaletteItems.hpp"

namespace ornix::palette {

namespace {

constexpr EntryRun kCheckerboardEntries[] = {{" Ignore checkerboard"}, Numbered(" Check ", 1, 9)};
constexpr EntryRun kGridTurnEntries[] = {{" Ignore turn"}, Numbered(" Turn ", 1, 4)};
constexpr EntryRun kHorizontalApplyEntries[] = {{" Default horizontal apply"},
                                                Numbered(" Apply ", 1, 42)};
constexpr EntryRun kVerticalApplyEntries[] = {{" Default vertical apply"},
                                              Numbered(" Apply ", 1, 42)};

constexpr Item kGrid[] = {
    Label(310, "Columns / rows", {10, 10, 185, 30}),
    Label(312, "Rotation (o)", {10, 32, 185, 52}),
    Label(313, "Jitter (p)", {10, 54, 185, 74}),
    IntSpin(20, {190, 10, 250, 30}, horizontalcopiesvalue_0, 1, 300),
    IntSpin(21, {260, 10, 320, 30}, verticalcopiesvalue_0, 1, 300),
    RealSpin(22, {190, 32, 250, 52}, rotatevalue_0, -360, 360),
    RealSpin(23, {190, 54, 250, 74}, jittervalue_0, 0, 1000),
    Popup(32, {10, 77, 160, 97}, checkoptions_0, kCheckerboardEntries),
    Popup(35, {170, 77, 320, 97}, flipoptions_0, kGridTurnEntries),
    Popup(33, {10, 102, 160, 122}, scalexoptions_0, kHorizontalApplyEntries),
    Popup(34, {170, 102, 320, 122}, scaleyoptions_0, kVerticalApplyEntries),
    Check(24, {10, 125, 110, 139}, "Selected", selectedcentrevalue_0),
    Check(25, {113, 125, 213, 139}, "Locked", lockedvalue_0),
    Check(26, {216, 125, 316, 139}, "Trail", trailvalue_0),
    Check(27, {10, 142, 110, 156}, "Touch", scaledvalue_0),
    Check(28, {113, 142, 213, 156}, "Warp [R]", envelopevalue_0),
    Check(29, {216, 142, 316, 156}, "Create [R]", placementvalue_0),
    Check(30, {10, 159, 110, 173}, "Rotation [R]", rotation_0),
    Check(31, {113, 159, 213, 173}, "Box", boundbox_0),
    Check(36, {10, 176, 110, 190}, "Golden (h)", lockedhvalue_0),
    Check(37, {113, 176, 213, 190}, "Golden (v)", lockedvvalue_0),
};

constexpr Item kDrag[] = {
    Label(314, "Copies", {10, 10, 185, 30}),
    Label(315, "Rotation (o)", {10, 32, 185, 52}),
    Label(316, "Jitter (p) (Horz)", {10, 54, 185, 74}),
    Label(317, "Jitter (p) (Vert)", {10, 76, 185, 96}),
    IntSpin(38, {190, 10, 250, 30}, copiesvalue_1, 2, 500),
    RealSpin(39, {190, 32, 250, 52}, rotatevalue_1, -360, 360),
    RealSpin(40, {190, 54, 250, 74}, jitterxvalue_1, 0, 1000),
    RealSpin(41, {190, 76, 250, 96}, jitteryvalue_1, 0, 1000),
    Check(42, {10, 100, 110, 114}, "Selected", selectedcentrevalue_1),
    Check(43, {113, 100, 213, 114}, "Locked", lockedvalue_1),
    Check(44, {216, 100, 316, 114}, "Trail", trailvalue_1),
    Check(45, {10, 117, 110, 131}, "Warp [R]", envelopevalue_1),
    Check(46, {113, 117, 213, 131}, "Create [R]", placementvalue_1),
};

constexpr EntryRun kGapUnitEntries[] = {
    {" Initial gap in points"}, {" Initial gap in centimetres"}, {" Initial gap in inches"}};

constexpr Item kSoftCenter[] = {
    Label(318, "Copies", {10, 10, 185, 30}),
    Label(319, "Initial gap (p)", {10, 32, 185, 52}),
    Label(320, "Jitter (p)", {10, 54, 185, 74}),
    IntSpin(50, {190, 10, 250, 30}, copiesvalue_2, 2, 500),
    RealSpin(55, {190, 32, 250, 52}, initialvalue_2, -200, 200),
    RealSpin(51, {190, 54, 250, 74}, jittervalue_2, 0, 1000),
    Popup(56, {10, 80, 160, 100}, measureoptions_2, kGapUnitEntries),
    Check(57, {10, 105, 110, 119}, "Locked", lockedvalue_2),
    Check(58, {113, 105, 213, 119}, "Trail", trailvalue_2),
    Check(59, {216, 105, 316, 119}, "Warp [R]", envelopevalue_2),
    Check(60, {10, 122, 110, 136}, "Create [R]", placementvalue_2),
};

constexpr EntryRun kEdgeEntries[] = {{" Edge - Default"},
                                     {" Edge - Turn 1"},
                                     {" Edge - Turn 2"},
                                     {" Edge - Flip"},
                                     {" Edge - Randomized"}};

constexpr Item kFramed[] = {
    Label(321, "Copies / width", {10, 10, 185, 30}),
    Label(322, "Copies / height", {10, 32, 185, 52}),
    Label(323, "Rotation (o)", {10, 54, 185, 74}),
    Label(324, "Jitter (p)", {10, 76, 185, 96}),
    Label(326, "Scale (%)", {10, 98, 185, 118}),
    IntSpin(70, {190, 10, 250, 30}, horizontalcopiesvalue_3, 2, 300),
    IntSpin(71, {190, 32, 250, 52}, verticalcopiesvalue_3, 2, 300),
    RealSpin(72, {190, 54, 250, 74}, rotateanglevalue_3, -360, 360),
    RealSpin(73, {190, 76, 250, 96}, jittervalue_3, 0, 1000),
    RealSpin(75, {190, 98, 250, 118}, scalevalue_3, 3, 120),
    Popup(79, {10, 125, 160, 145}, edgeoptions_3, kEdgeEntries),
    Check(74, {10, 150, 110, 164}, "Selected", selectedcentrevalue_3),
    Check(77, {113, 150, 213, 164}, "Locked", lockedvalue_3),
    Check(78, {216, 150, 316, 164}, "Trail", trailvalue_3),
    Check(76, {10, 167, 110, 181}, "Delete", deletepathvalue_3),
    Check(80, {113, 167, 213, 181}, "Warp [R]", envelopevalue_3),
    Check(81, {216, 167, 316, 181}, "Create [R]", placementvalue_3),
};

constexpr Item kRimRandom[] = {
    Label(327, "Copies", {10, 10, 185, 30}),
    Label(328, "Scale (% Min)", {10, 32, 185, 52}),
    Label(329, "Scale (% Max)", {10, 54, 185, 74}),
    Label(330, "Jitter (p)", {10, 76, 185, 96}),
    IntSpin(90, {190, 10, 250, 30}, copiesvalue_4, 2, 300),
    RealSpin(91, {190, 32, 250, 52}, scaleminvalue_4, 3, 200),
    RealSpin(92, {190, 54, 250, 74}, scalemaxvalue_4, 3, 200),
    RealSpin(93, {190, 76, 250, 96}, jittervalue_4, 0, 1000),
    Check(94, {10, 100, 110, 114}, "Selected", selectedcentrevalue_4),
    Check(96, {113, 100, 213, 114}, "Locked", linkedvalue_4),
    Check(97, {216, 100, 316, 114}, "Trail", trailvalue_4),
    Check(98, {10, 117, 110, 131}, "Warp [R]", envelopevalue_4),
    Check(95, {113, 117, 213, 131}, "Apply", applyscalevalue_4),
    Check(99, {216, 117, 316, 131}, "Rotation [R]", applyrotatevalue_4),
};

constexpr EntryRun kWindmillUnitEntries[] = {{" Points"}, {" cm"}, {" Inches"}};
constexpr EntryRun kResizeEntries[] = {{" Ignore"}, Numbered(" Re-size ", 1, 55)};
constexpr EntryRun kWindmillTurnEntries[] = {{" Turn - Vertical"}, {" Horizontal"}, {" Shear 1"},
                                             {" Shear 2"},         {" Shear 3"},    {" Ripple 1"},
                                             {" Ripple 2"},        {" Ripple 3"}};

constexpr Item kWindmill[] = {
    Label(331, "Copies / Circles", {10, 10, 185, 30}),
    Label(332, "Rotation (o)/ Factor", {10, 32, 185, 52}),
    Label(333, "Scale (%) / Turn (p)", {10, 54, 185, 74}),
    Label(334, "Alt (p) / CirclesRadius", {10, 76, 185, 96}),
    Label(335, "Initial (p) / Re-Scale(%)", {10, 98, 185, 118}),
    Label(336, "Jitter (p)", {10, 120, 185, 140}),
    IntSpin(110, {190, 10, 250, 30}, copiesvalue_5, 2, 300),
    IntSpin(111, {260, 10, 320, 30}, circlesvalue_5, 1, 30),
    RealSpin(114, {190, 32, 250, 52}, rotatevalue_5, -360, 360),
    RealSpin(131, {260, 32, 320, 52}, gapvvalue_5, -1000, 1000),
    RealSpin(118, {190, 54, 250, 74}, scalevalue_5, -120, 120),
    RealSpin(119, {260, 54, 320, 74}, turnvalue_5, -500, 500),
    RealSpin(116, {190, 76, 250, 96}, offsetvalue_5, -500, 500),
    RealSpin(117, {260, 76, 320, 96}, circlesradiusvalue_5, -500, 500),
    RealSpin(126, {190, 98, 250, 118}, initialvalue_5, 0, 1000),
    RealSpin(127, {260, 98, 320, 118}, resizevalue_5, 3, 110),
    RealSpin(115, {190, 120, 250, 140}, jittervalue_5, 0, 1000),
    Popup(120, {10, 145, 100, 165}, measureoptions_5, kWindmillUnitEntries),
    Popup(121, {110, 145, 200, 165}, windmilloptions_5, kResizeEntries),
    Popup(122, {210, 145, 300, 165}, turnoptions_5, kWindmillTurnEntries),
    Check(112, {10, 168, 110, 182}, "Selected", selectedcentrevalue_5),
    Check(123, {113, 168, 213, 182}, "Delete", deletepathvalue_5),
    Check(113, {216, 168, 316, 182}, "Align", alignvalue_5),
    Check(124, {10, 185, 110, 199}, "Match", matchvalue_5),
    Check(125, {113, 185, 213, 199}, "Trail", trailvalue_5),
    Check(128, {216, 185, 316, 199}, "Warp [R]", envelopevalue_5),
    Check(129, {10, 202, 110, 216}, "Create [R]", placementvalue_5),
    Check(130, {113, 202, 213, 216}, "Object/copies", processvalue_5),
};

constexpr EntryRun kScaledownApplyEntries[] = {{" Default apply"},
                                               Numbered(" Apply ", 1, 16),
                                               {" Apply 17 (scale swap)"},
                                               {" Apply 18 (scale swap)"},
                                               Numbered(" Apply ", 19, 31)};

constexpr Item kScaledown[] = {
    Label(338, "Copies", {10, 10, 185, 30}),
    Label(339, "Scale (%)", {10, 32, 185, 52}),
    Label(341, "Jitter (p)", {10, 54, 185, 74}),
    Label(342, "Twists", {10, 76, 185, 96}),
    Label(343, "Opacity fade (%)", {10, 98, 185, 118}),
    Label(344, "Turn (o)", {10, 120, 185, 140}),
    IntSpin(140, {190, 10, 250, 30}, copiesvalue_6, 2, 500),
    RealSpin(142, {190, 32, 250, 52}, scalehvalue_6, -120, 120),
    RealSpin(143, {260, 32, 320, 52}, scalevvalue_6, -120, 120),
    RealSpin(145, {190, 54, 250, 74}, jittervalue_6, 0, 1000),
    IntSpin(144, {190, 76, 250, 96}, twistvalue_6, 0, 50),
    RealSpin(152, {190, 98, 250, 118}, fadefillvalue_6, 0, 200),
    RealSpin(154, {190, 120, 250, 140}, turnvalue_6, -360, 360),
    Popup(153, {10, 145, 160, 165}, scaleoptions_6, kScaledownApplyEntries),
    Check(141, {10, 168, 110, 182}, "Selected", selectedcentrevalue_6),
    Check(147, {113, 168, 213, 182}, "Locked", lockedvalue_6),
    Check(148, {216, 168, 316, 182}, "Trail", trailvalue_6),
    Check(150, {10, 185, 110, 199}, "Warp [R]", envelopevalue_6),
    Check(151, {113, 185, 213, 199}, "Create [R]", placementvalue_6),
    Check(155, {216, 185, 316, 199}, "Object/copies", processvalue_6),
};

}  // namespace

const Section kGridSection{"TESSALY1 - GRID TOOL", kGrid};
const Section kDragSection{"TESSALY1 - DRAG TOOL", kDrag};
const Section kSoftCenterSection{"TESSALY1 - SOFT CENTER TOOL", kSoftCenter};
const Section kFramedSection{"TESSALY1 - FRAMED TOOL", kFramed};
const Section kRimRandomSection{"TESSALY1 - RIM RANDOM TOOL", kRimRandom};
const Section kWindmillSection{"TESSALY1 - WINDMILL TOOL", kWindmill};
const Section kScaledownSection{"TESSALY1 - SCALEDOWN TOOL", kScaledown};

}  // namespace ornix::palette
