// Host start-up for the command line: loading, error lines, startup. Prints only to stderr.
#include "host_session.h"

#include <fmt/format.h>
#include <unistd.h>

#include <cstdio>

#include "pica/error_text.h"

namespace qv::app {

std::filesystem::path defaultPluginsFolder() {
  std::error_code error;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return "plugins";
  return self.parent_path() / "plugins";
}

bool HostSession::anyRunning() const {
  for (const auto& module : host->modules()) {
    if (module->state == host::ModuleState::Running) return true;
  }
  return false;
}

HostSession startHost(const std::filesystem::path& pluginsFolder, host::HostOptions options) {
  HostSession session;
  session.host = std::make_unique<host::Host>(options);
  session.loads = session.host->loadFolder(pluginsFolder);
  for (const auto& load : session.loads) {
    if (load.module == nullptr) {
      fmt::print(stderr, "qvhost: {}: {}\n", load.file.string(), load.error);
    }
  }
  session.host->startAll();
  for (const auto& module : session.host->modules()) {
    if (module->state == host::ModuleState::Failed) {
      fmt::print(stderr, "qvhost: {}: startup failed with error {}\n", module->file.string(),
                 host::describeError(module->lastError));
    }
  }
  return session;
}

}  // namespace qv::app
