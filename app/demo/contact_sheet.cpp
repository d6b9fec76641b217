// Lays the panel images out three to a row on a light background, each scaled to fit its cell
// with its title above it, and writes the result through the host's atomic file writer.
#include "contact_sheet.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "io/atomic_file.h"

namespace qv::app {

namespace {

struct SurfaceRelease {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct ContextRelease {
  void operator()(cairo_t* context) const { cairo_destroy(context); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceRelease>;

constexpr int kColumns = 3;
constexpr double kCellWidth = 360;
constexpr double kCellHeight = 240;
constexpr double kTitleHeight = 30;
constexpr double kMargin = 20;
constexpr double kTitleSize = 15;

// Null when the file is missing or not a PNG cairo can read.
Surface loadPng(const std::filesystem::path& file) {
  if (file.empty()) return nullptr;
  Surface image(cairo_image_surface_create_from_png(file.c_str()));
  if (cairo_surface_status(image.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
  return image;
}

// The title in the band above the cell at (x, y), its size reduced until it fits the width.
void drawTitle(cairo_t* context, const std::string& title, double x, double y) {
  cairo_select_font_face(context, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  double size = kTitleSize;
  cairo_text_extents_t extents{};
  for (;;) {
    cairo_set_font_size(context, size);
    cairo_text_extents(context, title.c_str(), &extents);
    if (extents.x_advance <= kCellWidth || size <= 8) break;
    size -= 1;
  }
  cairo_set_source_rgb(context, 0.15, 0.15, 0.15);
  cairo_move_to(context, x, y + kTitleHeight - 9);
  cairo_show_text(context, title.c_str());
}

// The image scaled to fit the cell at (x, y) and centred in it, on white, with a thin frame;
// a cell without image says so.
void drawCell(cairo_t* context, cairo_surface_t* image, double x, double y) {
  cairo_set_source_rgb(context, 1, 1, 1);
  cairo_rectangle(context, x, y, kCellWidth, kCellHeight);
  cairo_fill(context);
  if (image != nullptr) {
    const double width = cairo_image_surface_get_width(image);
    const double height = cairo_image_surface_get_height(image);
    const double scale = std::min(kCellWidth / width, kCellHeight / height);
    cairo_save(context);
    cairo_translate(context, x + (kCellWidth - width * scale) / 2,
                    y + (kCellHeight - height * scale) / 2);
    cairo_scale(context, scale, scale);
    cairo_set_source_surface(context, image, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(context), CAIRO_FILTER_GOOD);
    cairo_paint(context);
    cairo_restore(context);
  } else {
    const char* text = "not made";
    cairo_set_font_size(context, kTitleSize);
    cairo_text_extents_t extents{};
    cairo_text_extents(context, text, &extents);
    cairo_set_source_rgb(context, 0.6, 0.1, 0.1);
    cairo_move_to(context, x + (kCellWidth - extents.x_advance) / 2, y + kCellHeight / 2);
    cairo_show_text(context, text);
  }
  cairo_set_source_rgb(context, 0.7, 0.7, 0.7);
  cairo_set_line_width(context, 1);
  cairo_rectangle(context, x + 0.5, y + 0.5, kCellWidth - 1, kCellHeight - 1);
  cairo_stroke(context);
}

}  // namespace

std::string writeContactSheet(const std::vector<SheetCell>& cells,
                              const std::filesystem::path& file) {
  if (cells.empty()) return "cannot write " + file.string() + ": there are no panels";
  const int columns = std::min<int>(kColumns, static_cast<int>(cells.size()));
  const int rows = (static_cast<int>(cells.size()) + kColumns - 1) / kColumns;
  const double cellStepH = kCellWidth + kMargin;
  const double cellStepV = kTitleHeight + kCellHeight + kMargin;
  const Surface sheet(cairo_image_surface_create(CAIRO_FORMAT_RGB24,
                                                 static_cast<int>(kMargin + columns * cellStepH),
                                                 static_cast<int>(kMargin + rows * cellStepV)));
  if (cairo_surface_status(sheet.get()) != CAIRO_STATUS_SUCCESS) {
    return "cannot write " + file.string() + ": " +
           cairo_status_to_string(cairo_surface_status(sheet.get()));
  }
  {
    const std::unique_ptr<cairo_t, ContextRelease> context(cairo_create(sheet.get()));
    cairo_set_source_rgb(context.get(), 0.93, 0.93, 0.93);
    cairo_paint(context.get());
    for (std::size_t i = 0; i < cells.size(); ++i) {
      const double x = kMargin + static_cast<double>(i % kColumns) * cellStepH;
      const double y = kMargin + static_cast<double>(i / kColumns) * cellStepV;
      drawTitle(context.get(), cells[i].title, x, y);
      drawCell(context.get(), loadPng(cells[i].image).get(), x, y + kTitleHeight);
    }
  }
  cairo_surface_flush(sheet.get());
  return host::io::writeFileAtomically(file, [&sheet](const std::filesystem::path& temporary) {
    const cairo_status_t status = cairo_surface_write_to_png(sheet.get(), temporary.c_str());
    return status == CAIRO_STATUS_SUCCESS ? std::string()
                                          : std::string(cairo_status_to_string(status));
  });
}

}  // namespace qv::app
