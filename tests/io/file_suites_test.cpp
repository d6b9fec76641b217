// Files nobody here wrote: the peer suite (../shared/testdata/resvg), Debian's librsvg2-tests
// (W3C tests and deliberately broken files) and openclipart-svg (real drawings). Every file
// must import without crashing and, when it imports, export to SVG that imports again. Each
// suite is one test that reports its counts; a suite whose files are not installed is skipped.
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>

#include "io/png_export.h"
#include "io/svg_export.h"
#include "io_test_support.h"
#include "png_support.h"

namespace qv::test {
namespace {

namespace io = host::io;

struct Counts {
  int files = 0;
  int imported = 0;
  int refused = 0;  // import errors: malformed files
  int reimported = 0;
  std::size_t warnings = 0;
  std::vector<std::string> failures;  // exported SVG that did not import again
};

// Every nth .svg file below `folder`, in name order (n = 1 for all of them).
std::vector<std::filesystem::path> svgFiles(const std::filesystem::path& folder, int every = 1) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file() && entry.path().extension() == ".svg")
      files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  std::vector<std::filesystem::path> sampled;
  for (std::size_t i = 0; i < files.size(); i += static_cast<std::size_t>(every))
    sampled.push_back(files[i]);
  return sampled;
}

// Imports each file, and exports and re-imports each one that imported. `also` sees every
// document that imported.
template <typename Also>
Counts run(const std::vector<std::filesystem::path>& files, Also also) {
  Counts counts;
  for (const auto& file : files) {
    ++counts.files;
    const io::ImportResult result = io::importSvg(file);
    counts.warnings += result.warnings.size();
    if (!result.ok()) {
      ++counts.refused;
      EXPECT_FALSE(result.error.empty());
      continue;
    }
    ++counts.imported;
    const io::ImportResult again = io::importSvgText(io::exportSvgText(*result.document).text);
    if (again.ok()) {
      ++counts.reimported;
    } else {
      counts.failures.push_back(file.string() + ": " + again.error);
    }
    also(file, *result.document);
  }
  return counts;
}

void report(const char* suite, const Counts& c, const std::string& note = "") {
  std::cout << suite << ": " << c.files << " files" << note << ", " << c.imported << " imported, "
            << c.refused << " refused with an error, " << c.reimported
            << " exported and imported again, " << c.warnings << " warnings\n";
  ::testing::Test::RecordProperty(std::string(suite) + "_files", c.files);
  ::testing::Test::RecordProperty(std::string(suite) + "_imported", c.imported);
  ::testing::Test::RecordProperty(std::string(suite) + "_reimported", c.reimported);
  for (std::size_t i = 0; i < std::min<std::size_t>(c.failures.size(), 10); ++i) {
    ADD_FAILURE() << c.failures[i];
  }
  EXPECT_EQ(c.reimported, c.imported);
}

TEST(FileSuites, ResvgSuiteImportsExportsAndMostlyDrawsLikeItsReferences) {
  const std::filesystem::path suite = QV_RESVG_SUITE_DIR;
  if (!std::filesystem::is_directory(suite)) GTEST_SKIP() << "no peer suite at " << suite;
  const auto folder = scratchFolder("resvg-suite");
  int compared = 0, matching = 0;
  const Counts counts =
      run(svgFiles(suite), [&](const std::filesystem::path& file, const host::Document& document) {
        const PngImage reference(std::filesystem::path(file).replace_extension(".png"));
        if (!reference.ok() || document.width() <= 0) return;
        io::PngOptions options;
        options.scale = reference.width() / static_cast<double>(document.width());
        if (!io::exportPng(document, folder / "drawn.png", options).ok()) return;
        ++compared;
        if (differingShare(reference, PngImage(folder / "drawn.png"), 48) <= 0.02) ++matching;
      });
  report("resvg", counts);
  std::cout << "resvg: " << matching << " of " << compared
            << " drawings match their reference within 2% of pixels\n";
  ::testing::Test::RecordProperty("resvg_matching", matching);
  // All 935 import; the files that differ use what the host passes through or draws with
  // librsvg's own reading of edge cases.
  EXPECT_EQ(counts.imported, counts.files);
  EXPECT_GE(matching, compared * 3 / 4);
}

TEST(FileSuites, LibrsvgTestFilesNeverCrashTheImport) {
  const std::filesystem::path suite = "/usr/libexec/installed-tests/RSVG";
  if (!std::filesystem::is_directory(suite)) GTEST_SKIP() << "librsvg2-tests is not installed";
  report("librsvg2-tests", run(svgFiles(suite), [](const auto&, const auto&) {}));
}

// Sanitized builds run several times slower; they take a sample of the drawings.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kOpenclipartEvery = 4;
#else
constexpr int kOpenclipartEvery = 1;
#endif

TEST(FileSuites, OpenclipartDrawingsImportAndExport) {
  const std::filesystem::path suite = "/usr/share/openclipart";
  if (!std::filesystem::is_directory(suite)) GTEST_SKIP() << "openclipart-svg is not installed";
  // Under the sanitizers every fourth file in name order keeps the run within a few minutes;
  // the drawings are alike enough that the sample meets what the whole package holds.
  report("openclipart", run(svgFiles(suite, kOpenclipartEvery), [](const auto&, const auto&) {}),
         kOpenclipartEvery == 1 ? "" : " (every fourth of the package)");
}

}  // namespace
}  // namespace qv::test
