// Making the demo gallery: writes the sample artwork into the output folder, runs every panel's
// script on it through the script runner (one host per panel, as `qvhost run` does), and lays
// the panels' PNGs out on a contact sheet. Writes only into the output folder.
#pragma once

#include <filesystem>
#include <ostream>
#include <vector>

#include "demo_panels.h"

namespace qv::app {

// The sample artwork as written into the output folder, the document every panel opens.
inline constexpr char kDemoArtworkFile[] = "sample.svg";
inline constexpr char kContactSheetFile[] = "contact-sheet.png";

// Progress (one line per panel) goes to `out`, faults to `err`. A failing panel is reported and
// the others still run. Returns the exit status: 0 when everything was made, 1 when a panel or
// the contact sheet failed, 2 when the folder could not be made or written (nothing ran).
int runDemo(const std::vector<DemoPanel>& panels, const std::filesystem::path& pluginsFolder,
            const std::filesystem::path& outputFolder, std::ostream& out, std::ostream& err);

}  // namespace qv::app
