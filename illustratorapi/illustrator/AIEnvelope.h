/* AI Envelope Suite (version 1): art distorted by an envelope shape or a warp.
 * "AI Envelope Suite" 1. The envelope replaces the art in the document. Plain C; host UI thread. */
#ifndef QV_AIENVELOPE_H
#define QV_AIENVELOPE_H

#include "AITypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIEnvelopeSuite "AI Envelope Suite"
#define kAIEnvelopeSuiteVersion 1

typedef struct AIEnvelopeOptions {
  int32_t deformOptions; /* deformation flags */
  int32_t fidelity;      /* 0..100 */
} AIEnvelopeOptions;

typedef struct AIEnvelopeSuite {
  /* Wraps numArt objects (*art) in an envelope of shape envelopeObject; *art is replaced by the
   * envelope and *envelope receives it (outputs). */
  AIErr (*MakeEnvelope)(AIArtHandle* art, int16_t numArt, AIArtHandle envelopeObject,
                        const AIEnvelopeOptions* options, AIArtHandle* envelope);
  /* Applies warp style 1..15 with bend and the two distortions (fractions in -1..1). */
  AIErr (*SetEnvelopeWarp)(AIArtHandle envelope, int32_t style, AIReal bend,
                           AIReal horizontalDistortion, AIReal verticalDistortion,
                           AIBoolean rotate);
} AIEnvelopeSuite;

#ifdef __cplusplus
}
#endif

#endif
