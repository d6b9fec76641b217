// The JSON dump: what it holds in document coordinates, that reading a dump back and dumping
// again gives the same text, and errors that name the place in a bad dump.
#include "io/json_dump.h"

#include <gtest/gtest.h>

#include "io_test_support.h"

namespace qv::test {
namespace {

using host::Art;
using host::Document;
namespace io = host::io;

// A document with one of everything the dump holds.
std::unique_ptr<Document> everything() {
  auto document = imported(io::importSvg(dataFile("svg/round-trip/paths-shapes-groups.svg")));
  if (!document) return nullptr;
  const AILayerHandle top = document->insertLayer(nullptr, kPlaceAboveAll);
  document->layer(top)->name = "Top";
  document->layer(top)->visible = false;
  Art& text = document->create(kTextFrameArt);
  text.element = R"(<text x="1" y="2">A</text>)";
  text.elementBounds = {1, 99, 8, 90};
  text.matrix = host::translation(3, 4);
  text.locked = true;
  Art& envelope = document->create(kPluginArt);
  envelope.envelope = true;
  envelope.warp = {4, 0.25f, -0.5f, 0.125f, true};
  Art& member = document->create(kPathArt, {nullptr, &envelope});
  member.segments = {{{0, 0}, {0, 0}, {1, 1}, false}};
  member.segmentSelection = {kSegmentInSelected};
  member.style.fill.color = host::cmykColor(0.1f, 0.2f, 0.3f, 0.4f);
  member.style.stroke.color = host::grayColor(0.3f);
  member.fillPaint = R"(<linearGradient id="g"/>)";
  document->create(kPathArt, {nullptr, &envelope});
  document->swatches().push_back({"Mine", host::rgbColor(0.1f, 0.2f, 0.3f)});
  document->setCurrentLayer(document->layers().front().handle);
  return document;
}

TEST(JsonDump, ReadingADumpBackDumpsTheSame) {
  const auto document = everything();
  ASSERT_TRUE(document);
  const std::string dump = io::dumpJsonText(*document);
  const io::ImportResult back = io::importJsonText(dump);
  ASSERT_TRUE(back.ok()) << back.error;
  EXPECT_EQ(io::dumpJsonText(*back.document), dump);
  expectSameArt(*document, *back.document, 0);
}

TEST(JsonDump, HoldsDocumentCoordinatesStyleAndState) {
  const auto document = everything();
  ASSERT_TRUE(document);
  const auto json = io::dumpJson(*document);
  EXPECT_EQ(json["artboard"], (nlohmann::ordered_json{{"width", 240}, {"height", 160}}));
  EXPECT_EQ(json["currentLayer"], 0);
  ASSERT_EQ(json["layers"].size(), 2u);
  EXPECT_EQ(json["layers"][1]["visible"], false);
  const auto& commands = json["layers"][0]["art"][0];
  EXPECT_EQ(commands["type"], "path");
  EXPECT_EQ(commands["id"], "commands");
  // (10, 10) in the file is (10, 150) with v up on a 160 high artboard.
  EXPECT_EQ(commands["segments"][0]["p"], (nlohmann::ordered_json{10, 150}));
  EXPECT_EQ(commands["segments"][0]["selection"], kSegmentPointSelected);
  EXPECT_EQ(commands["blendMode"], "multiply");
  EXPECT_EQ(commands["opacity"], 0.75);
  EXPECT_EQ(commands["tags"]["role"], "outline");
  EXPECT_EQ(commands["style"]["stroke"]["width"], 2.5);
  EXPECT_EQ(commands["style"]["stroke"]["cap"], "round");
  EXPECT_EQ(commands["style"]["fill"]["color"]["kind"], "rgb");
  EXPECT_EQ(commands["style"]["stroke"]["dash"]["array"].size(), 6u);
  const auto& ring = json["layers"][0]["art"].back();
  EXPECT_EQ(ring["type"], "compoundPath");
  EXPECT_EQ(ring["style"]["evenodd"], true);
  EXPECT_EQ(ring["children"].size(), 2u);
  const auto& top = json["layers"][1]["art"];
  EXPECT_EQ(top[0]["type"], "textFrame");
  EXPECT_EQ(top[0]["matrix"], (nlohmann::ordered_json{1, 0, 0, 1, 3, 4}));
  EXPECT_EQ(top[1]["warp"]["bend"], 0.25);
  EXPECT_EQ(top[1]["children"][0]["style"]["fill"]["color"]["kind"], "cmyk");
  EXPECT_EQ(top[1]["children"][0]["style"]["fill"]["color"]["cyan"], 0.1);  // not 0.10000000149
  EXPECT_EQ(json["swatches"].back()["name"], "Mine");
}

TEST(JsonDump, AGroupCarriesNoPathKeys) {
  Document document(10, 10);
  document.create(kGroupArt);
  const auto group = io::dumpJson(document)["layers"][0]["art"][0];
  EXPECT_FALSE(group.contains("segments"));
  EXPECT_FALSE(group.contains("style"));
  EXPECT_FALSE(group.contains("element"));
  EXPECT_FALSE(group.contains("children"));
}

TEST(JsonDump, WritesAndReadsFiles) {
  const auto folder = scratchFolder("json");
  const auto document = everything();
  ASSERT_TRUE(io::exportJson(*document, folder / "doc.json").ok());
  const io::ImportResult back = io::importJson(folder / "doc.json");
  ASSERT_TRUE(back.ok()) << back.error;
  EXPECT_EQ(io::dumpJsonText(*back.document), io::dumpJsonText(*document));
  EXPECT_FALSE(io::exportJson(*document, folder / "missing" / "doc.json").ok());
  EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
}

TEST(JsonDumpErrors, NameThePlaceInTheDump) {
  Document document(10, 10);
  Art& path = document.create(kPathArt);
  path.segments = {{{0, 0}, {0, 0}, {0, 0}, true}};
  const std::string dump = io::dumpJsonText(document);
  auto edited = [&dump](const std::string& from, const std::string& to) {
    std::string text = dump;
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
  };
  struct Case {
    std::string text;
    std::string error;
  };
  const Case cases[] = {
      {"{", "<json text>: not JSON: "},
      {"[]", "<json text>: expected an object"},
      {edited("qv-document", "other"), "<json text>.format: is not \"qv-document\""},
      {edited("\"type\": \"path\"", "\"type\": \"blob\""),
       "<json text>.layers[0].art[0].type: is not a known name"},
      {edited("\"p\": [\n", "\"p\": [\n1,\n"),
       "<json text>.layers[0].art[0].segments[0].p: expected two numbers"},
      {edited("\"currentLayer\": 0", "\"currentLayer\": 3"),
       "<json text>.currentLayer: is not a layer"},
      {edited("\"width\": 1.0,", "\"width\": \"wide\","),
       "<json text>.layers[0].art[0].style.stroke.width: expected a number"},
  };
  for (const Case& c : cases) {
    const io::ImportResult result = io::importJsonText(c.text);
    EXPECT_EQ(result.document, nullptr);
    EXPECT_EQ(result.error.rfind(c.error, 0), 0u) << result.error;
  }
  EXPECT_NE(io::importJson("/no/such/dump.json").error.find("No such file"), std::string::npos);
}

}  // namespace
}  // namespace qv::test
