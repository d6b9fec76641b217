// The gallery's panel table: the copy tool's Grid and Drag patterns and the point-drag tool's
// modes, each chosen to show its effect clearly on the sample artwork and palette
// (sample_artwork.h).
#include "demo_panels.h"

namespace qv::app {

const std::vector<DemoPanel>& demoPanels() {
  static const std::vector<DemoPanel> panels = {
      {"artwork", "Sample artwork", R"js({"steps": []})js"},

      // The tile in a 5 x 4 grid down to the lower right, every copy turned by 20 degrees and
      // filled with a random swatch of the sample palette.
      {"grid-colour", "Grid, 5 x 4, random swatches, rotation 20",
       R"js({"steps": [
            {"select": ["tile"]}, {"tool": "QV17_Tessaly1"},
            {"set": {"control": "Columns / rows", "value": 5}},
            {"set": {"control": 21, "value": 4}},
            {"set": {"control": "Rotation (o)", "value": 20}},
            {"set": {"control": "Fill color - Ignore", "value": " Random swatches"}},
            {"drag": {"from": [215, 97], "to": [435, 287], "events": 6}}]})js"},

      // The dot in a 6 x 6 checkerboard whose columns shrink in thirds, fading to white row by
      // row.
      {"grid-check", "Grid, checkerboard, apply pattern, fade to white",
       R"js({"steps": [
            {"select": ["dot"]}, {"tool": "QV17_Tessaly1"},
            {"set": {"control": "Columns / rows", "value": 6}},
            {"set": {"control": 21, "value": 6}},
            {"set": {"control": "Ignore checkerboard", "value": " Check 1"}},
            {"set": {"control": "Default horizontal apply", "value": " Apply 14"}},
            {"set": {"control": "Fill color - Ignore", "value": " To white"}},
            {"drag": {"from": [215, 45], "to": [455, 295], "events": 6}}]})js"},

      // The flower dragged to the lower right: seven members, turned by 15 degrees, fading to
      // white and placed beneath the artwork so that the original stays in front.
      {"drag-fade", "Drag, 7 copies fading to white, placed beneath",
       R"js({"steps": [
            {"select": ["flower"]}, {"tool": "QV17_Tessaly1"},
            {"set": {"control": "Tessaly1 - Grid plug-in", "value": " Tessaly1 - Drag plug-in"}},
            {"set": {"control": "Copies", "value": 7}},
            {"set": {"control": "Rotation (o)", "value": 15}},
            {"set": {"control": "Fill color - Ignore", "value": " To white"}},
            {"set": {"control": "Place above", "value": " Place beneath"}},
            {"drag": {"from": [90, 85], "to": [380, 245], "events": 8}}]})js"},

      // Every point of the flower: both handles moved by the drag vector, so that the petals
      // lean the way the mouse went while the anchor points stay.
      {"points-handles", "Point drag, every handle moved with the drag",
       R"js({"steps": [
            {"select": {"id": "flower", "points": [0, 1, 2, 3, 4, 5, 6, 7, 8, 9]}},
            {"tool": "QV17_Pivora"},
            {"set": {"control": 12, "value": " Direction points add (cursor)"}},
            {"drag": {"from": [90, 85], "to": [140, 110], "events": 8}}]})js"},

      // The petal tips: their handles scaled by the drag vector in percent (here 200 in both
      // directions), which rounds the flower out.
      {"points-factor", "Point drag, tip handles scaled to 200%",
       R"js({"steps": [
            {"select": {"id": "flower", "points": [0, 2, 4, 6, 8]}}, {"tool": "QV17_Pivora"},
            {"set": {"control": 12, "value": " Direction points factor (cursor)"}},
            {"drag": {"from": [20, 300], "to": [220, 100], "events": 8}}]})js"},

      // Two petal tips moved by the drag vector while the rest of the flower stays.
      {"points-anchors", "Point drag, two petal tips moved with the drag",
       R"js({"steps": [
            {"select": {"id": "flower", "points": [0, 2]}}, {"tool": "QV17_Pivora"},
            {"set": {"control": 12, "value": " Anchor points add (cursor)"}},
            {"drag": {"from": [90, 85], "to": [210, 235], "events": 8}}]})js"},

      // "Trail/trace" on: nothing is undone between events, so every event moves the handles
      // by the same drag vector once more and leaves a copy of the flower as it then was, each
      // filled with a random swatch.
      {"points-trace", "Point drag, trace of five events, random swatches",
       R"js({"steps": [
            {"select": {"id": "flower", "points": [0, 1, 2, 3, 4, 5, 6, 7, 8, 9]}},
            {"tool": "QV17_Pivora"},
            {"set": {"control": 12, "value": " Direction points add (cursor)"}},
            {"set": {"control": "Trail/trace", "value": true}},
            {"set": {"control": "Fill swatch (R)", "value": true}},
            {"drag": {"points": [[0, 0], [14, 8], [14, 8], [14, 8], [14, 8], [14, 8]]}}]})js"},
  };
  return panels;
}

}  // namespace qv::app
