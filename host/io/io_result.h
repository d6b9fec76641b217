// What reading or writing a file gives back: an error that stopped the whole document (empty
// when it worked) and warnings about single elements. Shared by every reader and writer here.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "document/document.h"

namespace qv::host::io {

struct IoResult {
  std::string error;  // names the file (and line) and the reason; "" on success
  std::vector<std::string> warnings;
  bool ok() const { return error.empty(); }
};

struct ImportResult : IoResult {
  std::unique_ptr<Document> document;  // null exactly when error is set
};

}  // namespace qv::host::io
