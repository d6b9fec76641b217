// Whole-file reading with the system's reason on failure.
#include "read_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

namespace qv::host::io {

std::string readFile(const std::filesystem::path& file, std::string& contents) {
  const std::string failed = "cannot open '" + file.string() + "': ";
  std::error_code ignored;
  if (std::filesystem::is_directory(file, ignored)) return failed + "it is a folder";
  std::FILE* in = std::fopen(file.c_str(), "rb");
  if (in == nullptr) return failed + std::strerror(errno);
  contents.clear();
  char buffer[1 << 16];
  std::size_t read = 0;
  while ((read = std::fread(buffer, 1, sizeof buffer, in)) > 0) contents.append(buffer, read);
  const bool error = std::ferror(in) != 0;
  std::fclose(in);
  return error ? "cannot read '" + file.string() + "'" : "";
}

}  // namespace qv::host::io
