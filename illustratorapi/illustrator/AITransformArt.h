/* AI Transform Art Suite (version 1): maps art through a matrix.
 * "AI Transform Art Suite" 1. Plain C; host UI thread only. */
#ifndef QV_AITRANSFORMART_H
#define QV_AITRANSFORMART_H

#include "AITypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAITransformArtSuite "AI Transform Art Suite"
#define kAITransformArtSuiteVersion 1

enum {
  kTransformObjects = 0x01,
  kTransformFillGradients = 0x02,
  kTransformFillPatterns = 0x04,
  kTransformStrokePatterns = 0x08,
  kScaleLines = 0x10
};

typedef struct AITransformArtSuite {
  /* Maps anchors and handles through *matrix; with kScaleLines the stroke width is multiplied
   * by lineScale. */
  AIErr (*TransformArt)(AIArtHandle art, const AIRealMatrix* matrix, AIReal lineScale,
                        int32_t flags);
} AITransformArtSuite;

#ifdef __cplusplus
}
#endif

#endif
