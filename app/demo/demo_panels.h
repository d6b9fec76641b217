// The panels of `qvhost demo`: one gesture per panel on the sample artwork, each written as the
// script a person would run (docs/scripts.md), so that every selection, tool change, control
// change and drag goes through the same front-end path as `qvhost run`. Pure data.
#pragma once

#include <string>
#include <vector>

namespace qv::app {

struct DemoPanel {
  std::string name;   // file stem of the panel's SVG and PNG, e.g. "grid-check"
  std::string title;  // what the progress line and the contact sheet call it
  // A script without "document", "swatches" and save steps, as JSON: the demo opens the sample
  // artwork with the sample palette and saves NAME.svg and NAME.png after the steps.
  std::string script;
};

// In gallery order; a new tool adds its rows here.
const std::vector<DemoPanel>& demoPanels();

}  // namespace qv::app
