// Colours in SVG files: CSS colour values as paint uses them, the sRGB a document colour is
// shown with, and the exact colour text that carries a gray, CMYK or finely graded RGB colour
// through a file beside that sRGB value. Pure.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "AITypes.h"

namespace qv::host::io {

struct CssColor {
  AIColor color{};  // RGB, or CMYK for device-cmyk()
  AIReal alpha = 1;
};

// #rgb, #rgba, #rrggbb, #rrggbbaa, rgb()/rgba() with numbers or percentages, hsl()/hsla(),
// the CSS colour names, transparent, and device-cmyk(c m y k [/ alpha]). Case does not matter.
std::optional<CssColor> parseCssColor(std::string_view text);

// "#rrggbb" of how the colour is shown: gray g is 1 - g of white, CMYK is
// (1 - c)(1 - k) and so on; components are clamped to 0..1 here and only here.
std::string hexColor(const AIColor& color);
// Whether reading hexColor(color) back gives exactly this colour (an RGB colour in whole
// steps of 1/255).
bool hexKeepsColor(const AIColor& color);

// "gray g", "rgb r g b" or "cmyk c m y k" with every digit the float needs; and back.
std::string exactColorText(const AIColor& color);
std::optional<AIColor> parseExactColor(std::string_view text);

}  // namespace qv::host::io
