// The AI Document, AI Layer and AI Swatch List Suites as a module calls them: the artboard
// size, where new layers go and that they become current, and the current document's swatches.
#include "AIDocument.h"
#include "AILayer.h"
#include "AISwatchList.h"
#include "document_fixture.h"

namespace qv::test {
namespace {

class DocumentSuitesTest : public DocumentTest {
 protected:
  const AILayerSuite& layers() { return suite<AILayerSuite>(kAILayerSuite, kAILayerSuiteVersion); }
  const AISwatchListSuite& swatches() {
    return suite<AISwatchListSuite>(kAISwatchListSuite, kAISwatchListSuiteVersion);
  }
  std::vector<AILayerHandle> order() {
    std::vector<AILayerHandle> handles;
    for (const host::Layer& layer : doc().layers()) handles.push_back(layer.handle);
    return handles;
  }
};

TEST_F(DocumentSuitesTest, SizeIsTheArtboards) {
  AIRealPoint size{};
  ASSERT_EQ(
      suite<AIDocumentSuite>(kAIDocumentSuite, kAIDocumentSuiteVersion).GetDocumentSize(&size),
      kNoErr);
  EXPECT_EQ(size.h, 612);
  EXPECT_EQ(size.v, 792);
  EXPECT_EQ(
      suite<AIDocumentSuite>(kAIDocumentSuite, kAIDocumentSuiteVersion).GetDocumentSize(nullptr),
      kSPBadParameterError);
}

TEST_F(DocumentSuitesTest, NewLayersArePlacedAndBecomeCurrent) {
  const AILayerHandle first = doc().currentLayer();
  AILayerHandle top = nullptr;
  AILayerHandle bottom = nullptr;
  AILayerHandle aboveFirst = nullptr;
  ASSERT_EQ(layers().InsertLayer(nullptr, kPlaceAboveAll, &top), kNoErr);
  ASSERT_EQ(layers().InsertLayer(nullptr, kPlaceBelowAll, &bottom), kNoErr);
  EXPECT_EQ(doc().currentLayer(), bottom);
  ASSERT_EQ(layers().InsertLayer(first, kPlaceAbove, &aboveFirst), kNoErr);
  EXPECT_EQ(doc().currentLayer(), aboveFirst);
  EXPECT_EQ(order(), (std::vector<AILayerHandle>{bottom, first, aboveFirst, top}));
  int32_t count = 0;
  ASSERT_EQ(layers().CountLayers(&count), kNoErr);
  EXPECT_EQ(count, 4);
}

TEST_F(DocumentSuitesTest, BadLayerRequestsChangeNothing) {
  const AILayerHandle first = doc().currentLayer();
  AILayerHandle made = nullptr;
  EXPECT_EQ(layers().InsertLayer(nullptr, kPlaceAbove, &made), kSPBadParameterError);
  EXPECT_EQ(layers().InsertLayer(first, kPlaceInsideOnTop, &made), kSPBadParameterError);
  EXPECT_EQ(layers().InsertLayer(reinterpret_cast<AILayerHandle>(0x1234), kPlaceAboveAll, &made),
            kSPBadHandleError);
  EXPECT_EQ(layers().InsertLayer(nullptr, kPlaceAboveAll, nullptr), kSPBadParameterError);
  EXPECT_EQ(layers().CountLayers(nullptr), kSPBadParameterError);
  EXPECT_EQ(made, nullptr);
  EXPECT_EQ(order(), std::vector<AILayerHandle>{first});
  EXPECT_EQ(doc().currentLayer(), first);
}

TEST_F(DocumentSuitesTest, SwatchesOfTheCurrentDocumentCountFromZero) {
  const int32_t count = swatches().CountSwatches(nullptr);
  ASSERT_EQ(static_cast<std::size_t>(count), doc().swatches().size());
  ASSERT_GE(count, 16);
  for (int32_t index = 0; index < count; ++index) {
    AIColor color{};
    const AISwatchRef swatch = swatches().GetNthSwatch(nullptr, index);
    ASSERT_EQ(swatches().GetAIColor(swatch, &color), kNoErr) << index;
    EXPECT_EQ(color.kind, doc().swatches()[static_cast<std::size_t>(index)].color.kind) << index;
  }
  AIColor black{};
  ASSERT_EQ(swatches().GetAIColor(swatches().GetNthSwatch(nullptr, 3), &black), kNoErr);
  EXPECT_EQ(black.kind, kGrayColor);
  EXPECT_EQ(black.c.g.gray, 1);

  EXPECT_EQ(swatches().GetNthSwatch(nullptr, count), nullptr);
  EXPECT_EQ(swatches().GetNthSwatch(nullptr, -1), nullptr);
  const auto otherList = reinterpret_cast<AISwatchListRef>(0x1234);
  EXPECT_EQ(swatches().CountSwatches(otherList), 0);
  EXPECT_EQ(swatches().GetNthSwatch(otherList, 0), nullptr);
  AIColor color = host::rgbColor(0.5f, 0.5f, 0.5f);
  EXPECT_EQ(swatches().GetAIColor(reinterpret_cast<AISwatchRef>(0x1234), &color),
            kSPBadHandleError);
  EXPECT_EQ(color.kind, kThreeColor) << "the colour stays as it was";
  EXPECT_EQ(swatches().GetAIColor(swatches().GetNthSwatch(nullptr, 0), nullptr),
            kSPBadParameterError);
}

}  // namespace
}  // namespace qv::test
