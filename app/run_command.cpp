// `qvhost run SCRIPT`: reads a script and runs it, printing progress on stderr.
#include <fmt/format.h>

#include <iostream>

#include "commands.h"
#include "script/script_runner.h"

namespace qv::app {

int runRunCommand(const std::filesystem::path& pluginsFolder, const std::filesystem::path& file,
                  const std::filesystem::path& outputFolder) {
  const ScriptLoad load = readScript(file);
  if (!load.script) {
    fmt::print(stderr, "qvhost: {}\n", load.error);
    return 2;
  }
  const RunOutcome outcome =
      runScript(*load.script, pluginsFolder,
                outputFolder.empty() ? load.script->folder : outputFolder, std::cerr);
  if (!outcome.ok) {
    fmt::print(stderr, "qvhost: {}: {}\n", file.string(), outcome.error);
    return 1;
  }
  return 0;
}

}  // namespace qv::app
