// Starting the host for a command: load the plug-ins folder, report every module that could not
// be loaded (one line each, on stderr), start the rest. Shared by every qvhost command.
#pragma once

#include <filesystem>
#include <memory>
#include <vector>

#include "host.h"

namespace qv::app {

// The folder next to the qvhost executable, where the build puts the modules.
std::filesystem::path defaultPluginsFolder();

struct HostSession {
  std::unique_ptr<host::Host> host;
  std::vector<host::LoadResult> loads;
  // True when at least one module loaded and started.
  bool anyRunning() const;
};

HostSession startHost(const std::filesystem::path& pluginsFolder, host::HostOptions options = {});

}  // namespace qv::app
