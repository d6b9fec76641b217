// SVG import: shapes and paths, structure (groups, <use>, symbols, layers, nested viewports),
// the style cascade, paint servers, pass-through art, document state from data- attributes,
// units and transforms, and the errors and warnings a person sees.
#include "io/svg_import.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "document/geometry.h"
#include "io_test_support.h"

namespace qv::test {
namespace {

using host::Art;
using host::Document;
namespace io = host::io;

io::ImportResult importBody(const std::string& body,
                            const char* size = R"(width="100" height="100")") {
  return io::importSvgText(std::string(R"(<svg xmlns="http://www.w3.org/2000/svg" )") + size + ">" +
                           body + "</svg>");
}

const Art& only(const Document& document) {
  EXPECT_EQ(document.layers().size(), 1u);
  EXPECT_EQ(document.layers().front().art.size(), 1u);
  return *document.layers().front().art.front();
}

void expectBounds(const Document& document, const Art& art, AIRealRect expected,
                  float tolerance = 1e-3f) {
  const host::Bounds b = document.bounds(art);
  ASSERT_FALSE(b.empty) << art.id;
  EXPECT_NEAR(b.rect.left, expected.left, tolerance) << art.id;
  EXPECT_NEAR(b.rect.top, expected.top, tolerance) << art.id;
  EXPECT_NEAR(b.rect.right, expected.right, tolerance) << art.id;
  EXPECT_NEAR(b.rect.bottom, expected.bottom, tolerance) << art.id;
}

bool mentions(const std::vector<std::string>& warnings, const std::string& a,
              const std::string& b) {
  return std::any_of(warnings.begin(), warnings.end(), [&](const std::string& w) {
    return w.find(a) != std::string::npos && w.find(b) != std::string::npos;
  });
}

TEST(SvgImport, BasicShapesHaveTheirBoundsWithYFlipped) {
  struct Case {
    const char* element;
    AIRealRect bounds;  // left, top, right, bottom in document coordinates (v up)
    std::size_t segments;
  };
  const Case cases[] = {
      {R"(<rect x="10" y="20" width="30" height="40"/>)", {10, 80, 40, 40}, 4},
      {R"(<rect x="10" y="20" width="30" height="40" rx="5"/>)", {10, 80, 40, 40}, 8},
      {R"(<rect width="30" height="40" rx="50" ry="2"/>)", {0, 100, 30, 60}, 8},
      {R"(<circle cx="50" cy="50" r="10"/>)", {40, 60, 60, 40}, 4},
      {R"(<ellipse cx="50" cy="20" rx="30" ry="5"/>)", {20, 85, 80, 75}, 4},
      {R"(<ellipse cx="50" cy="20" rx="5"/>)", {45, 85, 55, 75}, 4},
      {R"(<line x1="0" y1="0" x2="100" y2="50" stroke="black"/>)", {0, 100, 100, 50}, 2},
      {R"(<polyline points="0,0 10,10 20,0"/>)", {0, 100, 20, 90}, 3},
      {R"(<polygon points="0 0 10 10 20 0"/>)", {0, 100, 20, 90}, 3},
      {R"(<path d="M10 10 Q 50 90 90 10"/>)", {10, 90, 90, 50}, 2},
  };
  for (const Case& c : cases) {
    const auto document = imported(importBody(c.element));
    ASSERT_TRUE(document) << c.element;
    const Art& art = only(*document);
    EXPECT_EQ(art.type, kPathArt) << c.element;
    EXPECT_EQ(art.segments.size(), c.segments) << c.element;
    EXPECT_EQ(art.segmentSelection.size(), art.segments.size()) << c.element;
    expectBounds(*document, art, c.bounds);
  }
}

TEST(SvgImport, ShapesThatDrawNothingOrCannotBeHeldAreLeftOutWithAWarning) {
  for (const char* element :
       {R"(<rect width="0" height="10"/>)", R"(<rect width="-5" height="10"/>)",
        R"(<circle r="0"/>)", R"(<path d=""/>)", R"(<path d="M 10 10"/>)",
        R"(<polyline points="5 5"/>)", R"(<path d="M0 0 L1e39 0"/>)"}) {
    const io::ImportResult result = importBody(element);
    ASSERT_TRUE(result.ok()) << element;
    EXPECT_TRUE(result.document->layers().front().art.empty()) << element;
    EXPECT_EQ(result.warnings.size(), 1u) << element;
  }
}

TEST(SvgImport, BadPathDataKeepsWhatCameBeforeAndSaysWhere) {
  const io::ImportResult result = importBody(R"(<path id="p" d="M0 0 L10 0 L10 10 oops 4"/>)");
  ASSERT_TRUE(result.ok());
  EXPECT_EQ(only(*result.document).segments.size(), 3u);
  ASSERT_EQ(result.warnings.size(), 1u);
  EXPECT_NE(
      result.warnings[0].find("<svg text>:1: <path id=\"p\">: path data has an error at offset 18"),
      std::string::npos)
      << result.warnings[0];
}

TEST(SvgImport, SubpathsMakeACompoundPathOfPaths) {
  const auto document = imported(importBody(
      R"(<path id="donut" fill-rule="evenodd" fill="#00f" d="M0 0h50v50H0z m10 10h30v30h-30z"/>)"));
  ASSERT_TRUE(document);
  const Art& art = only(*document);
  EXPECT_EQ(art.type, kCompoundPathArt);
  EXPECT_EQ(art.id, "donut");
  EXPECT_TRUE(art.style.evenodd);
  ASSERT_EQ(art.children.size(), 2u);
  for (const Art* child : art.children) {
    EXPECT_EQ(child->type, kPathArt);
    EXPECT_TRUE(child->closed);
    EXPECT_TRUE(child->style.evenodd);
    EXPECT_FLOAT_EQ(child->style.fill.color.c.rgb.blue, 1);
  }
  expectBounds(*document, *art.children[1], {10, 90, 40, 60});
}

TEST(SvgImport, TransformsNestAndScaleTheStroke) {
  const auto document = imported(importBody(
      R"~(<g transform="translate(50 50)"><g transform="scale(2)">
           <rect id="r" transform="rotate(90)" width="10" height="5" stroke="black" stroke-width="3"
                 stroke-dasharray="1 2"/></g></g>)~",
      R"(width="100" height="100" viewBox="0 0 50 50")"));
  ASSERT_TRUE(document);
  const Art* r = findArt(*document, "r");
  ASSERT_NE(r, nullptr);
  // viewBox doubles, translate, scale 2, rotate: x in [50-10, 50]·2, y in [50, 50+20]·2 (y down).
  expectBounds(*document, *r, {80, 0, 100, -40});
  EXPECT_FLOAT_EQ(r->style.stroke.width, 12);
  EXPECT_FLOAT_EQ(r->style.stroke.dash.array[1], 8);
}

TEST(SvgImport, UseAndSymbolsAreExpandedAsGroups) {
  const io::ImportResult result = io::importSvg(dataFile("svg/structure/use-and-symbol.svg"));
  ASSERT_TRUE(result.ok()) << result.error;
  const Document& document = *result.document;
  const Art* copy = findArt(document, "copy");
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->type, kGroupArt);
  ASSERT_EQ(copy->children.size(), 1u);
  EXPECT_TRUE(copy->children[0]->id.empty());  // a copy does not take the original's id
  EXPECT_FLOAT_EQ(copy->children[0]->style.fill.color.c.rgb.green, 0x80 / 255.0f);
  expectBounds(document, *copy, {20, 70, 30, 60});
  const Art* scaled = findArt(document, "scaled");
  ASSERT_NE(scaled, nullptr);
  expectBounds(document, *scaled, {50, 50, 70, 30});
  EXPECT_FLOAT_EQ(scaled->children[0]->style.fill.color.c.rgb.blue, 1);  // inherited from <use>
  EXPECT_TRUE(
      mentions(result.warnings, "use-and-symbol.svg:8: <use id=\"loop\">", "refers to itself"));
  EXPECT_TRUE(mentions(result.warnings, "<use id=\"missing\">", "#nothing"));
  EXPECT_EQ(findArt(document, "loop"), nullptr);
}

TEST(SvgImport, LayerGroupsBecomeLayersInTheirUnits) {
  const auto document = imported(io::importSvg(dataFile("svg/structure/layers.svg")));
  ASSERT_TRUE(document);
  EXPECT_NEAR(document->width(), 50 * 96 / 25.4, 1e-3);
  EXPECT_NEAR(document->height(), 25 * 96 / 25.4, 1e-3);
  const auto& layers = document->layers();
  ASSERT_EQ(layers.size(), 4u);
  EXPECT_EQ(layers[0].name, "Layer 1");
  EXPECT_EQ(layers[0].art.front()->id, "loose");
  EXPECT_EQ(layers[1].name, "Background");
  EXPECT_EQ(layers[1].art.front()->id, "back");
  EXPECT_EQ(layers[2].name, "Top");
  EXPECT_FALSE(layers[2].visible);
  EXPECT_FALSE(layers[2].art.front()->hidden);
  // A layer's opacity stays on a group inside it.
  EXPECT_EQ(layers[3].name, "Faded");
  ASSERT_EQ(layers[3].art.size(), 1u);
  EXPECT_EQ(layers[3].art.front()->type, kGroupArt);
  EXPECT_FLOAT_EQ(layers[3].art.front()->opacity, 0.5f);
  const Art* back = findArt(*document, "back");
  expectBounds(*document, *back, {0, document->height(), document->width(), 0});
}

TEST(SvgImport, StylesCascadeAndInherit) {
  const auto document = imported(io::importSvg(dataFile("svg/style/cascade.svg")));
  ASSERT_TRUE(document);
  auto fill = [&](const char* id) { return findArt(*document, id)->style.fill.color.c.rgb; };
  EXPECT_FLOAT_EQ(fill("inherits").blue, 1);
  EXPECT_FLOAT_EQ(findArt(*document, "inherits")->style.stroke.width, 4);  // rule beats inheritance
  EXPECT_FALSE(findArt(*document, "inherits")->style.strokePaint);
  EXPECT_FLOAT_EQ(fill("classed").green, 0xa5 / 255.0f);  // rule beats the attribute: orange
  EXPECT_TRUE(findArt(*document, "classed")->style.strokePaint);
  EXPECT_FLOAT_EQ(fill("special").red, 0);  // important rule beats style: lime
  EXPECT_FLOAT_EQ(fill("special").green, 1);
  EXPECT_FLOAT_EQ(fill("styled").red, 0);  // style beats rule: black, no stroke
  EXPECT_FALSE(findArt(*document, "styled")->style.strokePaint);
  EXPECT_FLOAT_EQ(findArt(*document, "em")->style.stroke.width, 2);
  expectBounds(*document, *findArt(*document, "em"), {0, 100, 20, 90});
  EXPECT_FLOAT_EQ(fill("current").green, 1);
}

TEST(SvgImport, PaintOpacitiesFoldIntoTheArtsOpacity) {
  struct Case {
    const char* element;
    float opacity;
    bool fill, stroke;
  };
  const Case cases[] = {
      {R"(<rect width="5" height="5" fill-opacity="0.5" opacity="0.5"/>)", 0.25f, true, false},
      {R"~(<rect width="5" height="5" fill="rgba(0,0,0,0.5)"/>)~", 0.5f, true, false},
      {R"(<rect width="5" height="5" fill="none" stroke="red" stroke-opacity="40%"/>)", 0.4f, false,
       true},
      {R"(<rect width="5" height="5" stroke="red" stroke-opacity="0"/>)", 1, true, false},
      {R"(<rect width="5" height="5" fill="transparent" stroke="red"/>)", 1, false, true},
  };
  for (const Case& c : cases) {
    const auto document = imported(importBody(c.element));
    ASSERT_TRUE(document);
    const Art& art = only(*document);
    EXPECT_FLOAT_EQ(art.opacity, c.opacity) << c.element;
    EXPECT_EQ(art.style.fillPaint != 0, c.fill) << c.element;
    EXPECT_EQ(art.style.strokePaint != 0, c.stroke) << c.element;
  }
}

TEST(SvgImport, BlendModesByName) {
  for (int mode = 0; mode < 16; ++mode) {
    static const char* names[] = {"normal",     "multiply",   "screen",      "overlay",
                                  "darken",     "lighten",    "color-dodge", "color-burn",
                                  "hard-light", "soft-light", "difference",  "exclusion",
                                  "hue",        "saturation", "color",       "luminosity"};
    const auto document =
        imported(importBody(std::string(R"(<rect width="5" height="5" style="mix-blend-mode:)") +
                            names[mode] + R"("/>)"));
    ASSERT_TRUE(document);
    EXPECT_EQ(only(*document).blendMode, mode) << names[mode];
  }
  const io::ImportResult odd =
      importBody(R"(<rect width="5" height="5" style="mix-blend-mode:plus-lighter"/>)");
  EXPECT_EQ(only(*odd.document).blendMode, 0);
  EXPECT_EQ(odd.warnings.size(), 1u);
}

TEST(SvgImport, ExactColoursAreTakenOnlyWhileTheyMatchTheShownOne) {
  const auto document = imported(importBody(
      R"~(<rect id="gray" width="5" height="5" fill="#bfbfbf" data-fill-color="gray 0.25"/>
         <rect id="cmyk" width="5" height="5" fill="none" stroke="#808080" data-stroke-color="cmyk 0 0 0 0.5"/>
         <rect id="stale" width="5" height="5" fill="#ff0000" data-fill-color="gray 0.25"/>
         <rect id="device" width="5" height="5" fill="device-cmyk(0 1 1 0)"/>)~"));
  ASSERT_TRUE(document);
  const Art* gray = findArt(*document, "gray");
  EXPECT_EQ(gray->style.fill.color.kind, kGrayColor);
  EXPECT_FLOAT_EQ(gray->style.fill.color.c.g.gray, 0.25f);
  EXPECT_TRUE(gray->tags.empty());
  EXPECT_EQ(findArt(*document, "cmyk")->style.stroke.color.kind, kFourColor);
  EXPECT_EQ(findArt(*document, "stale")->style.fill.color.kind, kThreeColor);
  EXPECT_EQ(findArt(*document, "device")->style.fill.color.kind, kFourColor);
}

TEST(SvgImport, DataAttributesCarryTagsSelectionAndLock) {
  const auto document = imported(importBody(
      R"(<g id="g" data-selected="true" data-kind="tile" data-step="3">
           <path id="p" d="M0 0 L10 10" data-locked="true"/></g>
         <rect id="plain" width="1" height="1" data-selected="false"/>)"));
  ASSERT_TRUE(document);
  const Art* g = findArt(*document, "g");
  EXPECT_TRUE(g->selected);
  EXPECT_EQ(g->tags, (std::map<std::string, std::string>{{"kind", "tile"}, {"step", "3"}}));
  const Art* p = findArt(*document, "p");
  EXPECT_TRUE(p->selected);  // selecting a group selects what is inside
  EXPECT_TRUE(p->locked);
  EXPECT_EQ(p->segmentSelection,
            (std::vector<int16_t>{kSegmentPointSelected, kSegmentPointSelected}));
  EXPECT_FALSE(findArt(*document, "plain")->selected);
}

TEST(SvgImport, HiddenArtIsKeptAndMarked) {
  const auto document = imported(importBody(
      R"(<rect id="none" width="5" height="5" display="none"/>
         <g style="visibility:hidden"><rect id="invisible" width="5" height="5"/>
           <rect id="shown" width="5" height="5" visibility="visible"/></g>)"));
  ASSERT_TRUE(document);
  EXPECT_TRUE(findArt(*document, "none")->hidden);
  EXPECT_TRUE(findArt(*document, "invisible")->hidden);
  EXPECT_FALSE(findArt(*document, "shown")->hidden);
}

TEST(SvgImport, GradientsAndPatternsStayPaintFragments) {
  const io::ImportResult result = io::importSvg(dataFile("svg/paint/gradient-and-pattern.svg"));
  ASSERT_TRUE(result.ok());
  const Art* graded = findArt(*result.document, "graded");
  ASSERT_NE(graded, nullptr);
  // The gradient takes its stops from the one it refers to and no longer refers to it.
  EXPECT_EQ(graded->fillPaint.rfind("<linearGradient id=\"fade\"", 0), 0u) << graded->fillPaint;
  EXPECT_NE(graded->fillPaint.find("stop-color:blue"), std::string::npos) << graded->fillPaint;
  EXPECT_EQ(graded->fillPaint.find("href"), std::string::npos);
  EXPECT_NE(graded->strokePaint.find("patternTransform=\"matrix(1 0 0 1 10 10)\""),
            std::string::npos)
      << graded->strokePaint;
  const Art* fallback = findArt(*result.document, "fallback");
  EXPECT_TRUE(fallback->fillPaint.empty());
  EXPECT_FLOAT_EQ(fallback->style.fill.color.c.rgb.green, 0x80 / 255.0f);
  EXPECT_FALSE(findArt(*result.document, "unpainted")->style.fillPaint);
  EXPECT_TRUE(mentions(result.warnings, "id=\"unpainted\"", "not painted"));
}

TEST(SvgImport, WhatTheDocumentDoesNotModelIsPassedThrough) {
  const io::ImportResult result = io::importSvg(dataFile("svg/structure/pass-through.svg"));
  ASSERT_TRUE(result.ok());
  const Document& document = *result.document;
  const Art* label = findArt(document, "label");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->type, kTextFrameArt);
  EXPECT_NE(label->element.find(">Hello</text>"), std::string::npos) << label->element;
  EXPECT_NE(label->element.find("fill:navy"), std::string::npos);  // inherited, written out
  EXPECT_EQ(label->element.find("data-note"), std::string::npos);
  EXPECT_EQ(label->tags.at("note"), "kept");
  const host::Bounds text = document.bounds(*label);
  EXPECT_FALSE(text.empty);
  EXPECT_GT(text.rect.top, 75);
  EXPECT_LT(text.rect.bottom, 85);

  const Art* photo = findArt(document, "photo");
  EXPECT_EQ(photo->type, kPlacedArt);
  expectBounds(document, *photo, {10, 70, 30, 60});
  EXPECT_NE(photo->element.find(dataFile("svg/structure/pictures/photo.png").string()),
            std::string::npos)
      << photo->element;
  EXPECT_EQ(findArt(document, "inline")->type, kRasterArt);

  const Art* clipped = findArt(document, "clipped");
  EXPECT_EQ(clipped->type, kForeignArt);
  EXPECT_NE(clipped->element.find("<clipPath id=\"half\""), std::string::npos) << clipped->element;
  EXPECT_TRUE(mentions(result.warnings, "<circle id=\"clipped\">", "clip-path is not modelled"));
  // Bounds as librsvg measures the element: its clip is not applied.
  expectBounds(document, *clipped, {30, 50, 70, 10}, 0.5f);
  EXPECT_EQ(findArt(document, "html")->type, kForeignArt);
  EXPECT_TRUE(mentions(result.warnings, "<foreignObject id=\"html\">", "pass-through"));
}

TEST(SvgImport, ConditionsAndNestedViewports) {
  const io::ImportResult result = importBody(
      R"(<switch><rect id="french" systemLanguage="fr" width="1" height="1"/>
                 <rect id="english" systemLanguage="de, en-GB" width="1" height="1"/>
                 <rect id="other" width="1" height="1"/></switch>
         <svg id="inner" x="50" y="50" width="20" height="20" viewBox="0 0 10 10">
           <rect id="boxed" width="10" height="10"/></svg>
         <svg id="overflowing" width="20" height="20"><rect id="cut" width="30" height="10"/></svg>
         <svg id="open" width="20" height="20" overflow="visible"><rect id="uncut" width="30" height="10"/></svg>
         <rect id="extension" requiredExtensions="http://example.org/x" width="1" height="1"/>)");
  ASSERT_TRUE(result.ok());
  EXPECT_EQ(findArt(*result.document, "french"), nullptr);
  EXPECT_NE(findArt(*result.document, "english"), nullptr);
  EXPECT_EQ(findArt(*result.document, "other"), nullptr);
  EXPECT_EQ(findArt(*result.document, "extension"), nullptr);
  // A viewport's content within its clip is a group; content the clip would cut stays whole.
  expectBounds(*result.document, *findArt(*result.document, "boxed"), {50, 50, 70, 30});
  EXPECT_EQ(findArt(*result.document, "inner")->type, kGroupArt);
  EXPECT_EQ(findArt(*result.document, "overflowing")->type, kForeignArt);
  EXPECT_EQ(findArt(*result.document, "cut"), nullptr);
  EXPECT_TRUE(mentions(result.warnings, "<svg id=\"overflowing\">", "clip is not modelled"));
  EXPECT_EQ(findArt(*result.document, "open")->type, kGroupArt);
  EXPECT_EQ(result.warnings.size(), 1u);
}

TEST(SvgImport, EntityDeclaredNamespacesAndPrefixedElements) {
  const auto document = imported(io::importSvgText(
      R"(<?xml version="1.0"?><!DOCTYPE svg [<!ENTITY ns_svg "http://www.w3.org/2000/svg">]>
         <svg xmlns="&ns_svg;" xmlns:s="&ns_svg;" xmlns:x="urn:other" width="10" height="10">
           <s:rect id="prefixed" width="5" height="5"/><x:rect id="foreign" width="5" height="5"/>
           <g xmlns="urn:other"><rect id="default-foreign" width="5" height="5"/></g></svg>)"));
  ASSERT_TRUE(document);
  EXPECT_NE(findArt(*document, "prefixed"), nullptr);
  EXPECT_EQ(findArt(*document, "foreign"), nullptr);
  EXPECT_EQ(findArt(*document, "default-foreign"), nullptr);
}

TEST(SvgImport, SizeComesFromWidthHeightOrTheViewBox) {
  struct Case {
    const char* attributes;
    float width, height;
  };
  const Case cases[] = {
      {R"(width="2in" height="72pt")", 192, 96},
      {R"(viewBox="0 0 300 150")", 300, 150},
      {R"(width="600" viewBox="0 0 300 150")", 600, 300},
      {R"(width="100%" height="50%" viewBox="0 0 300 150")", 300, 75},
      {R"(width="-4" height="abc")", 100, 100},
  };
  for (const Case& c : cases) {
    const auto document = imported(importBody("", c.attributes));
    ASSERT_TRUE(document) << c.attributes;
    EXPECT_NEAR(document->width(), c.width, 1e-3) << c.attributes;
    EXPECT_NEAR(document->height(), c.height, 1e-3) << c.attributes;
  }
}

TEST(SvgImport, DeepNestingIsCutWithAWarningNotACrash) {
  auto nested = [](const std::string& outer, int levels) {
    std::string body = outer;
    for (int i = 0; i < levels; ++i) body += "<g>";
    body += R"(<rect width="1" height="1"/>)";
    for (int i = 0; i < levels; ++i) body += "</g>";
    return body + "</g>";
  };
  const io::ImportResult resolved = importBody(nested("<g>", 2000));
  ASSERT_TRUE(resolved.ok());
  EXPECT_TRUE(mentions(resolved.warnings, "<g>", "levels deep"));
  // Kept whole as pass-through, the nesting is cut where the fragment is made.
  const io::ImportResult passed = importBody(
      R"(<defs><clipPath id="c"><rect width="5" height="5"/></clipPath></defs>)" +
      nested(R"~(<g id="clipped" clip-path="url(#c)">)~", 20000));
  ASSERT_TRUE(passed.ok());
  const Art* clipped = findArt(*passed.document, "clipped");
  ASSERT_NE(clipped, nullptr);
  EXPECT_EQ(clipped->type, kForeignArt);
}

// Errors: the whole document fails, with the place named.
TEST(SvgImportErrors, MalformedXmlNamesFileAndLine) {
  const auto file = dataFile("svg/malformed/unclosed-element.svg");
  const io::ImportResult result = io::importSvg(file);
  EXPECT_FALSE(result.ok());
  EXPECT_EQ(result.document, nullptr);
  EXPECT_EQ(result.error.rfind(file.string() + ":4: malformed XML: ", 0), 0u) << result.error;
}

TEST(SvgImportErrors, MissingFileFolderAndWrongRoot) {
  const io::ImportResult missing = io::importSvg(dataFile("svg/no-such-file.svg"));
  EXPECT_NE(missing.error.find("no-such-file.svg': No such file or directory"), std::string::npos)
      << missing.error;
  const io::ImportResult folder = io::importSvg(dataFile("svg"));
  EXPECT_NE(folder.error.find("it is a folder"), std::string::npos) << folder.error;
  const io::ImportResult html = io::importSvgText("<html><body/></html>");
  EXPECT_EQ(html.error, "<svg text>: the root element is <html>, not <svg>");
  const io::ImportResult empty = io::importSvgText("");
  EXPECT_FALSE(empty.ok());
}

}  // namespace
}  // namespace qv::test
