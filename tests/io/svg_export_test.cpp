// SVG export: a document of paths, basic shapes, groups and a compound path written out and
// read back keeps every coordinate, colour, width, opacity and blending mode; the file is
// valid, deterministic and written whole or not at all.
#include "io/svg_export.h"

#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "io/json_dump.h"
#include "io_test_support.h"

namespace qv::test {
namespace {

using host::Art;
using host::Document;
namespace io = host::io;

std::unique_ptr<Document> roundTripFixture() {
  return imported(io::importSvg(dataFile("svg/round-trip/paths-shapes-groups.svg")));
}

std::unique_ptr<Document> reimported(const Document& document) {
  const io::SvgText svg = io::exportSvgText(document);
  EXPECT_TRUE(svg.warnings.empty()) << svg.warnings.front();
  return imported(io::importSvgText(svg.text));
}

TEST(SvgExport, RoundTripKeepsEveryArtWithinTolerance) {
  const auto original = roundTripFixture();
  ASSERT_TRUE(original);
  const auto again = reimported(*original);
  ASSERT_TRUE(again);
  expectSameArt(*original, *again);
}

TEST(SvgExport, RoundTripKeepsTheStylesTheFixtureSets) {
  const auto again = reimported(*roundTripFixture());
  ASSERT_TRUE(again);
  const Art* commands = findArt(*again, "commands");
  ASSERT_NE(commands, nullptr);
  EXPECT_FLOAT_EQ(commands->style.stroke.width, 2.5f);
  EXPECT_EQ(commands->style.stroke.cap, kAIRoundCap);
  EXPECT_EQ(commands->style.stroke.join, kAIBevelJoin);
  EXPECT_FLOAT_EQ(commands->style.stroke.miterLimit, 6);
  ASSERT_EQ(commands->style.stroke.dash.length, 6);  // an odd list repeats once
  EXPECT_FLOAT_EQ(commands->style.stroke.dash.array[3], 4);
  EXPECT_FLOAT_EQ(commands->style.stroke.dash.offset, 1.5f);
  EXPECT_FLOAT_EQ(commands->opacity, 0.75f);
  EXPECT_EQ(commands->blendMode, 1);
  EXPECT_EQ(commands->tags.at("role"), "outline");
  EXPECT_TRUE(commands->selected);
  EXPECT_FLOAT_EQ(commands->style.fill.color.c.rgb.blue, 0x99 / 255.0f);

  const Art* dot = findArt(*again, "dot");
  ASSERT_NE(dot, nullptr);
  EXPECT_FLOAT_EQ(dot->opacity, 0.5f);  // fill-opacity folded into the art's opacity

  const Art* ring = findArt(*again, "ring");
  ASSERT_NE(ring, nullptr);
  EXPECT_EQ(ring->type, kCompoundPathArt);
  ASSERT_EQ(ring->children.size(), 2u);
  EXPECT_TRUE(ring->style.evenodd);

  const Art* moved = findArt(*again, "moved");
  ASSERT_NE(moved, nullptr);
  EXPECT_EQ(moved->type, kGroupArt);
  EXPECT_EQ(moved->blendMode, 10);
  EXPECT_FLOAT_EQ(moved->opacity, 0.5f);
}

TEST(SvgExport, ColoursOfEveryKindSurviveExactly) {
  Document document(100, 100);
  const AIColor colours[] = {host::grayColor(0.3f), host::cmykColor(0.1f, 0.2f, 0.3f, 0.4f),
                             host::rgbColor(0.1f, 0.3f, 0.9f), host::rgbColor(1.5f, -0.25f, 0),
                             host::rgbColor(0, 0.2f, 1)};
  for (const AIColor& colour : colours) {
    Art& art = document.create(kPathArt);
    art.segments = {{{10, 10}, {10, 10}, {10, 10}, true}, {{50, 50}, {50, 50}, {50, 50}, true}};
    art.style.fill.color = colour;
    art.style.strokePaint = true;
    art.style.stroke.color = colour;
  }
  const auto again = reimported(document);
  ASSERT_TRUE(again);
  expectSameArt(document, *again, 0);
}

TEST(SvgExport, LargeArtboardCoordinatesComeBackExactly) {
  Document document(5000, 3000.5f);
  Art& art = document.create(kPathArt);
  art.segments = {{{0.1f, 0.1f}, {0.1f, 0.1f}, {1234.567f, 2999.99f}, true},
                  {{4999.9f, 1e-3f}, {4000.01f, 0.3f}, {4999.9f, 1e-3f}, true}};
  art.closed = true;
  const auto again = reimported(document);
  ASSERT_TRUE(again);
  expectSameArt(document, *again, 0);
}

TEST(SvgExport, WritesValidDeterministicSvg11) {
  const auto document = roundTripFixture();
  const std::string text = io::exportSvgText(*document).text;
  EXPECT_EQ(text, io::exportSvgText(*document).text);
  pugi::xml_document xml;
  ASSERT_TRUE(xml.load_string(text.c_str()));
  const pugi::xml_node svg = xml.child("svg");
  EXPECT_STREQ(svg.attribute("xmlns").value(), "http://www.w3.org/2000/svg");
  EXPECT_STREQ(svg.attribute("version").value(), "1.1");
  EXPECT_STREQ(svg.attribute("width").value(), "240");
  EXPECT_STREQ(svg.attribute("viewBox").value(), "0 0 240 160");
  EXPECT_STREQ(svg.child("g").attribute("data-layer").value(), "Layer 1");
  // Path data in absolute commands only.
  const pugi::xml_node path = svg.find_node([](const pugi::xml_node& n) {
    return std::string_view(n.attribute("id").value()) == "commands";
  });
  ASSERT_TRUE(path);
  EXPECT_EQ(std::string(path.attribute("d").value()).find_first_of("mlhvcsqtaLHVSQTA"),
            std::string::npos);
  EXPECT_STREQ(path.attribute("style").value(), "mix-blend-mode:multiply");
  EXPECT_STREQ(path.attribute("data-role").value(), "outline");
}

TEST(SvgExport, EnvelopeIsDrawnWithItsWarpedMember) {
  Document document(200, 200);
  Art& envelope = document.create(kPluginArt);
  envelope.envelope = true;
  envelope.warp.style = 1;  // arc
  envelope.warp.bend = 0.5f;
  Art& member = document.create(kPathArt, {nullptr, &envelope});
  for (const AIRealPoint p : {AIRealPoint{20, 80}, AIRealPoint{20, 120}, AIRealPoint{100, 120},
                              AIRealPoint{180, 120}, AIRealPoint{180, 80}}) {
    member.segments.push_back({p, p, p, true});
  }
  member.closed = true;
  document.create(kPathArt, {nullptr, &envelope});  // the shape, not drawn
  const auto again = reimported(document);
  ASSERT_TRUE(again);
  ASSERT_EQ(again->layers().front().art.size(), 1u);
  const Art& group = *again->layers().front().art.front();
  ASSERT_EQ(group.children.size(), 1u);
  const Art& drawn = *group.children.front();
  ASSERT_EQ(drawn.segments.size(), 5u);
  // The middle of the member's straight top edge moves under an arc bend.
  EXPECT_GT(std::fabs(drawn.segments[2].p.v - 120), 1);
}

TEST(SvgExport, PassThroughArtCarriesTheHostsMatrix) {
  auto document = imported(io::importSvgText(
      R"(<svg xmlns="http://www.w3.org/2000/svg" width="100" height="100">
           <text id="label" x="10" y="20" font-size="10">Hi</text></svg>)"));
  ASSERT_TRUE(document);
  Art* label = const_cast<Art*>(findArt(*document, "label"));
  ASSERT_NE(label, nullptr);
  ASSERT_EQ(label->type, kTextFrameArt);
  const host::Bounds before = document->bounds(*label);
  document->transform(*label, host::translation(30, -40), 1, 0);
  const auto again = reimported(*document);
  ASSERT_TRUE(again);
  const Art* moved = findArt(*again, "label");
  ASSERT_NE(moved, nullptr);
  const host::Bounds after = again->bounds(*moved);
  EXPECT_NEAR(after.rect.left, before.rect.left + 30, 0.5);
  EXPECT_NEAR(after.rect.top, before.rect.top - 40, 0.5);
}

TEST(SvgExport, WritesAWholeFileOrNone) {
  const auto folder = scratchFolder("svg-export");
  const auto document = roundTripFixture();
  const auto file = folder / "out.svg";
  ASSERT_TRUE(io::exportSvg(*document, file).ok());
  EXPECT_TRUE(imported(io::importSvg(file)));

  const auto missingFolder = folder / "no-such-folder" / "out.svg";
  const io::IoResult failed = io::exportSvg(*document, missingFolder);
  EXPECT_FALSE(failed.ok());
  EXPECT_NE(failed.error.find("no-such-folder/out.svg"), std::string::npos) << failed.error;
  EXPECT_FALSE(std::filesystem::exists(missingFolder.parent_path()));
  // Only the finished file is left in the folder, no temporary beside it.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
}

TEST(SvgExport, RepeatedIdsAndUnwritableTagsAreReported) {
  Document document(10, 10);
  for (int i = 0; i < 2; ++i) {
    Art& art = document.create(kGroupArt);
    art.id = "same";
    art.tags["not a name"] = "x";
  }
  const io::SvgText svg = io::exportSvgText(document);
  EXPECT_EQ(svg.warnings.size(), 3u);
  pugi::xml_document xml;
  ASSERT_TRUE(xml.load_string(svg.text.c_str()));
  EXPECT_EQ(xml.select_nodes("//*[@id='same']").size(), 1u);
}

}  // namespace
}  // namespace qv::test
