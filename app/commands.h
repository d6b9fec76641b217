// The qvhost commands. Each returns the process exit status and prints its result on stdout,
// its errors on stderr.
#pragma once

#include <filesystem>
#include <string>

namespace qv::app {

// Lists every module (name, file, state), the tools they registered and the About menu.
int runPluginsCommand(const std::filesystem::path& pluginsFolder);
// Picks module `name`'s entry in the shared about submenu and prints the about box shown.
int runAboutCommand(const std::filesystem::path& pluginsFolder, const std::string& name);
// Runs a script file; the first fault stops it with a message naming the step. Relative save
// names go into `outputFolder` (the script's folder when empty).
int runRunCommand(const std::filesystem::path& pluginsFolder, const std::filesystem::path& script,
                  const std::filesystem::path& outputFolder);
// Selects module `name`'s tool and prints the dialogs it then holds, with every item's state.
int runPaletteCommand(const std::filesystem::path& pluginsFolder, const std::string& name);

// Makes the demo gallery in `outputFolder`: the sample artwork, one SVG and PNG per panel and a
// contact sheet; one progress line per panel (app/demo/demo_gallery.h).
int runDemoCommand(const std::filesystem::path& pluginsFolder,
                   const std::filesystem::path& outputFolder);

}  // namespace qv::app
