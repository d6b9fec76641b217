// CSS colour syntax (with the full list of colour names) and the exact colour text.
#include "svg_color.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "document/document.h"
#include "number_format.h"
#include "svg_numbers.h"

namespace qv::host::io {

namespace {

struct NamedColor {
  std::string_view name;
  uint32_t rgb;
};

// The CSS colour names, sorted for binary search.
constexpr std::array<NamedColor, 148> kNamedColors{{
    {"aliceblue", 0xf0f8ff},
    {"antiquewhite", 0xfaebd7},
    {"aqua", 0x00ffff},
    {"aquamarine", 0x7fffd4},
    {"azure", 0xf0ffff},
    {"beige", 0xf5f5dc},
    {"bisque", 0xffe4c4},
    {"black", 0x000000},
    {"blanchedalmond", 0xffebcd},
    {"blue", 0x0000ff},
    {"blueviolet", 0x8a2be2},
    {"brown", 0xa52a2a},
    {"burlywood", 0xdeb887},
    {"cadetblue", 0x5f9ea0},
    {"chartreuse", 0x7fff00},
    {"chocolate", 0xd2691e},
    {"coral", 0xff7f50},
    {"cornflowerblue", 0x6495ed},
    {"cornsilk", 0xfff8dc},
    {"crimson", 0xdc143c},
    {"cyan", 0x00ffff},
    {"darkblue", 0x00008b},
    {"darkcyan", 0x008b8b},
    {"darkgoldenrod", 0xb8860b},
    {"darkgray", 0xa9a9a9},
    {"darkgreen", 0x006400},
    {"darkgrey", 0xa9a9a9},
    {"darkkhaki", 0xbdb76b},
    {"darkmagenta", 0x8b008b},
    {"darkolivegreen", 0x556b2f},
    {"darkorange", 0xff8c00},
    {"darkorchid", 0x9932cc},
    {"darkred", 0x8b0000},
    {"darksalmon", 0xe9967a},
    {"darkseagreen", 0x8fbc8f},
    {"darkslateblue", 0x483d8b},
    {"darkslategray", 0x2f4f4f},
    {"darkslategrey", 0x2f4f4f},
    {"darkturquoise", 0x00ced1},
    {"darkviolet", 0x9400d3},
    {"deeppink", 0xff1493},
    {"deepskyblue", 0x00bfff},
    {"dimgray", 0x696969},
    {"dimgrey", 0x696969},
    {"dodgerblue", 0x1e90ff},
    {"firebrick", 0xb22222},
    {"floralwhite", 0xfffaf0},
    {"forestgreen", 0x228b22},
    {"fuchsia", 0xff00ff},
    {"gainsboro", 0xdcdcdc},
    {"ghostwhite", 0xf8f8ff},
    {"gold", 0xffd700},
    {"goldenrod", 0xdaa520},
    {"gray", 0x808080},
    {"green", 0x008000},
    {"greenyellow", 0xadff2f},
    {"grey", 0x808080},
    {"honeydew", 0xf0fff0},
    {"hotpink", 0xff69b4},
    {"indianred", 0xcd5c5c},
    {"indigo", 0x4b0082},
    {"ivory", 0xfffff0},
    {"khaki", 0xf0e68c},
    {"lavender", 0xe6e6fa},
    {"lavenderblush", 0xfff0f5},
    {"lawngreen", 0x7cfc00},
    {"lemonchiffon", 0xfffacd},
    {"lightblue", 0xadd8e6},
    {"lightcoral", 0xf08080},
    {"lightcyan", 0xe0ffff},
    {"lightgoldenrodyellow", 0xfafad2},
    {"lightgray", 0xd3d3d3},
    {"lightgreen", 0x90ee90},
    {"lightgrey", 0xd3d3d3},
    {"lightpink", 0xffb6c1},
    {"lightsalmon", 0xffa07a},
    {"lightseagreen", 0x20b2aa},
    {"lightskyblue", 0x87cefa},
    {"lightslategray", 0x778899},
    {"lightslategrey", 0x778899},
    {"lightsteelblue", 0xb0c4de},
    {"lightyellow", 0xffffe0},
    {"lime", 0x00ff00},
    {"limegreen", 0x32cd32},
    {"linen", 0xfaf0e6},
    {"magenta", 0xff00ff},
    {"maroon", 0x800000},
    {"mediumaquamarine", 0x66cdaa},
    {"mediumblue", 0x0000cd},
    {"mediumorchid", 0xba55d3},
    {"mediumpurple", 0x9370db},
    {"mediumseagreen", 0x3cb371},
    {"mediumslateblue", 0x7b68ee},
    {"mediumspringgreen", 0x00fa9a},
    {"mediumturquoise", 0x48d1cc},
    {"mediumvioletred", 0xc71585},
    {"midnightblue", 0x191970},
    {"mintcream", 0xf5fffa},
    {"mistyrose", 0xffe4e1},
    {"moccasin", 0xffe4b5},
    {"navajowhite", 0xffdead},
    {"navy", 0x000080},
    {"oldlace", 0xfdf5e6},
    {"olive", 0x808000},
    {"olivedrab", 0x6b8e23},
    {"orange", 0xffa500},
    {"orangered", 0xff4500},
    {"orchid", 0xda70d6},
    {"palegoldenrod", 0xeee8aa},
    {"palegreen", 0x98fb98},
    {"paleturquoise", 0xafeeee},
    {"palevioletred", 0xdb7093},
    {"papayawhip", 0xffefd5},
    {"peachpuff", 0xffdab9},
    {"peru", 0xcd853f},
    {"pink", 0xffc0cb},
    {"plum", 0xdda0dd},
    {"powderblue", 0xb0e0e6},
    {"purple", 0x800080},
    {"rebeccapurple", 0x663399},
    {"red", 0xff0000},
    {"rosybrown", 0xbc8f8f},
    {"royalblue", 0x4169e1},
    {"saddlebrown", 0x8b4513},
    {"salmon", 0xfa8072},
    {"sandybrown", 0xf4a460},
    {"seagreen", 0x2e8b57},
    {"seashell", 0xfff5ee},
    {"sienna", 0xa0522d},
    {"silver", 0xc0c0c0},
    {"skyblue", 0x87ceeb},
    {"slateblue", 0x6a5acd},
    {"slategray", 0x708090},
    {"slategrey", 0x708090},
    {"snow", 0xfffafa},
    {"springgreen", 0x00ff7f},
    {"steelblue", 0x4682b4},
    {"tan", 0xd2b48c},
    {"teal", 0x008080},
    {"thistle", 0xd8bfd8},
    {"tomato", 0xff6347},
    {"turquoise", 0x40e0d0},
    {"violet", 0xee82ee},
    {"wheat", 0xf5deb3},
    {"white", 0xffffff},
    {"whitesmoke", 0xf5f5f5},
    {"yellow", 0xffff00},
    {"yellowgreen", 0x9acd32},
}};

AIReal byteValue(int byte) { return static_cast<AIReal>(byte / 255.0); }

CssColor fromRgb(uint32_t rgb, AIReal alpha = 1) {
  return {rgbColor(byteValue(static_cast<int>((rgb >> 16) & 0xff)),
                   byteValue(static_cast<int>((rgb >> 8) & 0xff)),
                   byteValue(static_cast<int>(rgb & 0xff))),
          alpha};
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::optional<CssColor> parseHex(std::string_view hex) {
  std::vector<int> digits;
  for (char c : hex) {
    const int d = hexDigit(c);
    if (d < 0) return std::nullopt;
    digits.push_back(d);
  }
  std::array<int, 4> bytes{0, 0, 0, 255};
  if (digits.size() == 3 || digits.size() == 4) {
    for (std::size_t i = 0; i < digits.size(); ++i) bytes[i] = digits[i] * 17;
  } else if (digits.size() == 6 || digits.size() == 8) {
    for (std::size_t i = 0; i < digits.size() / 2; ++i)
      bytes[i] = digits[2 * i] * 16 + digits[2 * i + 1];
  } else {
    return std::nullopt;
  }
  return CssColor{rgbColor(byteValue(bytes[0]), byteValue(bytes[1]), byteValue(bytes[2])),
                  byteValue(bytes[3])};
}

// The arguments of a colour function: numbers, percentages or angles in degrees, separated by
// commas, spaces or a slash before the alpha.
struct Argument {
  double value = 0;
  bool percent = false;
};

std::optional<std::vector<Argument>> functionArguments(std::string_view inner) {
  std::vector<Argument> arguments;
  NumberScanner scanner(inner);
  scanner.skipSpace();
  while (!scanner.atEnd()) {
    Argument argument;
    if (!scanner.number(argument.value)) return std::nullopt;
    if (scanner.peek() == '%') {
      argument.percent = true;
      scanner.advance();
    } else if (scanner.rest().starts_with("deg")) {
      for (int i = 0; i < 3; ++i) scanner.advance();
    }
    arguments.push_back(argument);
    scanner.skipSeparator();
    if (scanner.peek() == '/') {
      scanner.advance();
      scanner.skipSpace();
    }
  }
  return arguments;
}

AIReal channel(const Argument& a, double scale) {
  const double value = a.percent ? a.value / 100 : a.value / scale;
  return static_cast<AIReal>(std::clamp(value, 0.0, 1.0));
}

AIReal alphaOf(const std::vector<Argument>& arguments, std::size_t index) {
  return arguments.size() > index ? channel(arguments[index], 1) : 1;
}

double hueToRgb(double p, double q, double t) {
  if (t < 0) t += 1;
  if (t > 1) t -= 1;
  if (t < 1.0 / 6) return p + (q - p) * 6 * t;
  if (t < 0.5) return q;
  if (t < 2.0 / 3) return p + (q - p) * (2.0 / 3 - t) * 6;
  return p;
}

std::optional<CssColor> parseFunction(std::string_view name, std::string_view inner) {
  const auto arguments = functionArguments(inner);
  if (!arguments) return std::nullopt;
  const auto& a = *arguments;
  if ((name == "rgb" || name == "rgba") && (a.size() == 3 || a.size() == 4)) {
    return CssColor{rgbColor(channel(a[0], 255), channel(a[1], 255), channel(a[2], 255)),
                    alphaOf(a, 3)};
  }
  if ((name == "hsl" || name == "hsla") && (a.size() == 3 || a.size() == 4)) {
    const double h = std::fmod(std::fmod(a[0].value, 360) + 360, 360) / 360;
    const double s = channel(a[1], 100), l = channel(a[2], 100);
    const double q = l < 0.5 ? l * (1 + s) : l + s - l * s;
    const double p = 2 * l - q;
    return CssColor{rgbColor(static_cast<AIReal>(hueToRgb(p, q, h + 1.0 / 3)),
                             static_cast<AIReal>(hueToRgb(p, q, h)),
                             static_cast<AIReal>(hueToRgb(p, q, h - 1.0 / 3))),
                    alphaOf(a, 3)};
  }
  if (name == "device-cmyk" && (a.size() == 4 || a.size() == 5)) {
    auto ink = [](const Argument& x) {
      return static_cast<AIReal>(x.percent ? x.value / 100 : x.value);
    };
    return CssColor{cmykColor(ink(a[0]), ink(a[1]), ink(a[2]), ink(a[3])), alphaOf(a, 4)};
  }
  return std::nullopt;
}

AIThreeColorStyle displayRgb(const AIColor& color) {
  auto clamp = [](AIReal v) { return std::clamp(v, AIReal{0}, AIReal{1}); };
  switch (color.kind) {
    case kGrayColor: {
      const AIReal white = 1 - clamp(color.c.g.gray);
      return {white, white, white};
    }
    case kFourColor: {
      const AIFourColorStyle& f = color.c.f;
      const AIReal k = 1 - clamp(f.black);
      return {(1 - clamp(f.cyan)) * k, (1 - clamp(f.magenta)) * k, (1 - clamp(f.yellow)) * k};
    }
    case kThreeColor:
      return {clamp(color.c.rgb.red), clamp(color.c.rgb.green), clamp(color.c.rgb.blue)};
    default:
      return {0, 0, 0};
  }
}

int toByte(AIReal value) { return static_cast<int>(std::lround(value * 255)); }

}  // namespace

std::optional<CssColor> parseCssColor(std::string_view text) {
  std::string lower(trim(text));
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (lower.empty()) return std::nullopt;
  if (lower.front() == '#') return parseHex(std::string_view(lower).substr(1));
  if (lower == "transparent") return CssColor{rgbColor(0, 0, 0), 0};
  const auto open = lower.find('(');
  if (open != std::string::npos) {
    if (lower.back() != ')') return std::nullopt;
    const std::string_view all(lower);
    return parseFunction(trim(all.substr(0, open)), all.substr(open + 1, all.size() - open - 2));
  }
  const auto it =
      std::lower_bound(kNamedColors.begin(), kNamedColors.end(), lower,
                       [](const NamedColor& n, const std::string& key) { return n.name < key; });
  if (it == kNamedColors.end() || it->name != lower) return std::nullopt;
  return fromRgb(it->rgb);
}

std::string hexColor(const AIColor& color) {
  const AIThreeColorStyle rgb = displayRgb(color);
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex = "#";
  for (const AIReal v : {rgb.red, rgb.green, rgb.blue}) {
    const int byte = toByte(v);
    hex += kDigits[byte >> 4];
    hex += kDigits[byte & 15];
  }
  return hex;
}

bool hexKeepsColor(const AIColor& color) {
  if (color.kind != kThreeColor) return false;
  const AIThreeColorStyle& rgb = color.c.rgb;
  const std::array<AIReal, 3> components{rgb.red, rgb.green, rgb.blue};
  return std::all_of(components.begin(), components.end(),
                     [](AIReal v) { return v >= 0 && v <= 1 && byteValue(toByte(v)) == v; });
}

std::string exactColorText(const AIColor& color) {
  switch (color.kind) {
    case kGrayColor:
      return "gray " + formatReal(color.c.g.gray);
    case kFourColor: {
      const AIFourColorStyle& f = color.c.f;
      return "cmyk " + formatReal(f.cyan) + " " + formatReal(f.magenta) + " " +
             formatReal(f.yellow) + " " + formatReal(f.black);
    }
    case kThreeColor: {
      const AIThreeColorStyle& rgb = color.c.rgb;
      return "rgb " + formatReal(rgb.red) + " " + formatReal(rgb.green) + " " +
             formatReal(rgb.blue);
    }
    default:
      return "";
  }
}

std::optional<AIColor> parseExactColor(std::string_view text) {
  text = trim(text);
  const auto space = text.find(' ');
  if (space == std::string_view::npos) return std::nullopt;
  const std::string_view kind = text.substr(0, space);
  const auto values = parseNumberList(text.substr(space + 1));
  if (!values) return std::nullopt;
  const auto& v = *values;
  auto r = [&v](std::size_t i) { return static_cast<AIReal>(v[i]); };
  if (kind == "gray" && v.size() == 1) return grayColor(r(0));
  if (kind == "rgb" && v.size() == 3) return rgbColor(r(0), r(1), r(2));
  if (kind == "cmyk" && v.size() == 4) return cmykColor(r(0), r(1), r(2), r(3));
  return std::nullopt;
}

}  // namespace qv::host::io
