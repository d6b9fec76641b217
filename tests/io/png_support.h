// Reading PNG files back for tests: pixels through cairo's image surface, and a per-channel
// comparison that writes a diff image when two images differ.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

namespace qv::test {

struct Rgba {
  int r = 0, g = 0, b = 0, a = 0;
};

class PngImage {
 public:
  explicit PngImage(const std::filesystem::path& file)
      : surface_(cairo_image_surface_create_from_png(file.c_str()), cairo_surface_destroy) {}
  bool ok() const { return cairo_surface_status(surface_.get()) == CAIRO_STATUS_SUCCESS; }
  int width() const { return cairo_image_surface_get_width(surface_.get()); }
  int height() const { return cairo_image_surface_get_height(surface_.get()); }
  // Not premultiplied.
  Rgba at(int x, int y) const {
    const unsigned char* row = cairo_image_surface_get_data(surface_.get()) +
                               y * cairo_image_surface_get_stride(surface_.get());
    uint32_t pixel = 0;
    std::memcpy(&pixel, row + 4 * x, 4);
    const int a = static_cast<int>(pixel >> 24);
    auto channel = [a, pixel](int shift) {
      const int premultiplied = static_cast<int>((pixel >> shift) & 0xff);
      return a == 0 ? 0 : (premultiplied * 255 + a / 2) / a;
    };
    return {channel(16), channel(8), channel(0), a};
  }
  cairo_surface_t* surface() const { return surface_.get(); }

 private:
  std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> surface_;
};

inline bool near(Rgba a, Rgba b, int tolerance = 3) {
  return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
         std::abs(a.b - b.b) <= tolerance && std::abs(a.a - b.a) <= tolerance;
}

inline std::string text(Rgba c) {
  return "(" + std::to_string(c.r) + ", " + std::to_string(c.g) + ", " + std::to_string(c.b) +
         ", " + std::to_string(c.a) + ")";
}

// The share of pixels where some channel differs by more than `tolerance`. When `diff` is not
// empty, an image of the differing pixels (red) over a faint copy of `expected` is written there.
inline double differingShare(const PngImage& expected, const PngImage& actual, int tolerance,
                             const std::filesystem::path& diff = {}) {
  if (expected.width() != actual.width() || expected.height() != actual.height()) return 1;
  const int w = expected.width(), h = expected.height();
  std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> out(
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h), cairo_surface_destroy);
  unsigned char* data = cairo_image_surface_get_data(out.get());
  const int stride = cairo_image_surface_get_stride(out.get());
  long differing = 0;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const Rgba e = expected.at(x, y);
      const bool differs = !near(e, actual.at(x, y), tolerance);
      differing += differs ? 1 : 0;
      const int faint = 255 - (255 - (e.r + e.g + e.b) / 3) * e.a / 255 / 4;
      const uint32_t pixel =
          differs ? 0xffff0000u : 0xff000000u | static_cast<uint32_t>(faint * 0x010101);
      std::memcpy(data + y * stride + 4 * x, &pixel, 4);
    }
  }
  cairo_surface_mark_dirty(out.get());
  if (!diff.empty()) cairo_surface_write_to_png(out.get(), diff.c_str());
  return static_cast<double>(differing) / (static_cast<double>(w) * h);
}

}  // namespace qv::test
