// The copy pipeline shared by the thirteen copy tools. Calls the host's Art, Tag, Transform
// Art, Blend Style, Random, Real Math and Envelope suites on the member it is given, and the
// styling of Styling.hpp; reads the common options.
#include "Pipeline.hpp"

#include <cmath>

#include "Styling.hpp"
#include "SuitePointers.hpp"

namespace ornix {

namespace {

constexpr char kTag[] = "tessaly";
constexpr int kLastPattern = 57;
constexpr int kWarpStyles = 18;
constexpr int kLastWarpStyle = 15;
constexpr int kBlendChoices = 20;
constexpr int kLastBlendMode = 15;
constexpr int32_t kEnvelopeFidelity = 50;

bool Coin() { return sAIRandom->FloatRnd() > 0.5f; }
AIReal Sign() { return Coin() ? -1.0f : 1.0f; }

// Step 5 on one path.
AIErr RestyleAndTransform(const ToolTraits& traits, const EventContext& context,
                          const Member& member, AIArtHandle path, const AIRealMatrix& matrix) {
  auto restyle = [&] {
    ::filloptions(ornix::filloptions, path, context.swatchCount, fillswatchvalue,
                  member.fillSteps / 2, member.fillIndex, member.fillSteps);
    ::strokeoptions(ornix::strokeoptions, path, context.swatchCount, strokeswatchvalue,
                    member.strokeSteps / 2, member.strokeIndex, member.strokeSteps);
    if (width) randomwidth(path);
  };
  auto transform = [&] {
    if (traits.tag) sAITag->SetTag(path, kTag, "string", kTag);
    return sAITransformArt->TransformArt(path, &matrix, member.lineScale, context.transformFlags);
  };
  if (traits.order == RestyleOrder::RestyleThenTransform) {
    restyle();
    return transform();
  }
  if (const AIErr error = transform()) return error;
  restyle();
  return kNoErr;
}

// Step 6.
void OpacityAndBlending(const ToolTraits& traits, const EventContext& context, const Member& member,
                        AIArtHandle art) {
  if (opacity) sAIBlendStyle->SetOpacity(art, sAIRandom->FloatRnd());
  const bool pressureLast = traits.opacity == OpacityVariant::FadeAndPressure;
  if (pr_opacityvalue && !pressureLast) sAIBlendStyle->SetOpacity(art, context.pressure);
  if (traits.opacity != OpacityVariant::Default && member.fade != 1.0f) {
    sAIBlendStyle->SetOpacity(art, member.fade * sAIBlendStyle->GetOpacity(art));
  }
  if (pr_opacityvalue && pressureLast) {
    sAIBlendStyle->SetOpacity(art, context.pressure * sAIBlendStyle->GetOpacity(art));
  }
  if (blend) {
    int mode = static_cast<int>(sAIRandom->FloatRnd() * kBlendChoices);
    if (mode > kLastBlendMode) mode = 0;
    sAIBlendStyle->SetBlendingMode(art, mode);
  }
}

// Step 7: the reference point and tile mode of a pattern popup value.
AIErr Pattern(const EventContext& context, const Member& member, const Placement& placement,
              AIArtHandle art) {
  const int value = patternoptions;
  if (value < 1 || value > kLastPattern) return kNoErr;
  int mode = 0;
  int row = 0;
  if (value <= 14) {
    mode = 1, row = value;
  } else if (value <= 27) {
    mode = 2, row = value - 14;
  } else if (value == 28) {
    mode = 3, row = 14;
  } else if (value <= 42) {
    mode = 3, row = value - 28;
  } else if (value == 43) {
    mode = 4, row = 14;
  } else {
    mode = 4, row = value - 43;
  }
  AIRealPoint object{};
  if (row >= 4 && row <= 6) {
    if (const AIErr error = BoundsCentre(member.source, object)) return error;
  }
  const AIRealPoint doc = context.documentCentre;
  const AIRealPoint start = startingPoint;
  const AIRealPoint end = endPoint;
  const AIRealPoint rows[] = {
      {doc.h, doc.v}, {end.h, end.v}, {start.h, start.v}, {object.h, object.v}, {object.h, 0},
      {0, object.v},  {doc.h, 0},     {0, doc.v},         {start.h, 0},         {0, start.v},
      {end.h, 0},     {0, end.v},     {end.h, start.v},   {start.h, end.v}};
  const AIRealPoint point = rows[row - 1];
  return ::patternoptions(art, placement.beneath, point.h, point.v, mode);
}

// Step 8.
AIErr Warp(AIArtHandle art) {
  AIArtHandle shape = nullptr;
  if (const AIErr error = sAIArt->DuplicateArt(art, kPlaceAboveAll, art, &shape)) return error;
  AIEnvelopeOptions options{0, kEnvelopeFidelity};
  AIArtHandle envelope = nullptr;
  if (const AIErr error = sAIEnvelope->MakeEnvelope(&art, 1, shape, &options, &envelope)) {
    return error;
  }
  const int style = static_cast<int>(sAIRandom->FloatRnd() * kWarpStyles);
  AIReal values[3] = {};
  for (AIReal& value : values) {
    const AIReal sign = Sign();
    value = sign * sAIRandom->FloatRnd();
  }
  const AIBoolean rotate = Coin() ? 1 : 0;
  if (style < 1 || style > kLastWarpStyle) return kNoErr;
  return sAIEnvelope->SetEnvelopeWarp(envelope, style, values[0], values[1], values[2], rotate);
}

}  // namespace

Placement PlaceMember(const ToolTraits& traits, const Member& member) {
  Placement placement;
  if (beneathoptions != 0) {
    placement.beneath = beneathtest(beneathoptions, member.copyIndex, member.rowIndex,
                                    member.objectIndex, member.twoDimensional);
  }
  placement.paintOrder = placement.beneath != 0 ? kPlaceBelowAll : kPlaceAboveAll;
  if (traits.create != nullptr && *traits.create && Coin()) placement.made = false;
  return placement;
}

AIErr ObtainMember(MemberKind kind, const Member& member, const Placement& placement,
                   AIArtHandle& art) {
  art = member.source;
  switch (kind) {
    case MemberKind::Duplicate:
      return sAIArt->DuplicateArt(member.source, placement.paintOrder, member.source, &art);
    case MemberKind::SourceReordered:
      sAIArt->ReorderArt(member.source, placement.paintOrder, nullptr);
      return kNoErr;
    case MemberKind::SourceInPlace:
      return kNoErr;
  }
  return kNoErr;
}

AIErr FinishMember(const ToolTraits& traits, const EventContext& context, const Member& member,
                   const Placement& placement, AIArtHandle art, const AIRealMatrix& matrix) {
  int16_t type = kUnknownArt;
  sAIArt->GetArtType(art, &type);
  if (type == kCompoundPathArt) {
    AIArtHandle child = nullptr;
    if (const AIErr error = sAIArt->GetArtFirstChild(art, &child)) return error;
    while (child != nullptr) {
      if (const AIErr error = RestyleAndTransform(traits, context, member, child, matrix)) {
        return error;
      }
      AIArtHandle next = nullptr;
      if (const AIErr error = sAIArt->GetArtSibling(child, &next)) return error;
      child = next;
    }
  } else if (const AIErr error = RestyleAndTransform(traits, context, member, art, matrix)) {
    return error;
  }
  OpacityAndBlending(traits, context, member, art);
  if (const AIErr error = Pattern(context, member, placement, art)) return error;
  if (traits.warp != nullptr && *traits.warp) return Warp(art);
  return kNoErr;
}

AIErr BoundsCentre(AIArtHandle art, AIRealPoint& centre) {
  AIRealRect bounds{};
  if (const AIErr error = sAIArt->GetArtBounds(art, &bounds)) return error;
  centre = {bounds.left + (bounds.right - bounds.left) / 2,
            bounds.bottom + (bounds.top - bounds.bottom) / 2};
  return kNoErr;
}

AIReal LineScale(AIReal sx, AIReal sy, bool even) {
  if (scalelinesoptions == 1 || (scalelinesoptions == 2 && even)) {
    return sAIRealMath->AIRealSqrt(std::fabs(sx)) * sAIRealMath->AIRealSqrt(std::fabs(sy));
  }
  return 1.0f;
}

void AppendJitter(AIRealMatrix& matrix, AIReal jitter) {
  if (jitter == 0) return;
  AppendJitter(matrix, jitter, jitter);
}

void AppendJitter(AIRealMatrix& matrix, AIReal horizontal, AIReal vertical) {
  const AIReal signV = Sign();
  const AIReal signH = Sign();
  const AIReal magnitudeV = sAIRandom->FloatRnd();
  const AIReal magnitudeH = sAIRandom->FloatRnd();
  sAIRealMath->AIRealMatrixConcatTranslate(&matrix, signH * magnitudeH * horizontal,
                                           signV * magnitudeV * vertical);
}

int Steps(int option, int toolCount) { return option != 0 ? option : toolCount; }

}  // namespace ornix
