// Runs a qvhost script against the host: starts the plug-ins, opens the document, and carries
// out each step as a person would (select, pick a tool, change a control, drag, undo, save).
#pragma once

#include <filesystem>
#include <ostream>
#include <string>

#include "script.h"

namespace qv::app {

struct RunOutcome {
  bool ok = false;
  std::string error;  // names the step: "step 4 (drag): ..."
};

// Progress and what the modules showed go to `log`; relative save names go into
// `outputFolder`.
RunOutcome runScript(const Script& script, const std::filesystem::path& pluginsFolder,
                     const std::filesystem::path& outputFolder, std::ostream& log);

}  // namespace qv::app
