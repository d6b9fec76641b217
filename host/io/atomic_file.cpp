// Temporary file beside the target, then rename: a reader never sees a half-written file.
#include "atomic_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

namespace qv::host::io {

namespace {
std::string describe(const std::filesystem::path& target, const std::string& reason) {
  return "cannot write '" + target.string() + "': " + reason;
}
}  // namespace

std::string writeFileAtomically(
    const std::filesystem::path& target,
    const std::function<std::string(const std::filesystem::path& temporary)>& write) {
  const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
  std::string pattern = (folder / ("." + target.filename().string() + ".partial-XXXXXX")).string();
  const int descriptor = ::mkstemp(pattern.data());
  if (descriptor < 0) return describe(target, std::strerror(errno));
  // mkstemp makes the file private; the result gets the permissions of any new file.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(descriptor, 0666 & ~mask);
  ::close(descriptor);
  const std::filesystem::path temporary = pattern;

  std::string reason = write(temporary);
  if (reason.empty()) {
    std::error_code error;
    std::filesystem::rename(temporary, target, error);
    if (error) reason = error.message();
  }
  if (reason.empty()) return "";
  std::error_code ignored;
  std::filesystem::remove(temporary, ignored);
  return describe(target, reason);
}

std::string writeTextFile(const std::filesystem::path& target, std::string_view contents) {
  return writeFileAtomically(target, [contents](const std::filesystem::path& temporary) {
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) return std::string(std::strerror(errno));
    const bool written = std::fwrite(contents.data(), 1, contents.size(), file) == contents.size();
    const bool closed = std::fclose(file) == 0;
    return written && closed ? std::string() : std::string(std::strerror(errno));
  });
}

}  // namespace qv::host::io
