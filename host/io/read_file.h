// Reads a whole input file. Touches nothing else.
#pragma once

#include <filesystem>
#include <string>

namespace qv::host::io {

// Returns "" and fills `contents`, or a message naming the file and the reason.
std::string readFile(const std::filesystem::path& file, std::string& contents);

}  // namespace qv::host::io
