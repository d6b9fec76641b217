// Shared by the io tests: fixture paths, importing a fixture that must import, finding art by
// id, and comparing documents art for art through what a user sees of them.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "document/document.h"
#include "io/svg_import.h"

namespace qv::test {

inline std::filesystem::path dataFile(const std::string& relative) {
  return std::filesystem::path(QV_TEST_DATA_DIR) / relative;
}

// A fresh, empty folder for files a test writes.
inline std::filesystem::path scratchFolder(const std::string& name) {
  const auto folder = std::filesystem::temp_directory_path() / ("qv-io-" + name);
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return folder;
}

// The document of an import that must work; fails the test (and gives null) otherwise.
inline std::unique_ptr<host::Document> imported(host::io::ImportResult result) {
  EXPECT_TRUE(result.ok()) << result.error;
  return std::move(result.document);
}

inline const host::Art* findArt(const host::Document& document, const std::string& id) {
  const host::Art* found = nullptr;
  document.forEach([&](const host::Art& art) {
    if (found == nullptr && art.id == id) found = &art;
  });
  return found;
}

// Every live art in pre-order.
inline std::vector<const host::Art*> allArt(const host::Document& document) {
  std::vector<const host::Art*> art;
  document.forEach([&](const host::Art& a) { art.push_back(&a); });
  return art;
}

// Compares two documents art for art: tree shape, type, id, geometry within `tolerance`,
// style, paint strings, opacity, blending, tags and state.
void expectSameArt(const host::Document& expected, const host::Document& actual,
                   float tolerance = 1e-4f);

}  // namespace qv::test
