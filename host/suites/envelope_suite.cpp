// AI Envelope Suite: wraps art in an envelope with a shape, and sets the envelope's warp.
// Touches the active host's document only; the warp itself is drawn from document/warp.h.
#include "AIEnvelope.h"
#include "all_suites.h"
#include "host.h"
#include "pica/suite_entry.h"

namespace qv::host {

namespace {

Document& document() { return Host::active().document(); }

constexpr int32_t kLastWarpStyle = 15;

// A fraction of a warp: finite and within -1..1 (NaN fails the comparisons).
bool warpFraction(AIReal value) { return value >= -1 && value <= 1; }

// Wraps one object: the member and the shape become the envelope's children, and the envelope
// takes the member's place. The options (deformation flags, fidelity) do not change the
// host's warps.
AIErr makeEnvelope(AIArtHandle* art, int16_t numArt, AIArtHandle envelopeObject,
                   const AIEnvelopeOptions* /*options*/, AIArtHandle* envelope) {
  if (envelope == nullptr) return kSPBadParameterError;
  *envelope = nullptr;
  if (art == nullptr || numArt != 1) return kSPBadParameterError;
  Art* member = document().find(*art);
  Art* shape = document().find(envelopeObject);
  if (member == nullptr || shape == nullptr) return kSPBadHandleError;
  if (isWithin(*member, *shape) || isWithin(*shape, *member)) return kSPBadParameterError;
  const Art& made = document().makeEnvelope(*member, *shape);
  *art = made.handle;
  *envelope = made.handle;
  return kNoErr;
}

AIErr setEnvelopeWarp(AIArtHandle handle, int32_t style, AIReal bend, AIReal horizontal,
                      AIReal vertical, AIBoolean rotate) {
  if (style < 1 || style > kLastWarpStyle || !warpFraction(bend) || !warpFraction(horizontal) ||
      !warpFraction(vertical)) {
    return kSPBadParameterError;
  }
  Art* art = document().find(handle);
  if (art == nullptr) return kSPBadHandleError;
  if (!art->envelope) return kSPBadParameterError;
  document().edit(*art).warp = Warp{style, bend, horizontal, vertical, rotate != 0};
  return kNoErr;
}

const AIEnvelopeSuite kEnvelope = {
    .MakeEnvelope = QV_ENTRY(kAIEnvelopeSuite, MakeEnvelope, makeEnvelope),
    .SetEnvelopeWarp = QV_ENTRY(kAIEnvelopeSuite, SetEnvelopeWarp, setEnvelopeWarp),
};

}  // namespace

void registerEnvelopeSuite(SuiteRegistry& registry) {
  registry.add(kAIEnvelopeSuite, kAIEnvelopeSuiteVersion, &kEnvelope);
}

}  // namespace qv::host
