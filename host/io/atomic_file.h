// Writes an output file whole or not at all: the content goes to a temporary file beside the
// target, which is renamed over the target only when complete. Touches only those two files.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace qv::host::io {

// Calls `write` with the temporary file's path; `write` returns "" or the reason it failed.
// Returns "" on success, else a message naming the target; on failure nothing is left behind.
std::string writeFileAtomically(
    const std::filesystem::path& target,
    const std::function<std::string(const std::filesystem::path& temporary)>& write);

std::string writeTextFile(const std::filesystem::path& target, std::string_view contents);

}  // namespace qv::host::io
