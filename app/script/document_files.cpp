// Opening and saving documents by file extension, through the host's readers and writers.
#include "document_files.h"

#include <fmt/format.h>
#include <fmt/ostream.h>

#include "io/json_dump.h"
#include "io/png_export.h"
#include "io/svg_export.h"
#include "io/svg_import.h"

namespace qv::app {

namespace {
void printWarnings(const host::io::IoResult& result, std::ostream& log) {
  for (const std::string& warning : result.warnings) fmt::print(log, "warning: {}\n", warning);
}
}  // namespace

std::unique_ptr<host::Document> openDocument(const std::filesystem::path& file, std::string& error,
                                             std::ostream& log) {
  host::io::ImportResult result =
      file.extension() == ".json" ? host::io::importJson(file) : host::io::importSvg(file);
  printWarnings(result, log);
  if (!result.ok()) error = result.error;
  return std::move(result.document);
}

std::string saveDocument(const host::Document& document, const std::filesystem::path& file) {
  const std::string extension = file.extension().string();
  host::io::IoResult result;
  if (extension == ".svg") {
    result = host::io::exportSvg(document, file);
  } else if (extension == ".png") {
    result = host::io::exportPng(document, file, {1, true});
  } else if (extension == ".json") {
    result = host::io::exportJson(document, file);
  } else {
    return "cannot write " + file.string() + ": the name must end in .svg, .png or .json";
  }
  return result.error;
}

}  // namespace qv::app
