// The value syntax of SVG files: colours, the exact colour text, lengths with units,
// transform lists, view boxes, style declarations and selectors, and internal entities.
#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "document/document.h"
#include "io/number_format.h"
#include "io/svg_color.h"
#include "io/svg_css.h"
#include "io/svg_numbers.h"
#include "io/svg_transform.h"
#include "io/xml_entities.h"

namespace qv::test {
namespace {

namespace io = host::io;

TEST(SvgColor, CssColoursGiveRgbAndAlpha) {
  struct Case {
    const char* text;
    float red, green, blue, alpha;
  };
  const Case cases[] = {
      {"#f80", 1, 0x88 / 255.0f, 0, 1},
      {"#FF8000", 1, 0x80 / 255.0f, 0, 1},
      {"#ff800080", 1, 0x80 / 255.0f, 0, 0x80 / 255.0f},
      {"rgb(255, 0, 51)", 1, 0, 0.2f, 1},
      {"rgb(100%,50%,0%)", 1, 0.5f, 0, 1},
      {"rgba(0 0 255 / 0.25)", 0, 0, 1, 0.25f},
      {"hsl(120, 100%, 25%)", 0, 0.5f, 0, 1},
      {"  Navy ", 0, 0, 0x80 / 255.0f, 1},
      {"rebeccapurple", 0x66 / 255.0f, 0x33 / 255.0f, 0x99 / 255.0f, 1},
      {"transparent", 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    const auto color = io::parseCssColor(c.text);
    ASSERT_TRUE(color) << c.text;
    EXPECT_EQ(color->color.kind, kThreeColor) << c.text;
    EXPECT_NEAR(color->color.c.rgb.red, c.red, 1e-6) << c.text;
    EXPECT_NEAR(color->color.c.rgb.green, c.green, 1e-6) << c.text;
    EXPECT_NEAR(color->color.c.rgb.blue, c.blue, 1e-6) << c.text;
    EXPECT_NEAR(color->alpha, c.alpha, 1e-6) << c.text;
  }
}

TEST(SvgColor, DeviceCmykGivesACmykColour) {
  const auto color = io::parseCssColor("device-cmyk(0.1 20% 0.3 0.4)");
  ASSERT_TRUE(color);
  EXPECT_EQ(color->color.kind, kFourColor);
  EXPECT_FLOAT_EQ(color->color.c.f.magenta, 0.2f);
  EXPECT_FLOAT_EQ(color->color.c.f.black, 0.4f);
}

TEST(SvgColor, RejectsWhatIsNoColour) {
  for (const char* text : {"", "#12", "#ggg", "blurple", "rgb(1,2)", "rgb(1,2,3", "url(#a)"}) {
    EXPECT_FALSE(io::parseCssColor(text)) << text;
  }
}

TEST(SvgColor, HexShowsEveryKindAndSaysWhenItKeepsTheColour) {
  struct Case {
    AIColor color;
    const char* hex;
    bool kept;
  };
  const Case cases[] = {
      {host::rgbColor(1, 0x80 / 255.0f, 0), "#ff8000", true},
      {host::rgbColor(0.1f, 0.3f, 0.9f), "#1a4de6", false},
      {host::rgbColor(1.5f, -1, 0), "#ff0000", false},  // clamped only for showing
      {host::grayColor(0.25f), "#bfbfbf", false},       // gray is ink: 0 white, 1 black
      {host::grayColor(1), "#000000", false},
      {host::cmykColor(0, 1, 1, 0), "#ff0000", false},
      {host::cmykColor(0, 0, 0, 0.5f), "#808080", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(io::hexColor(c.color), c.hex);
    EXPECT_EQ(io::hexKeepsColor(c.color), c.kept) << c.hex;
  }
}

TEST(SvgColor, ExactColourTextReadsBackToTheSameColour) {
  for (const AIColor& color : {host::grayColor(0.123456789f), host::rgbColor(0.1f, 1.5f, -0.2f),
                               host::cmykColor(1e-7f, 0.5f, 0.25f, 1)}) {
    const auto back = io::parseExactColor(io::exactColorText(color));
    ASSERT_TRUE(back) << io::exactColorText(color);
    EXPECT_EQ(io::exactColorText(*back), io::exactColorText(color));
    EXPECT_EQ(back->kind, color.kind);
  }
  for (const char* text : {"", "gray", "rgb 1 2", "cmyk 1 2 3 x", "lab 1 2 3"}) {
    EXPECT_FALSE(io::parseExactColor(text)) << text;
  }
}

TEST(SvgNumbers, LengthsInEveryUnit) {
  const io::LengthBase base{200, 100, 10};
  struct Case {
    const char* text;
    io::Axis axis;
    double expected;
  };
  const Case cases[] = {
      {"12", io::Axis::Other, 12},
      {"12px", io::Axis::Other, 12},
      {"3pt", io::Axis::Other, 4},
      {"1pc", io::Axis::Other, 16},
      {"25.4mm", io::Axis::Other, 96},
      {"2.54cm", io::Axis::Other, 96},
      {"0.5in", io::Axis::Other, 48},
      {"2em", io::Axis::Other, 20},
      {"2ex", io::Axis::Other, 10},
      {"50%", io::Axis::Horizontal, 100},
      {"50%", io::Axis::Vertical, 50},
      {"10%", io::Axis::Other, std::sqrt((200.0 * 200 + 100 * 100) / 2) / 10},
      {" -1.5e1 ", io::Axis::Other, -15},
  };
  for (const Case& c : cases) {
    const auto value = io::parseLength(c.text, c.axis, base);
    ASSERT_TRUE(value) << c.text;
    EXPECT_NEAR(*value, c.expected, 1e-9) << c.text;
  }
  for (const char* text : {"", "px", "12 px", "12furlongs", "inf", "nan", "--1"}) {
    EXPECT_FALSE(io::parseLength(text, io::Axis::Other, base)) << text;
  }
}

TEST(SvgNumbers, ShortestTextReadsBackExactly) {
  for (const float v : {0.1f, 1.0f / 3, 123456.789f, -0.0f, 1e-30f}) {
    const std::string text = io::formatReal(v);
    EXPECT_EQ(std::stof(text), v) << text;
  }
  EXPECT_EQ(io::formatReal(0.1f), "0.1");
  EXPECT_EQ(io::formatReal(-0.0f), "0");
  for (const float height : {100.0f, 4096.0f, 3000.5f}) {
    for (const float v : {0.1f, 1e-3f, 2999.99f, 1234.567f}) {
      const double y = std::stod(io::formatFlippedY(v, height));
      EXPECT_EQ(static_cast<float>(static_cast<double>(height) - y), v) << height << " " << v;
    }
  }
}

TEST(SvgTransform, ListsComposeWithTheFirstActingLast) {
  struct Case {
    const char* text;
    AIRealPoint in, out;
  };
  const Case cases[] = {
      {"translate(10 20)", {1, 1}, {11, 21}},
      {"translate(10)", {1, 1}, {11, 1}},
      {"scale(2)", {1, 3}, {2, 6}},
      {"scale(2,3)", {1, 1}, {2, 3}},
      {"rotate(90)", {1, 0}, {0, 1}},
      {"rotate(90 10 10)", {20, 10}, {10, 20}},
      {"rotate(0.25turn)", {1, 0}, {0, 1}},
      {"skewX(45)", {0, 1}, {1, 1}},
      {"skewY(45)", {1, 0}, {1, 1}},
      {"matrix(1 2 3 4 5 6)", {1, 1}, {9, 12}},
      {"translate(10,0) scale(2)", {1, 1}, {12, 2}},
      {"scale(2) translate(10,0)", {1, 1}, {22, 2}},
      {"translate(5px, 5px)rotate(180deg)", {1, 0}, {4, 5}},
      {"", {3, 4}, {3, 4}},
  };
  for (const Case& c : cases) {
    const auto m = io::parseTransform(c.text);
    ASSERT_TRUE(m) << c.text;
    EXPECT_TRUE(host::near(host::apply(*m, c.in), c.out, 1e-5f)) << c.text;
  }
  for (const char* text :
       {"translate", "rotate(1 2)", "scale()", "shear(1)", "matrix(1 2 3)", "translate(1"}) {
    EXPECT_FALSE(io::parseTransform(text)) << text;
  }
}

TEST(SvgTransform, ViewBoxesFitTheViewport) {
  const io::ViewBox box{10, 10, 100, 50};
  struct Case {
    const char* preserve;
    AIRealPoint corner;  // where the box's far corner (110, 60) lands in 200 x 200
  };
  const Case cases[] = {
      {"", {200, 150}},  // xMidYMid meet: scale 2, centred vertically
      {"xMinYMin", {200, 100}}, {"xMaxYMax meet", {200, 200}},
      {"none", {200, 200}},     {"xMinYMin slice", {400, 200}},
  };
  for (const Case& c : cases) {
    const AIRealMatrix m = io::viewBoxTransform(box, c.preserve, 200, 200);
    EXPECT_TRUE(host::near(host::apply(m, {110, 60}), c.corner, 1e-4f)) << c.preserve;
  }
  EXPECT_FALSE(io::parseViewBox("0 0 0 10"));
  EXPECT_FALSE(io::parseViewBox("0 0 10"));
}

TEST(SvgCss, DeclarationsKeepImportanceAndSkipNoise) {
  const auto declarations =
      io::parseDeclarations(" Fill : red ; ; stroke:blue !important;/* x */ bad ");
  ASSERT_EQ(declarations.size(), 2u);
  EXPECT_EQ(declarations[0].name, "fill");
  EXPECT_EQ(declarations[0].value, "red");
  EXPECT_TRUE(declarations[1].important);
  EXPECT_EQ(declarations[1].value, "blue");
}

TEST(SvgCss, SelectorsMatchBySpecificityThenOrder) {
  pugi::xml_document xml;
  ASSERT_TRUE(xml.load_string(
      R"(<svg><g class="a b"><rect id="r" class="c" data-x="1"/><circle/></g></svg>)"));
  const pugi::xml_node rect = xml.select_node("//rect").node();
  const pugi::xml_node circle = xml.select_node("//circle").node();
  io::StyleSheet sheet;
  std::vector<std::string> warnings;
  sheet.add(R"(#r { fill: id } .c { fill: class } rect { fill: type; stroke: type }
               g.a > rect { opacity: child } svg rect[data-x="1"] { opacity: attribute }
               rect:first-child { stroke-width: first } circle:first-child { stroke-width: no }
               @media print { rect { fill: print } } rect:hover { fill: hover } * { color: all })",
            warnings);
  ASSERT_EQ(warnings.size(), 1u);  // :hover
  auto values = [&sheet](const pugi::xml_node& node) {
    std::map<std::string, std::string> result;
    for (const io::Declaration* d : sheet.matching(node)) result[d->name] = d->value;
    return result;
  };
  const auto r = values(rect);
  EXPECT_EQ(r.at("fill"), "id");
  EXPECT_EQ(r.at("stroke"), "type");
  EXPECT_EQ(r.at("opacity"), "attribute");  // equal specificity: the later rule
  EXPECT_EQ(r.at("stroke-width"), "first");
  EXPECT_EQ(r.at("color"), "all");
  EXPECT_EQ(values(circle).count("stroke-width"), 0u);
}

TEST(XmlEntities, InternalEntitiesAreExpandedRunawayOnesAreNot) {
  std::string text = R"(<!DOCTYPE svg [ <!ENTITY ns "http://www.w3.org/2000/svg">
    <!ENTITY both "&ns;#x"> ]><svg xmlns="&ns;" id="&both;" other="&unknown;"/>)";
  ASSERT_TRUE(io::expandInternalEntities(text));
  EXPECT_NE(text.find(R"(xmlns="http://www.w3.org/2000/svg")"), std::string::npos);
  EXPECT_NE(text.find(R"(id="http://www.w3.org/2000/svg#x")"), std::string::npos);
  EXPECT_NE(text.find("&unknown;"), std::string::npos);

  std::string laughs =
      R"(<!DOCTYPE svg [ <!ENTITY a "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa">)";
  for (char c = 'b'; c <= 'k'; ++c) {
    const std::string previous(1, static_cast<char>(c - 1));
    std::string value;
    for (int i = 0; i < 10; ++i) value += "&" + previous + ";";
    laughs += "<!ENTITY " + std::string(1, c) + " \"" + value + "\">";
  }
  laughs += " ]><svg>&k;</svg>";
  const std::string before = laughs;
  EXPECT_FALSE(io::expandInternalEntities(laughs));
  EXPECT_EQ(laughs, before);
}

}  // namespace
}  // namespace qv::test
