// `qvhost demo`: makes the demo gallery of the built-in panels on the terminal's streams.
#include <iostream>

#include "commands.h"
#include "demo_gallery.h"

namespace qv::app {

int runDemoCommand(const std::filesystem::path& pluginsFolder,
                   const std::filesystem::path& outputFolder) {
  return runDemo(demoPanels(), pluginsFolder, outputFolder, std::cout, std::cerr);
}

}  // namespace qv::app
