// AI Path Suite and AI Path Style Suite: the segments of a path, their selection, whether it
// is closed, and its paint. Touches the active host's document only.
#include <algorithm>
#include <array>
#include <limits>
#include <optional>

#include "AIPath.h"
#include "AIPathStyle.h"
#include "all_suites.h"
#include "host.h"
#include "pica/suite_entry.h"

namespace qv::host {

namespace {

Document& document() { return Host::active().document(); }

// The path of `handle`: kSPBadHandleError for a stale or foreign handle, kSPBadParameterError
// for art that is not a path.
AIErr findPath(AIArtHandle handle, Art*& path) {
  path = document().find(handle);
  if (path == nullptr) return kSPBadHandleError;
  if (path->type == kPathArt) return kNoErr;
  path = nullptr;
  return kSPBadParameterError;
}

// Whether [first, first + count) lies inside [0, size).
bool inRange(int16_t first, int16_t count, std::size_t size) {
  return first >= 0 && count >= 0 &&
         static_cast<std::size_t>(first) + static_cast<std::size_t>(count) <= size;
}

AIErr getPathSegmentCount(AIArtHandle handle, int16_t* count) {
  if (count == nullptr) return kSPBadParameterError;
  *count = 0;
  Art* path = nullptr;
  if (const AIErr error = findPath(handle, path)) return error;
  // An imported path may hold more segments than the count can say.
  if (path->segments.size() > static_cast<std::size_t>(std::numeric_limits<int16_t>::max())) {
    return kSPBadParameterError;
  }
  *count = static_cast<int16_t>(path->segments.size());
  return kNoErr;
}

AIErr getPathSegments(AIArtHandle handle, int16_t first, int16_t count, AIPathSegment* segments) {
  if (segments == nullptr) return kSPBadParameterError;
  Art* path = nullptr;
  if (const AIErr error = findPath(handle, path)) return error;
  if (!inRange(first, count, path->segments.size())) return kSPBadParameterError;
  std::copy_n(path->segments.begin() + first, count, segments);
  return kNoErr;
}

// Replaces segments from `first` on; they may run past the end (up to the largest count) and
// so grow the path.
AIErr setPathSegments(AIArtHandle handle, int16_t first, int16_t count,
                      const AIPathSegment* segments) {
  if (segments == nullptr) return kSPBadParameterError;
  Art* path = nullptr;
  if (const AIErr error = findPath(handle, path)) return error;
  if (first < 0 || count < 0 || static_cast<std::size_t>(first) > path->segments.size() ||
      first + count > std::numeric_limits<int16_t>::max()) {
    return kSPBadParameterError;
  }
  const std::span<const AIPathSegment> replacing(segments, static_cast<std::size_t>(count));
  const bool allFinite = std::all_of(
      replacing.begin(), replacing.end(),
      [](const AIPathSegment& s) { return finite(s.p) && finite(s.in) && finite(s.out); });
  if (!allFinite) return kSPBadParameterError;
  document().setSegments(*path, static_cast<std::size_t>(first), replacing);
  return kNoErr;
}

AIErr getPathSegmentSelected(AIArtHandle handle, int16_t index, int16_t* selected) {
  if (selected == nullptr) return kSPBadParameterError;
  *selected = kSegmentNotSelected;
  Art* path = nullptr;
  if (const AIErr error = findPath(handle, path)) return error;
  if (!inRange(index, 1, path->segments.size())) return kSPBadParameterError;
  *selected = path->segmentSelected(static_cast<std::size_t>(index));
  return kNoErr;
}

AIErr getPathClosed(AIArtHandle handle, AIBoolean* closed) {
  if (closed == nullptr) return kSPBadParameterError;
  *closed = false;
  Art* path = nullptr;
  if (const AIErr error = findPath(handle, path)) return error;
  *closed = path->closed;
  return kNoErr;
}

// The real values a colour carries (a tint for pattern, gradient and custom colours); none
// for a kind the host does not know.
struct Components {
  std::size_t count = 0;
  std::array<AIReal, 4> values{};
};
std::optional<Components> components(const AIColor& color) {
  const AIColorUnion& c = color.c;
  switch (color.kind) {
    case kGrayColor:
      return Components{1, {c.g.gray}};
    case kFourColor:
      return Components{4, {c.f.cyan, c.f.magenta, c.f.yellow, c.f.black}};
    case kThreeColor:
      return Components{3, {c.rgb.red, c.rgb.green, c.rgb.blue}};
    case kPattern:
    case kCustomColor:
    case kGradient:
      return Components{1, {c.other.tint}};
    case kNoneColor:
      return Components{};
    default:
      return std::nullopt;
  }
}

bool validColor(const AIColor& color) {
  const auto values = components(color);
  return values && std::all_of(values->values.begin(), values->values.end(),
                               [](AIReal value) { return finite(value); });
}

bool sameColor(const AIColor& a, const AIColor& b) {
  const bool opaque = a.kind == kPattern || a.kind == kCustomColor || a.kind == kGradient;
  return a.kind == b.kind && components(a)->values == components(b)->values &&
         (!opaque || a.c.other.object == b.c.other.object);
}

bool validStyle(const AIPathStyle& style) {
  const AIStrokeStyle& stroke = style.stroke;
  const AIDashStyle& dash = stroke.dash;
  if (dash.length < 0 || dash.length > kMaxDashComponents) return false;
  const bool dashFinite =
      std::all_of(dash.array, dash.array + dash.length, [](AIReal value) { return finite(value); });
  return dashFinite && validColor(style.fill.color) && validColor(stroke.color) &&
         finite(stroke.width) && stroke.width >= 0 && finite(dash.offset) &&
         finite(stroke.miterLimit) && finite(style.resolution) && stroke.cap >= kAIButtCap &&
         stroke.cap <= kAIProjectingCap && stroke.join >= kAIMiterJoin &&
         stroke.join <= kAIBevelJoin;
}

AIErr getPathStyle(AIArtHandle handle, AIPathStyle* style) {
  if (style == nullptr) return kSPBadParameterError;
  *style = {};
  const Art* art = document().find(handle);
  if (art == nullptr) return kSPBadHandleError;
  *style = art->style;
  return kNoErr;
}

AIErr setPathStyle(AIArtHandle handle, const AIPathStyle* style) {
  if (style == nullptr || !validStyle(*style)) return kSPBadParameterError;
  Art* art = document().find(handle);
  if (art == nullptr) return kSPBadHandleError;
  Art& changed = document().edit(*art);
  // Paint kept from a file (a gradient, a pattern) gives way to a colour the module sets;
  // writing back the style it read keeps it.
  if (style->fillPaint != changed.style.fillPaint ||
      !sameColor(style->fill.color, changed.style.fill.color)) {
    changed.fillPaint.clear();
  }
  if (style->strokePaint != changed.style.strokePaint ||
      !sameColor(style->stroke.color, changed.style.stroke.color)) {
    changed.strokePaint.clear();
  }
  changed.style = *style;
  return kNoErr;
}

const AIPathSuite kPath = {
    .GetPathSegmentCount = QV_ENTRY(kAIPathSuite, GetPathSegmentCount, getPathSegmentCount),
    .GetPathSegments = QV_ENTRY(kAIPathSuite, GetPathSegments, getPathSegments),
    .SetPathSegments = QV_ENTRY(kAIPathSuite, SetPathSegments, setPathSegments),
    .GetPathSegmentSelected =
        QV_ENTRY(kAIPathSuite, GetPathSegmentSelected, getPathSegmentSelected),
    .GetPathClosed = QV_ENTRY(kAIPathSuite, GetPathClosed, getPathClosed),
};

const AIPathStyleSuite kPathStyle = {
    .GetPathStyle = QV_ENTRY(kAIPathStyleSuite, GetPathStyle, getPathStyle),
    .SetPathStyle = QV_ENTRY(kAIPathStyleSuite, SetPathStyle, setPathStyle),
};

}  // namespace

void registerPathSuites(SuiteRegistry& registry) {
  registry.add(kAIPathSuite, kAIPathSuiteVersion, &kPath);
  registry.add(kAIPathStyleSuite, kAIPathStyleSuiteVersion, &kPathStyle);
}

}  // namespace qv::host
