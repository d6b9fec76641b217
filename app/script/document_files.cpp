// Opening and saving documents by file extension.
#include "document_files.h"

namespace qv::app {

std::unique_ptr<host::Document> openDocument(const std::filesystem::path& file, std::string& error,
                                             std::ostream&) {
  error = "cannot open " + file.string() + ": SVG import is not connected yet";
  return nullptr;
}

std::string saveDocument(const host::Document&, const std::filesystem::path& file) {
  return "cannot write " + file.string() + ": export is not connected yet";
}

}  // namespace qv::app
