// PNG export: the pixels show the shapes, with opacity and blending as SVG defines them,
// at the artboard's size times the scale; failures leave no file.
#include "io/png_export.h"

#include <gtest/gtest.h>

#include <cstring>

#include "io_test_support.h"
#include "png_support.h"

namespace qv::test {
namespace {

namespace io = host::io;

constexpr const char* kSwatches =
    R"(<svg xmlns="http://www.w3.org/2000/svg" width="100" height="50">
  <rect x="0" y="0" width="20" height="20" fill="#ff0000"/>
  <rect x="30" y="0" width="20" height="20" fill="#0000ff" opacity="0.5"/>
  <rect x="60" y="0" width="30" height="20" fill="#00ffff"/>
  <rect x="75" y="0" width="15" height="20" fill="#ffff00" style="mix-blend-mode:multiply"/>
  <path d="M0 30 h20 v20 h-20 z M5 35 v10 h10 v-10 z" fill-rule="evenodd" fill="#008000"/>
</svg>)";

TEST(PngExport, PixelsShowShapesOpacityAndMultiply) {
  const auto folder = scratchFolder("png");
  const auto document = imported(io::importSvgText(kSwatches));
  ASSERT_TRUE(document);
  io::PngOptions options;
  options.whiteBackground = true;
  const io::IoResult written = io::exportPng(*document, folder / "swatches.png", options);
  ASSERT_TRUE(written.ok()) << written.error;
  const PngImage image(folder / "swatches.png");
  ASSERT_TRUE(image.ok());
  EXPECT_EQ(image.width(), 100);
  EXPECT_EQ(image.height(), 50);
  struct Probe {
    int x, y;
    Rgba expected;
    const char* what;
  };
  const Probe probes[] = {
      {10, 10, {255, 0, 0, 255}, "red square"},
      {40, 10, {128, 128, 255, 255}, "half-transparent blue on white"},
      {65, 10, {0, 255, 255, 255}, "cyan"},
      {80, 10, {0, 255, 0, 255}, "yellow multiplied onto cyan"},
      {95, 10, {255, 255, 255, 255}, "background"},
      {2, 40, {0, 128, 0, 255}, "compound path"},
      {10, 40, {255, 255, 255, 255}, "even-odd hole"},
  };
  for (const Probe& p : probes) {
    EXPECT_TRUE(near(image.at(p.x, p.y), p.expected)) << p.what << ": " << text(image.at(p.x, p.y));
  }
}

TEST(PngExport, ScaleSizesTheImageAndTheBackgroundIsTransparentByDefault) {
  const auto folder = scratchFolder("png-scale");
  const auto document = imported(io::importSvgText(kSwatches));
  ASSERT_TRUE(document);
  io::PngOptions options;
  options.scale = 2.5;
  ASSERT_TRUE(io::exportPng(*document, folder / "big.png", options).ok());
  const PngImage image(folder / "big.png");
  ASSERT_TRUE(image.ok());
  EXPECT_EQ(image.width(), 250);
  EXPECT_EQ(image.height(), 125);
  EXPECT_TRUE(near(image.at(45, 45), {255, 0, 0, 255}));
  EXPECT_EQ(image.at(240, 25).a, 0);
}

TEST(PngExport, GradientsDrawWhereTheyWereAfterImport) {
  const auto folder = scratchFolder("png-gradient");
  const auto document = imported(io::importSvg(dataFile("svg/paint/gradient-and-pattern.svg")));
  ASSERT_TRUE(document);
  ASSERT_TRUE(io::exportPng(*document, folder / "gradient.png").ok());
  const PngImage image(folder / "gradient.png");
  ASSERT_TRUE(image.ok());
  // The rect spans y 10..50; its gradient runs from red at the top to blue at the bottom.
  const Rgba top = image.at(30, 14), bottom = image.at(30, 46);
  EXPECT_GT(top.r, 200) << text(top);
  EXPECT_LT(top.b, 60) << text(top);
  EXPECT_GT(bottom.b, 200) << text(bottom);
  EXPECT_LT(bottom.r, 60) << text(bottom);
}

TEST(PngExportErrors, ImpossibleImagesAndUnwritableFilesLeaveNoFile) {
  const auto folder = scratchFolder("png-errors");
  const auto document = imported(io::importSvgText(kSwatches));
  ASSERT_TRUE(document);
  for (const double scale : {0.0, -1.0, 1000.0}) {
    io::PngOptions options;
    options.scale = scale;
    const io::IoResult result = io::exportPng(*document, folder / "bad.png", options);
    EXPECT_FALSE(result.ok()) << scale;
    EXPECT_NE(result.error.find("bad.png"), std::string::npos) << result.error;
  }
  const io::IoResult unwritable = io::exportPng(*document, folder / "missing" / "x.png");
  EXPECT_FALSE(unwritable.ok());
  EXPECT_TRUE(std::filesystem::is_empty(folder));
}

}  // namespace
}  // namespace qv::test
