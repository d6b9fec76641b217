// The palette sections of the Bouncealong, Spiral, Checkerboard, Paint, Basic tile and
// Background tools (tools 7 to 12), the common section that every tool shares, the Reset
// button and the tool popup. Data only.
#include "PaletteItems.hpp"

namespace ornix::palette {

namespace {

constexpr Item kBouncealong[] = {
    Label(345, "Copies", {10, 10, 185, 30}),
    Label(346, "Scale (%)", {10, 32, 185, 52}),
    Label(347, "Jitter (p)", {10, 54, 185, 74}),
    Label(349, "Bounce", {10, 76, 185, 96}),
    IntSpin(180, {190, 10, 250, 30}, copiesvalue_7, 2, 500),
    RealSpin(182, {190, 32, 250, 52}, scalevalue_7, 3, 120),
    RealSpin(184, {190, 54, 250, 74}, jittervalue_7, 0, 1000),
    IntSpin(183, {190, 76, 250, 96}, bouncevalue_7, 0, 50),
    Check(181, {10, 100, 110, 114}, "Selected", selectedcentrevalue_7),
    Check(186, {113, 100, 213, 114}, "Locked", lockedvalue_7),
    Check(187, {216, 100, 316, 114}, "Trail", trailvalue_7),
    Check(188, {10, 117, 110, 131}, "Warp [R]", envelopevalue_7),
    Check(189, {113, 117, 213, 131}, "Create [R]", placementvalue_7),
    Check(185, {216, 117, 316, 131}, "Crunch", crunchvalue_7),
};

constexpr Item kSpiral[] = {
    Label(350, "Copies", {10, 10, 185, 30}),
    Label(351, "Scale (%)", {10, 32, 185, 52}),
    Label(352, "Rotation (o)", {10, 54, 185, 74}),
    Label(353, "Arms", {10, 76, 185, 96}),
    Label(354, "Decay (%)", {10, 98, 185, 118}),
    Label(355, "Jitter (p)", {10, 120, 185, 140}),
    IntSpin(200, {190, 10, 250, 30}, copiesvalue_8, 2, 500),
    RealSpin(206, {190, 32, 250, 52}, scalevalue_8, 3, 120),
    RealSpin(203, {190, 54, 250, 74}, rotatevalue_8, -360, 360),
    IntSpin(207, {190, 76, 250, 96}, spiralsvalue_8, 1, 50),
    RealSpin(208, {190, 98, 250, 118}, decayvalue_8, 3, 150),
    RealSpin(204, {190, 120, 250, 140}, jittervalue_8, 0, 1000),
    Check(201, {10, 145, 110, 159}, "Selected", selectedcentrevalue_8),
    Check(211, {113, 145, 213, 159}, "Delete", deletepathvalue_8),
    Check(202, {216, 145, 316, 159}, "Align", alignvalue_8),
    Check(212, {10, 162, 110, 176}, "Match", matchvalue_8),
    Check(213, {113, 162, 213, 176}, "Reverse", reversevalue_8),
    Check(214, {216, 162, 316, 176}, "Trail", trailvalue_8),
    Check(215, {10, 179, 110, 193}, "Warp [R]", envelopevalue_8),
    Check(216, {113, 179, 216, 193}, "Create [R]", placementvalue_8),
};

// "Touch" is built third but stands in the third column of the second row.
constexpr Item kCheckerboard[] = {
    Label(356, "Columns", {10, 10, 185, 30}),
    Label(357, "Rows", {10, 32, 185, 52}),
    Label(358, "Rotation (o)", {10, 54, 185, 74}),
    Label(359, "Jitter (p)", {10, 76, 185, 96}),
    IntSpin(230, {190, 10, 250, 30}, horizontalcopiesvalue_9, 2, 300),
    IntSpin(231, {190, 32, 250, 52}, verticalcopiesvalue_9, 2, 300),
    RealSpin(235, {190, 54, 250, 74}, rotatevalue_9, -360, 360),
    RealSpin(236, {190, 76, 250, 96}, jittervalue_9, 0, 1000),
    Check(232, {10, 100, 110, 114}, "Selected", selectedcentrevalue_9),
    Check(233, {113, 100, 213, 114}, "Locked", lockedvalue_9),
    Check(234, {216, 117, 316, 131}, "Touch", scaledvalue_9),
    Check(238, {10, 117, 110, 131}, "Warp [R]", envelopevalue_9),
    Check(239, {113, 117, 213, 131}, "Create [R]", placementvalue_9),
};

constexpr Item kPaint[] = {
    Label(360, "Scale (% Horz)", {10, 10, 185, 30}),
    Label(361, "Scale (% Vert)", {10, 32, 185, 52}),
    Label(362, "Opacity fade (%)", {10, 54, 185, 74}),
    Label(363, "Intensity color", {10, 76, 185, 96}),
    Label(364, "Jitter (p)", {10, 98, 185, 118}),
    RealSpin(250, {190, 10, 250, 30}, scaledhvalue_10, 1, 120),
    RealSpin(251, {190, 32, 250, 52}, scaledvvalue_10, 1, 120),
    RealSpin(252, {190, 54, 250, 74}, fadefillvalue_10, 0, 200),
    RealSpin(254, {190, 76, 250, 96}, intensityvalue_10, -100, 100),
    RealSpin(253, {190, 98, 250, 118}, jittervalue_10, 0, 1000),
    Check(255, {10, 125, 110, 139}, "Follow", followvalue_10),
    Check(256, {113, 125, 213, 139}, "Warp [R]", envelopevalue_10),
    Check(258, {216, 125, 316, 139}, "Create [R]", placementvalue_10),
    Check(257, {10, 142, 110, 156}, "Rotation [R]", anglevalue_10),
};

constexpr Item kBasicTile[] = {
    Label(365, "Jitter (p)", {10, 10, 185, 30}),
    RealSpin(270, {190, 10, 250, 30}, jittervalue_11, 0, 1000),
    Check(271, {10, 33, 110, 47}, "Locked", lockedvalue_11),
};

constexpr Item kBackground[] = {
    Label(366, "Copies", {10, 10, 185, 30}),
    Label(367, "Scale (%Min)", {10, 32, 185, 52}),
    Label(368, "Scale (%Max)", {10, 54, 185, 74}),
    Label(369, "Frame (%)", {10, 76, 185, 96}),
    IntSpin(290, {190, 10, 250, 30}, copiesvalue_12, 2, 300),
    RealSpin(291, {190, 32, 250, 52}, scaleminvalue_12, 3, 200),
    RealSpin(292, {190, 54, 250, 74}, scalemaxvalue_12, 3, 200),
    RealSpin(293, {190, 76, 250, 96}, framevalue_12, 0, 50),
    Check(294, {10, 100, 110, 114}, "Selected", selectedcentrevalue_12),
    Check(296, {113, 100, 213, 114}, "Locked", linkedvalue_12),
    Check(295, {216, 100, 316, 114}, "Apply", applyscalevalue_12),
    Check(297, {10, 117, 110, 131}, "Trail", trailvalue_12),
    Check(298, {113, 117, 213, 131}, "Warp [R]", envelopevalue_12),
    Check(299, {216, 117, 316, 131}, "Rotation [R]", applyrotatevalue_12),
};

// The fourteen colour modes after the "Ignore" entry, the same for fill and stroke.
constexpr const char* kColourModeTexts[] = {" To white",
                                            " To black",
                                            " Random colors",
                                            " Random swatches",
                                            " To white / midpoint",
                                            " To swatch",
                                            " To half color",
                                            " To inverted",
                                            " Alternate white",
                                            " Alternate black",
                                            " Alternate swatch",
                                            " Alternate inverted",
                                            " To half color inverted",
                                            " 10% reduction"};
constexpr EntryRun kFillEntries[] = {{" Fill color - Ignore"}, Texts(kColourModeTexts)};
constexpr EntryRun kStrokeEntries[] = {{" Stroke color - Ignore"}, Texts(kColourModeTexts)};
constexpr EntryRun kPatternEntries[] = {{" Pattern / tile - Ignore"}, Numbered(" Pattern ", 1, 57)};
constexpr EntryRun kLineWidthEntries[] = {{" Scaling line width - ignore"},
                                          {" Standard scaling of stroke width"},
                                          {" Alternate scaling"}};
constexpr EntryRun kPlacementEntries[] = {
    {" Place above"}, {" Place beneath"}, {" Alternate 1"},
    {" Alternate 2"}, {" Random 1"},      Numbered(" Alternate ", 1, 12, "/path")};

constexpr Item kCommon[] = {
    Label(370, "Slowdown", {10, 320, 185, 340}),
    Popup(kFillPopupID, {10, 222, 160, 242}, filloptions, kFillEntries, colorchange),
    SwatchSpin(kFillSwatchID, {190, 222, 250, 242}, fillswatchvalue),
    IntSpin(kFillValueID, {260, 222, 320, 242}, fillprocessvalue, 0, 1000),
    Popup(kStrokePopupID, {10, 247, 160, 267}, strokeoptions, kStrokeEntries, colorchange),
    SwatchSpin(kStrokeSwatchID, {190, 247, 250, 267}, strokeswatchvalue),
    IntSpin(kStrokeValueID, {260, 247, 320, 267}, strokeprocessvalue, 0, 1000),
    Popup(15, {10, 270, 160, 290}, patternoptions, kPatternEntries),
    Popup(18, {170, 270, 320, 290}, scalelinesoptions, kLineWidthEntries),
    Popup(6, {10, 295, 160, 315}, beneathoptions, kPlacementEntries),
    IntSpin(9, {190, 320, 250, 340}, countvalue, 0, 300),
    Check(8, {10, 345, 110, 359}, "Blend [R]", blend),
    Check(7, {113, 345, 213, 359}, "Opacity [R]", opacity),
    Check(5, {216, 345, 316, 359}, "Pressure", pr_opacityvalue),
    Check(14, {10, 362, 110, 376}, "Width [R]", width),
    Check(kLayerCheckID, {113, 362, 213, 376}, "Layer", layer),
};

constexpr const char* kToolTexts[] = {
    " Tessaly1 - Grid plug-in",        " Tessaly1 - Drag plug-in",
    " Tessaly1 - Soft center plug-in", " Tessaly1 - Framed plug-in",
    " Tessaly1 - Rim random plug-in",  " Tessaly1 - Windmill plug-in",
    " Tessaly1 - Scaleddown plug-in",  " Tessaly1 - Bouncealong plug-in",
    " Tessaly1 - Spiral plug-in",      " Tessaly1 - Checkerboard plug-in",
    " Tessaly1 - Paint plug-in",       " Tessaly1 - Basic tile plug-in",
    " Tessaly1 - Background plug-in"};
constexpr EntryRun kToolEntries[] = {Texts(kToolTexts)};

}  // namespace

const Section kBouncealongSection{"TESSALY1 - BOUNCEALONG TOOL", kBouncealong};
const Section kSpiralSection{"TESSALY1 - SPIRAL TOOL", kSpiral};
const Section kCheckerboardSection{"TESSALY1 - CHECKERBOARD TOOL", kCheckerboard};
const Section kPaintSection{"TESSALY1 - PAINT TOOL", kPaint};
const Section kBasicTileSection{"TESSALY1 - BASIC TILE TOOL", kBasicTile};
const Section kBackgroundSection{"TESSALY1 - BACKGROUND TOOL", kBackground};
const Section kCommonSection{"", kCommon};

const Item kResetButton =
    Button(kResetButtonID, {240, 385, 320, 405}, "Reset", ToolDlgResetButtonProc);
const Item kToolPopup =
    Popup(kToolPopupID, {10, 385, 160, 405}, currenttool, kToolEntries, enabled);

}  // namespace ornix::palette
