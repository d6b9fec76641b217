// Document comparison for round-trip tests.
#include "io_test_support.h"

#include "document/geometry.h"

namespace qv::test {

namespace {

void expectSameColor(const AIColor& e, const AIColor& a, const std::string& where) {
  ASSERT_EQ(e.kind, a.kind) << where;
  switch (e.kind) {
    case kGrayColor:
      EXPECT_FLOAT_EQ(e.c.g.gray, a.c.g.gray) << where;
      break;
    case kFourColor:
      EXPECT_FLOAT_EQ(e.c.f.cyan, a.c.f.cyan) << where;
      EXPECT_FLOAT_EQ(e.c.f.magenta, a.c.f.magenta) << where;
      EXPECT_FLOAT_EQ(e.c.f.yellow, a.c.f.yellow) << where;
      EXPECT_FLOAT_EQ(e.c.f.black, a.c.f.black) << where;
      break;
    case kThreeColor:
      EXPECT_FLOAT_EQ(e.c.rgb.red, a.c.rgb.red) << where;
      EXPECT_FLOAT_EQ(e.c.rgb.green, a.c.rgb.green) << where;
      EXPECT_FLOAT_EQ(e.c.rgb.blue, a.c.rgb.blue) << where;
      break;
    default:
      break;
  }
}

void expectSameStyle(const AIPathStyle& e, const AIPathStyle& a, const std::string& where) {
  EXPECT_EQ(e.fillPaint, a.fillPaint) << where;
  if (e.fillPaint) expectSameColor(e.fill.color, a.fill.color, where + " fill");
  EXPECT_EQ(e.strokePaint, a.strokePaint) << where;
  if (e.strokePaint) expectSameColor(e.stroke.color, a.stroke.color, where + " stroke");
  EXPECT_NEAR(e.stroke.width, a.stroke.width, 1e-5) << where;
  EXPECT_EQ(e.stroke.cap, a.stroke.cap) << where;
  EXPECT_EQ(e.stroke.join, a.stroke.join) << where;
  EXPECT_FLOAT_EQ(e.stroke.miterLimit, a.stroke.miterLimit) << where;
  ASSERT_EQ(e.stroke.dash.length, a.stroke.dash.length) << where;
  for (int i = 0; i < e.stroke.dash.length; ++i) {
    EXPECT_NEAR(e.stroke.dash.array[i], a.stroke.dash.array[i], 1e-5) << where;
  }
  EXPECT_NEAR(e.stroke.dash.offset, a.stroke.dash.offset, 1e-5) << where;
  EXPECT_EQ(e.evenodd, a.evenodd) << where;
}

void expectSameTree(const host::Art& e, const host::Art& a, float tolerance) {
  const std::string where = "art '" + e.id + "' (type " + std::to_string(e.type) + ")";
  ASSERT_EQ(e.type, a.type) << where;
  EXPECT_EQ(e.id, a.id) << where;
  ASSERT_EQ(e.segments.size(), a.segments.size()) << where;
  EXPECT_EQ(e.closed, a.closed) << where;
  for (std::size_t i = 0; i < e.segments.size(); ++i) {
    const auto& se = e.segments[i];
    const auto& sa = a.segments[i];
    EXPECT_TRUE(host::near(se.p, sa.p, tolerance) && host::near(se.in, sa.in, tolerance) &&
                host::near(se.out, sa.out, tolerance))
        << where << " segment " << i << ": (" << se.p.h << ", " << se.p.v << ") became (" << sa.p.h
        << ", " << sa.p.v << ")";
  }
  if (e.type == kPathArt || e.type == kCompoundPathArt) expectSameStyle(e.style, a.style, where);
  EXPECT_EQ(e.fillPaint.empty(), a.fillPaint.empty()) << where;
  EXPECT_EQ(e.strokePaint.empty(), a.strokePaint.empty()) << where;
  EXPECT_NEAR(e.opacity, a.opacity, 1e-6) << where;
  EXPECT_EQ(e.blendMode, a.blendMode) << where;
  EXPECT_EQ(e.tags, a.tags) << where;
  EXPECT_EQ(e.selected, a.selected) << where;
  EXPECT_EQ(e.hidden, a.hidden) << where;
  EXPECT_EQ(e.locked, a.locked) << where;
  EXPECT_EQ(e.element.empty(), a.element.empty()) << where;
  ASSERT_EQ(e.children.size(), a.children.size()) << where;
  for (std::size_t i = 0; i < e.children.size(); ++i)
    expectSameTree(*e.children[i], *a.children[i], tolerance);
}

}  // namespace

void expectSameArt(const host::Document& expected, const host::Document& actual, float tolerance) {
  EXPECT_FLOAT_EQ(expected.width(), actual.width());
  EXPECT_FLOAT_EQ(expected.height(), actual.height());
  ASSERT_EQ(expected.layers().size(), actual.layers().size());
  for (std::size_t l = 0; l < expected.layers().size(); ++l) {
    const host::Layer& e = expected.layers()[l];
    const host::Layer& a = actual.layers()[l];
    EXPECT_EQ(e.name, a.name);
    EXPECT_EQ(e.visible, a.visible);
    ASSERT_EQ(e.art.size(), a.art.size()) << "layer " << e.name;
    for (std::size_t i = 0; i < e.art.size(); ++i) expectSameTree(*e.art[i], *a.art[i], tolerance);
  }
}

}  // namespace qv::test
