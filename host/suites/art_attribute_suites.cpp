// AI Tag Suite, AI Blend Style Suite, AI Transform Art Suite, AI Shape Construction Suite and
// AI Random Suite: what modules set on art (tags, opacity, blending, a transform), new
// rectangles, and the host's random source. Touches the active host's document and random
// source only.
#include <cstring>

#include "AIBlendStyle.h"
#include "AIRandom.h"
#include "AIShapeConstruction.h"
#include "AITag.h"
#include "AITransformArt.h"
#include "all_suites.h"
#include "host.h"
#include "pica/suite_entry.h"

namespace qv::host {

namespace {

Document& document() { return Host::active().document(); }

constexpr char kStringTag[] = "string";
constexpr int32_t kLastBlendingMode = 15;

bool isStringTag(const char* type) { return type != nullptr && std::strcmp(type, kStringTag) == 0; }

AIErr setTag(AIArtHandle handle, const char* name, const char* type, const void* value) {
  if (name == nullptr || *name == '\0' || value == nullptr || !isStringTag(type)) {
    return kSPBadParameterError;
  }
  Art* art = document().find(handle);
  if (art == nullptr) return kSPBadHandleError;
  document().edit(*art).tags[name] = static_cast<const char*>(value);
  return kNoErr;
}

AIErr getTag(AIArtHandle handle, const char* name, const char* type, const char** value) {
  if (value == nullptr) return kSPBadParameterError;
  *value = nullptr;
  if (name == nullptr || !isStringTag(type)) return kSPBadParameterError;
  const Art* art = document().find(handle);
  if (art == nullptr) return kSPBadHandleError;
  const auto it = art->tags.find(name);
  if (it == art->tags.end()) return kSPNotFoundError;
  *value = it->second.c_str();
  return kNoErr;
}

AIErr setBlendingMode(AIArtHandle handle, int32_t mode) {
  if (mode < 0 || mode > kLastBlendingMode) return kSPBadParameterError;
  Art* art = document().find(handle);
  if (art == nullptr) return kSPBadHandleError;
  document().edit(*art).blendMode = mode;
  return kNoErr;
}

int32_t getBlendingMode(AIArtHandle handle) {
  const Art* art = document().find(handle);
  return art != nullptr ? art->blendMode : 0;
}

AIReal getOpacity(AIArtHandle handle) {
  const Art* art = document().find(handle);
  return art != nullptr ? art->opacity : 1;
}

AIErr setOpacity(AIArtHandle handle, AIReal opacity) {
  // Written so that NaN fails too.
  if (!(opacity >= 0 && opacity <= 1)) return kSPBadParameterError;
  Art* art = document().find(handle);
  if (art == nullptr) return kSPBadHandleError;
  document().edit(*art).opacity = opacity;
  return kNoErr;
}

AIErr transformArt(AIArtHandle handle, const AIRealMatrix* matrix, AIReal lineScale,
                   int32_t flags) {
  if (matrix == nullptr || !finite(*matrix) || !finite(lineScale)) return kSPBadParameterError;
  Art* art = document().find(handle);
  if (art == nullptr) return kSPBadHandleError;
  document().transform(*art, *matrix, lineScale, flags);
  return kNoErr;
}

AIErr newRect(AIReal top, AIReal left, AIReal bottom, AIReal right, AIBoolean reversed,
              AIArtHandle* newArt) {
  if (newArt == nullptr) return kSPBadParameterError;
  *newArt = nullptr;
  if (!finite(top) || !finite(left) || !finite(bottom) || !finite(right)) {
    return kSPBadParameterError;
  }
  // Clockwise from the top-left corner (v up); reversed goes the other way round.
  const AIRealPoint clockwise[] = {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
  const AIRealPoint counterClockwise[] = {
      {left, top}, {left, bottom}, {right, bottom}, {right, top}};
  Art& rect = document().create(kPathArt);
  for (const AIRealPoint corner : reversed ? counterClockwise : clockwise) {
    rect.segments.push_back({corner, corner, corner, true});
  }
  rect.segmentSelection.assign(rect.segments.size(), kSegmentNotSelected);
  rect.closed = true;
  *newArt = rect.handle;
  return kNoErr;
}

AIReal floatRnd() { return Host::active().nextRandom(); }
void setRndSeed(int32_t seed) { Host::active().seedRandom(static_cast<uint32_t>(seed)); }

const AITagSuite kTag = {
    .SetTag = QV_ENTRY(kAITagSuite, SetTag, setTag),
    .GetTag = QV_ENTRY(kAITagSuite, GetTag, getTag),
};

const AIBlendStyleSuite kBlendStyle = {
    .SetBlendingMode = QV_ENTRY(kAIBlendStyleSuite, SetBlendingMode, setBlendingMode),
    .GetBlendingMode = QV_VALUE_ENTRY(kAIBlendStyleSuite, GetBlendingMode, getBlendingMode),
    .GetOpacity = QV_VALUE_ENTRY(kAIBlendStyleSuite, GetOpacity, getOpacity),
    .SetOpacity = QV_ENTRY(kAIBlendStyleSuite, SetOpacity, setOpacity),
};

const AITransformArtSuite kTransformArt = {
    .TransformArt = QV_ENTRY(kAITransformArtSuite, TransformArt, transformArt),
};

const AIShapeConstructionSuite kShapeConstruction = {
    .NewRect = QV_ENTRY(kAIShapeConstructionSuite, NewRect, newRect),
};

const AIRandomSuite kRandom = {
    .FloatRnd = QV_VALUE_ENTRY(kAIRandomSuite, FloatRnd, floatRnd),
    .SetRndSeed = QV_VALUE_ENTRY(kAIRandomSuite, SetRndSeed, setRndSeed),
};

}  // namespace

void registerArtAttributeSuites(SuiteRegistry& registry) {
  registry.add(kAITagSuite, kAITagSuiteVersion, &kTag);
  registry.add(kAIBlendStyleSuite, kAIBlendStyleSuiteVersion, &kBlendStyle);
  registry.add(kAITransformArtSuite, kAITransformArtSuiteVersion, &kTransformArt);
  registry.add(kAIShapeConstructionSuite, kAIShapeConstructionSuiteVersion, &kShapeConstruction);
  registry.add(kAIRandomSuite, kAIRandomSuiteVersion, &kRandom);
}

}  // namespace qv::host
