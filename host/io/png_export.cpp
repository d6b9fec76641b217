// Draws the SVG text of the document onto a cairo image surface and writes it as PNG.
#include "png_export.h"

#include <cairo.h>

#include <cmath>
#include <memory>

#include "atomic_file.h"
#include "rsvg_document.h"
#include "svg_export.h"

namespace qv::host::io {

namespace {
struct SurfaceRelease {
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct ContextRelease {
  void operator()(cairo_t* c) const { cairo_destroy(c); }
};

// cairo's largest image side.
constexpr double kMaxSide = 32767;
}  // namespace

IoResult exportPng(const Document& document, const std::filesystem::path& file,
                   const PngOptions& options) {
  IoResult result;
  auto fail = [&](const std::string& reason) {
    result.error = "cannot write '" + file.string() + "': " + reason;
    return result;
  };
  const double width = document.width() * options.scale;
  const double height = document.height() * options.scale;
  if (!(options.scale > 0) || !(width >= 1 && height >= 1) || width > kMaxSide ||
      height > kMaxSide) {
    return fail("an image of " + std::to_string(width) + " x " + std::to_string(height) +
                " pixels cannot be made");
  }
  SvgText svg = exportSvgText(document);
  result.warnings = std::move(svg.warnings);
  std::string error;
  const RsvgDocument drawing = loadRsvg(svg.text, error);
  if (!drawing) return fail("librsvg cannot read the drawing: " + error);

  const std::unique_ptr<cairo_surface_t, SurfaceRelease> surface(
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, static_cast<int>(std::ceil(width)),
                                 static_cast<int>(std::ceil(height))));
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) {
    return fail(cairo_status_to_string(cairo_surface_status(surface.get())));
  }
  {
    const std::unique_ptr<cairo_t, ContextRelease> context(cairo_create(surface.get()));
    if (options.whiteBackground) {
      cairo_set_source_rgb(context.get(), 1, 1, 1);
      cairo_paint(context.get());
    }
    const RsvgRectangle viewport{0, 0, width, height};
    GError* failure = nullptr;
    if (!rsvg_handle_render_document(drawing.get(), context.get(), &viewport, &failure)) {
      const std::string reason = failure != nullptr ? failure->message : "drawing failed";
      if (failure != nullptr) g_error_free(failure);
      return fail("librsvg cannot draw it: " + reason);
    }
  }
  cairo_surface_flush(surface.get());
  result.error = writeFileAtomically(file, [&surface](const std::filesystem::path& temporary) {
    const cairo_status_t status = cairo_surface_write_to_png(surface.get(), temporary.c_str());
    return status == CAIRO_STATUS_SUCCESS ? std::string()
                                          : std::string(cairo_status_to_string(status));
  });
  return result;
}

}  // namespace qv::host::io
