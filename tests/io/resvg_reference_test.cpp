// Drawing compared with the peer suite's reference images for simple shapes: each file is
// imported, exported to PNG at the reference's 300 px width and compared pixel by pixel; a
// diff image is written beside the result when they differ.
#include <gtest/gtest.h>

#include "io/png_export.h"
#include "io_test_support.h"
#include "png_support.h"

namespace qv::test {
namespace {

namespace io = host::io;

const std::filesystem::path kSuite = QV_RESVG_SUITE_DIR;

TEST(ResvgReference, SimpleFilesDrawLikeTheirReferences) {
  if (!std::filesystem::is_directory(kSuite)) GTEST_SKIP() << "no peer suite at " << kSuite;
  const char* files[] = {
      "shapes/rect/simple-case",          "shapes/rect/rounded-rect",
      "shapes/circle/simple-case",        "shapes/ellipse/simple-case",
      "shapes/line/simple-case",          "shapes/polygon/simple-case",
      "shapes/polyline/simple-case",      "structure/use/simple-case",
      "structure/symbol/simple-case",     "structure/style-attribute/simple-case",
      "painting/stroke-linejoin/bevel",   "painting/opacity/50percent",
      "painting/mix-blend-mode/multiply", "paint-servers/stop-color/simple-case",
  };
  const auto folder = scratchFolder("resvg-reference");
  for (const char* name : files) {
    const auto svg = kSuite / (std::string(name) + ".svg");
    if (!std::filesystem::exists(svg)) {
      ADD_FAILURE() << "the suite has no " << svg;
      continue;
    }
    const auto document = imported(io::importSvg(svg));
    ASSERT_TRUE(document) << name;
    const PngImage reference(kSuite / (std::string(name) + ".png"));
    ASSERT_TRUE(reference.ok()) << name;
    io::PngOptions options;
    options.scale = reference.width() / static_cast<double>(document->width());
    std::string flat = name;
    std::replace(flat.begin(), flat.end(), '/', '-');
    const auto drawn = folder / (flat + ".png");
    ASSERT_TRUE(io::exportPng(*document, drawn, options).ok()) << name;
    const PngImage image(drawn);
    // Edges are smoothed differently by the two renderers; a few percent may differ.
    const double share = differingShare(reference, image, 48);
    if (share > 0.02) {
      const auto diff = folder / (flat + "-diff.png");
      differingShare(reference, image, 48, diff);
      ADD_FAILURE() << name << ": " << share * 100 << "% of pixels differ; see " << diff;
    }
  }
}

}  // namespace
}  // namespace qv::test
