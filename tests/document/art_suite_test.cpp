// The AI Art Suite as a module calls it: paint orders in the current layer and in a new one,
// what a duplicate copies, the walk of a compound path, exact bounds, and bad handles,
// arguments and injected failures answered with codes that leave the document as it was.
#include "AIArt.h"
#include "AILayer.h"
#include "document_fixture.h"
#include "pica/call_sites.h"

namespace qv::test {
namespace {

class ArtSuiteTest : public DocumentTest {
 protected:
  const AIArtSuite& art() { return suite<AIArtSuite>(kAIArtSuite, kAIArtSuiteVersion); }
  const std::vector<host::Art*>& current() { return doc().layer(doc().currentLayer())->art; }
};

TEST_F(ArtSuiteTest, PaintOrdersFiveAndSixPlaceAtTopAndBottomOfTheCurrentLayer) {
  host::Art& lower = square(0, 0, 10);
  host::Art& upper = square(20, 0, 10);
  AIArtHandle top = nullptr;
  AIArtHandle bottom = nullptr;
  ASSERT_EQ(art().DuplicateArt(lower.handle, kPlaceAboveAll, lower.handle, &top), kNoErr);
  ASSERT_EQ(art().DuplicateArt(upper.handle, kPlaceBelowAll, upper.handle, &bottom), kNoErr);
  EXPECT_EQ(handles(current()),
            (std::vector<AIArtHandle>{bottom, lower.handle, upper.handle, top}));

  AILayerHandle added = nullptr;
  const auto& layers = suite<AILayerSuite>(kAILayerSuite, kAILayerSuiteVersion);
  ASSERT_EQ(layers.InsertLayer(nullptr, kPlaceAboveAll, &added), kNoErr);
  ASSERT_EQ(doc().currentLayer(), added);
  EXPECT_EQ(doc().layers().back().handle, added) << "the new layer is above all";
  AIArtHandle inNew = nullptr;
  ASSERT_EQ(art().DuplicateArt(lower.handle, kPlaceAboveAll, lower.handle, &inNew), kNoErr);
  ASSERT_EQ(art().ReorderArt(upper.handle, kPlaceBelowAll, nullptr), kNoErr);
  EXPECT_EQ(handles(current()), (std::vector<AIArtHandle>{upper.handle, inNew}));
  EXPECT_EQ(handles(doc().layers().front().art),
            (std::vector<AIArtHandle>{bottom, lower.handle, top}));
}

TEST_F(ArtSuiteTest, DuplicateCopiesContentButNotSelection) {
  host::Art& source = square(5, 5, 20);
  source.segments[1].out = {9, 40};
  source.style.stroke.width = 3;
  source.style.strokePaint = true;
  source.opacity = 0.4f;
  source.blendMode = 7;
  source.tags["tessaly"] = "tessaly";
  doc().select(source, true);

  AIArtHandle copy = nullptr;
  ASSERT_EQ(art().DuplicateArt(source.handle, kPlaceAboveAll, source.handle, &copy), kNoErr);
  const host::Art* made = doc().find(copy);
  ASSERT_NE(made, nullptr);
  ASSERT_EQ(made->segments.size(), source.segments.size());
  for (std::size_t i = 0; i < made->segments.size(); ++i) {
    EXPECT_TRUE(host::near(made->segments[i].p, source.segments[i].p)) << i;
    EXPECT_TRUE(host::near(made->segments[i].out, source.segments[i].out)) << i;
    EXPECT_EQ(made->segmentSelected(i), kSegmentNotSelected) << i;
  }
  EXPECT_TRUE(made->closed);
  EXPECT_EQ(made->style.stroke.width, 3);
  EXPECT_TRUE(made->style.strokePaint);
  EXPECT_EQ(made->opacity, 0.4f);
  EXPECT_EQ(made->blendMode, 7);
  EXPECT_EQ(made->tags, source.tags);
  EXPECT_FALSE(made->selected);
  EXPECT_TRUE(source.selected) << "the user's selection stays";
}

TEST_F(ArtSuiteTest, DuplicateOfACompoundPathCopiesItsPaths) {
  host::Art& source = compound(3);
  AIArtHandle copy = nullptr;
  ASSERT_EQ(art().DuplicateArt(source.handle, kPlaceAboveAll, source.handle, &copy), kNoErr);
  const host::Art* made = doc().find(copy);
  ASSERT_NE(made, nullptr);
  ASSERT_EQ(made->children.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_NE(made->children[i]->handle, source.children[i]->handle);
    EXPECT_EQ(made->children[i]->segments.size(), 4u);
    EXPECT_EQ(made->children[i]->container.art, made);
  }
}

TEST_F(ArtSuiteTest, ChildrenAreWalkedFromTheTopDown) {
  host::Art& parent = compound(3);
  int16_t type = 0;
  ASSERT_EQ(art().GetArtType(parent.handle, &type), kNoErr);
  EXPECT_EQ(type, kCompoundPathArt);

  std::vector<AIArtHandle> walked;
  AIArtHandle child = nullptr;
  ASSERT_EQ(art().GetArtFirstChild(parent.handle, &child), kNoErr);
  while (child != nullptr) {
    walked.push_back(child);
    ASSERT_EQ(art().GetArtSibling(child, &child), kNoErr);
  }
  EXPECT_EQ(walked,
            (std::vector<AIArtHandle>{parent.children[2]->handle, parent.children[1]->handle,
                                      parent.children[0]->handle}));

  AIArtHandle none = foreignArt();
  ASSERT_EQ(art().GetArtFirstChild(parent.children[0]->handle, &none), kNoErr);
  EXPECT_EQ(none, nullptr) << "a path has no child";
}

TEST_F(ArtSuiteTest, BoundsAreTheCurveExtremaNotTheControlPoints) {
  // One cubic from (0, 0) to (100, 0) with both handles at v = 100: it peaks at v = 75.
  host::Art& arch = doc().create(kPathArt);
  arch.segments = {{{0, 0}, {0, 0}, {0, 100}, false}, {{100, 0}, {100, 100}, {100, 0}, false}};
  AIRealRect bounds{};
  ASSERT_EQ(art().GetArtBounds(arch.handle, &bounds), kNoErr);
  EXPECT_FLOAT_EQ(bounds.left, 0);
  EXPECT_FLOAT_EQ(bounds.right, 100);
  EXPECT_FLOAT_EQ(bounds.bottom, 0);
  EXPECT_NEAR(bounds.top, 75, 1e-3);

  host::Art& parent = compound(2);  // squares at h 0..10 and 20..30
  ASSERT_EQ(art().GetArtBounds(parent.handle, &bounds), kNoErr);
  EXPECT_FLOAT_EQ(bounds.left, 0);
  EXPECT_FLOAT_EQ(bounds.right, 30);
  EXPECT_FLOAT_EQ(bounds.top, 10);
}

TEST_F(ArtSuiteTest, DisposeRemovesArtOnceEvenWhenLocked) {
  host::Art& locked = square(0, 0, 10);
  locked.locked = true;
  const AIArtHandle handle = locked.handle;
  EXPECT_EQ(art().DisposeArt(handle), kNoErr);
  EXPECT_EQ(doc().find(handle), nullptr);
  EXPECT_TRUE(walk().empty());
  EXPECT_EQ(art().DisposeArt(handle), kSPBadHandleError);
}

TEST_F(ArtSuiteTest, BadHandlesAndArgumentsLeaveTheDocumentAsItWas) {
  host::Art& parent = compound(2);
  host::Art& path = square(0, 0, 10);
  host::Art& gone = square(50, 50, 10);
  const AIArtHandle stale = gone.handle;
  doc().dispose(gone);
  const AIArtHandle child = parent.children[0]->handle;
  const std::vector<AIArtHandle> before = walk();

  AIArtHandle out = nullptr;
  int16_t type = 0;
  AIRealRect bounds{};
  struct Case {
    const char* what;
    AIErr got;
    AIErr expected;
  };
  const Case cases[] = {
      {"duplicate a stale handle", art().DuplicateArt(stale, kPlaceAboveAll, nullptr, &out),
       kSPBadHandleError},
      {"duplicate a foreign handle",
       art().DuplicateArt(foreignArt(), kPlaceAboveAll, nullptr, &out), kSPBadHandleError},
      {"duplicate by a stale prep", art().DuplicateArt(path.handle, kPlaceAbove, stale, &out),
       kSPBadHandleError},
      {"duplicate with no output",
       art().DuplicateArt(path.handle, kPlaceAboveAll, nullptr, nullptr), kSPBadParameterError},
      {"paint order 0", art().DuplicateArt(path.handle, 0, nullptr, &out), kSPBadParameterError},
      {"paint order 7", art().DuplicateArt(path.handle, 7, nullptr, &out), kSPBadParameterError},
      {"above with no prep", art().DuplicateArt(path.handle, kPlaceAbove, nullptr, &out),
       kSPBadParameterError},
      {"inside a path", art().DuplicateArt(path.handle, kPlaceInsideOnTop, path.handle, &out),
       kSPBadParameterError},
      {"a copy inside itself",
       art().DuplicateArt(parent.handle, kPlaceInsideOnTop, parent.handle, &out),
       kSPBadParameterError},
      {"a copy beside its own child", art().DuplicateArt(parent.handle, kPlaceAbove, child, &out),
       kSPBadParameterError},
      {"reorder into its own child", art().ReorderArt(parent.handle, kPlaceAbove, child),
       kSPBadParameterError},
      {"reorder a stale handle", art().ReorderArt(stale, kPlaceAboveAll, nullptr),
       kSPBadHandleError},
      {"reorder by paint order 9", art().ReorderArt(path.handle, 9, nullptr), kSPBadParameterError},
      {"dispose a stale handle", art().DisposeArt(stale), kSPBadHandleError},
      {"type of a stale handle", art().GetArtType(stale, &type), kSPBadHandleError},
      {"type with no output", art().GetArtType(path.handle, nullptr), kSPBadParameterError},
      {"child of a stale handle", art().GetArtFirstChild(stale, &out), kSPBadHandleError},
      {"sibling of a foreign handle", art().GetArtSibling(foreignArt(), &out), kSPBadHandleError},
      {"sibling with no output", art().GetArtSibling(path.handle, nullptr), kSPBadParameterError},
      {"bounds of a stale handle", art().GetArtBounds(stale, &bounds), kSPBadHandleError},
      {"bounds with no output", art().GetArtBounds(path.handle, nullptr), kSPBadParameterError},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.expected) << c.what;
  EXPECT_EQ(out, nullptr) << "a failed call leaves no handle";
  EXPECT_EQ(walk(), before);
}

TEST_F(ArtSuiteTest, TheNthCallFailsByFaultInjection) {
  host::Art& source = square(0, 0, 10);
  host::CallSite* site = host::CallSiteRegistry::instance().find(kAIArtSuite, "DuplicateArt");
  ASSERT_NE(site, nullptr);
  site->failCode = kSPOutOfMemoryError;
  site->failAfter = 2;
  site->failTimes = 1;
  std::vector<AIErr> codes;
  for (int call = 0; call < 4; ++call) {
    AIArtHandle copy = nullptr;
    codes.push_back(art().DuplicateArt(source.handle, kPlaceAboveAll, source.handle, &copy));
  }
  EXPECT_EQ(codes, (std::vector<AIErr>{kNoErr, kNoErr, kSPOutOfMemoryError, kNoErr}));
  EXPECT_EQ(walk().size(), 4u) << "the failed call made nothing";
  EXPECT_EQ(site->calls, 4u);
}

}  // namespace
}  // namespace qv::test
