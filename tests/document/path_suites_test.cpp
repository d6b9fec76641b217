// The AI Path and AI Path Style Suites as a module calls them: segment ranges, growing a path
// with its selection in step, per-segment selection, and styles; bad ranges, non-finite
// values and bad handles are refused with the path unchanged.
#include <cmath>
#include <limits>

#include "AIPath.h"
#include "AIPathStyle.h"
#include "document_fixture.h"

namespace qv::test {
namespace {

constexpr AIReal kNaN = std::numeric_limits<AIReal>::quiet_NaN();
constexpr AIReal kInf = std::numeric_limits<AIReal>::infinity();

class PathSuitesTest : public DocumentTest {
 protected:
  const AIPathSuite& paths() { return suite<AIPathSuite>(kAIPathSuite, kAIPathSuiteVersion); }
  const AIPathStyleSuite& styles() {
    return suite<AIPathStyleSuite>(kAIPathStyleSuite, kAIPathStyleSuiteVersion);
  }
  static AIPathSegment at(AIReal h, AIReal v) { return {{h, v}, {h, v}, {h, v}, true}; }
  static std::vector<AIReal> anchorsH(const host::Art& path) {
    std::vector<AIReal> h;
    for (const AIPathSegment& segment : path.segments) h.push_back(segment.p.h);
    return h;
  }
};

TEST_F(PathSuitesTest, GetSegmentsChecksTheRange) {
  host::Art& path = square(0, 0, 10);
  int16_t count = 0;
  ASSERT_EQ(paths().GetPathSegmentCount(path.handle, &count), kNoErr);
  EXPECT_EQ(count, 4);

  struct Case {
    int16_t first;
    int16_t count;
    AIErr expected;
  };
  const Case cases[] = {{0, 4, kNoErr},
                        {1, 3, kNoErr},
                        {4, 0, kNoErr},
                        {-1, 1, kSPBadParameterError},
                        {0, 5, kSPBadParameterError},
                        {3, 2, kSPBadParameterError},
                        {0, -1, kSPBadParameterError}};
  for (const Case& c : cases) {
    AIPathSegment out[8]{};
    EXPECT_EQ(paths().GetPathSegments(path.handle, c.first, c.count, out), c.expected)
        << c.first << "+" << c.count;
    if (c.expected == kNoErr && c.count > 0) {
      EXPECT_TRUE(host::near(out[0].p, path.segments[static_cast<std::size_t>(c.first)].p));
    }
  }
}

TEST_F(PathSuitesTest, SetSegmentsReplacesAndGrowsWithTheSelectionInStep) {
  host::Art& path = square(0, 0, 10);
  path.segmentSelection[0] = kSegmentPointSelected;
  const AIPathSegment middle[] = {at(100, 0), at(200, 0)};
  ASSERT_EQ(paths().SetPathSegments(path.handle, 1, 2, middle), kNoErr);
  EXPECT_EQ(anchorsH(path), (std::vector<AIReal>{0, 100, 200, 10}));

  const AIPathSegment tail[] = {at(300, 0), at(400, 0)};
  ASSERT_EQ(paths().SetPathSegments(path.handle, 3, 2, tail), kNoErr);
  EXPECT_EQ(anchorsH(path), (std::vector<AIReal>{0, 100, 200, 300, 400}));
  ASSERT_EQ(path.segmentSelection.size(), path.segments.size());
  EXPECT_EQ(path.segmentSelection[0], kSegmentPointSelected);
  EXPECT_EQ(path.segmentSelection[4], kSegmentNotSelected);

  const AIPathSegment beyond[] = {at(1, 1)};
  EXPECT_EQ(paths().SetPathSegments(path.handle, 6, 1, beyond), kSPBadParameterError);
  EXPECT_EQ(paths().SetPathSegments(path.handle, -1, 1, beyond), kSPBadParameterError);
  EXPECT_EQ(paths().SetPathSegments(path.handle, 0, 1, nullptr), kSPBadParameterError);
  EXPECT_EQ(path.segments.size(), 5u);
}

TEST_F(PathSuitesTest, NonFiniteSegmentsAreRefused) {
  host::Art& path = square(0, 0, 10);
  const std::vector<AIReal> before = anchorsH(path);
  for (const AIReal bad : {kNaN, kInf, -kInf}) {
    AIPathSegment anchor = at(5, 5);
    anchor.p.v = bad;
    AIPathSegment in = at(5, 5);
    in.in.h = bad;
    AIPathSegment out = at(5, 5);
    out.out.v = bad;
    for (const AIPathSegment& segment : {anchor, in, out}) {
      const AIPathSegment pair[] = {at(1, 1), segment};
      EXPECT_EQ(paths().SetPathSegments(path.handle, 0, 2, pair), kSPBadParameterError);
    }
  }
  EXPECT_EQ(anchorsH(path), before);
}

TEST_F(PathSuitesTest, SegmentSelectionAndClosedAreReported) {
  host::Art& path = square(0, 0, 10);
  path.segmentSelection[2] = kSegmentInSelected;
  int16_t selected = -1;
  ASSERT_EQ(paths().GetPathSegmentSelected(path.handle, 2, &selected), kNoErr);
  EXPECT_EQ(selected, kSegmentInSelected);
  ASSERT_EQ(paths().GetPathSegmentSelected(path.handle, 1, &selected), kNoErr);
  EXPECT_EQ(selected, kSegmentNotSelected);
  EXPECT_EQ(paths().GetPathSegmentSelected(path.handle, 4, &selected), kSPBadParameterError);
  EXPECT_EQ(paths().GetPathSegmentSelected(path.handle, -1, &selected), kSPBadParameterError);

  // A selected path whose selection list was never filled has every segment selected.
  host::Art& whole = square(0, 0, 10);
  whole.segmentSelection.clear();
  whole.selected = true;
  ASSERT_EQ(paths().GetPathSegmentSelected(whole.handle, 3, &selected), kNoErr);
  EXPECT_EQ(selected, kSegmentPointSelected);

  AIBoolean closed = false;
  ASSERT_EQ(paths().GetPathClosed(path.handle, &closed), kNoErr);
  EXPECT_TRUE(closed);
}

TEST_F(PathSuitesTest, ArtThatIsNotALivePathIsRefused) {
  host::Art& group = doc().create(kGroupArt);
  host::Art& gone = square(0, 0, 10);
  const AIArtHandle stale = gone.handle;
  doc().dispose(gone);
  int16_t count = 0;
  AIBoolean closed = false;
  AIPathSegment segment{};
  EXPECT_EQ(paths().GetPathSegmentCount(group.handle, &count), kSPBadParameterError);
  EXPECT_EQ(paths().GetPathSegmentCount(stale, &count), kSPBadHandleError);
  EXPECT_EQ(paths().GetPathClosed(foreignArt(), &closed), kSPBadHandleError);
  EXPECT_EQ(paths().SetPathSegments(stale, 0, 1, &segment), kSPBadHandleError);
  EXPECT_EQ(paths().GetPathSegmentCount(group.handle, nullptr), kSPBadParameterError);
}

TEST_F(PathSuitesTest, StylesAreWrittenWholeAndBadOnesRefused) {
  host::Art& path = square(0, 0, 10);
  AIPathStyle style{};
  ASSERT_EQ(styles().GetPathStyle(path.handle, &style), kNoErr);
  style.strokePaint = true;
  style.stroke.width = 4;
  style.stroke.color = host::rgbColor(1, 0, 0);
  ASSERT_EQ(styles().SetPathStyle(path.handle, &style), kNoErr);
  EXPECT_EQ(path.style.stroke.width, 4);
  EXPECT_EQ(path.style.stroke.color.c.rgb.red, 1);

  struct Case {
    const char* what;
    void (*spoil)(AIPathStyle&);
  };
  const Case cases[] = {
      {"NaN width", [](AIPathStyle& s) { s.stroke.width = kNaN; }},
      {"infinite width", [](AIPathStyle& s) { s.stroke.width = kInf; }},
      {"negative width", [](AIPathStyle& s) { s.stroke.width = -1; }},
      {"NaN gray fill", [](AIPathStyle& s) { s.fill.color = host::grayColor(kNaN); }},
      {"infinite cmyk stroke",
       [](AIPathStyle& s) { s.stroke.color = host::cmykColor(0, kInf, 0, 0); }},
      {"NaN rgb fill", [](AIPathStyle& s) { s.fill.color = host::rgbColor(0, 0, kNaN); }},
      {"unknown colour kind", [](AIPathStyle& s) { s.fill.color.kind = 42; }},
      {"too long a dash", [](AIPathStyle& s) { s.stroke.dash.length = kMaxDashComponents + 1; }},
      {"NaN dash entry",
       [](AIPathStyle& s) {
         s.stroke.dash.length = 2;
         s.stroke.dash.array[1] = kNaN;
       }},
      {"NaN miter limit", [](AIPathStyle& s) { s.stroke.miterLimit = kNaN; }},
  };
  for (const Case& c : cases) {
    AIPathStyle bad = style;
    c.spoil(bad);
    EXPECT_EQ(styles().SetPathStyle(path.handle, &bad), kSPBadParameterError) << c.what;
    EXPECT_EQ(path.style.stroke.width, 4) << c.what;
    EXPECT_EQ(path.style.fill.color.kind, style.fill.color.kind) << c.what;
  }
  EXPECT_EQ(styles().SetPathStyle(path.handle, nullptr), kSPBadParameterError);
  EXPECT_EQ(styles().GetPathStyle(foreignArt(), &style), kSPBadHandleError);
}

TEST_F(PathSuitesTest, PaintFromAFileStaysUntilTheColourChanges) {
  host::Art& path = square(0, 0, 10);
  path.fillPaint = "url(#gradient)";
  path.strokePaint = "url(#pattern)";
  AIPathStyle style{};
  ASSERT_EQ(styles().GetPathStyle(path.handle, &style), kNoErr);
  style.stroke.width = 2;
  ASSERT_EQ(styles().SetPathStyle(path.handle, &style), kNoErr);
  EXPECT_EQ(path.fillPaint, "url(#gradient)") << "writing back what was read keeps it";
  EXPECT_EQ(path.strokePaint, "url(#pattern)");

  style.fill.color = host::rgbColor(0, 1, 0);
  ASSERT_EQ(styles().SetPathStyle(path.handle, &style), kNoErr);
  EXPECT_EQ(path.fillPaint, "");
  EXPECT_EQ(path.strokePaint, "url(#pattern)");
}

}  // namespace
}  // namespace qv::test
