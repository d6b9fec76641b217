// Opening and saving documents for the command line: SVG in; SVG, PNG or JSON out by the
// file's extension. Each file is written completely or not at all.
#pragma once

#include <filesystem>
#include <memory>
#include <ostream>
#include <string>

#include "document/document.h"

namespace qv::app {

// Null and `error` set when the file cannot be read; warnings go to `log`.
std::unique_ptr<host::Document> openDocument(const std::filesystem::path& file, std::string& error,
                                             std::ostream& log);
// "" on success, else the reason.
std::string saveDocument(const host::Document& document, const std::filesystem::path& file);

}  // namespace qv::app
