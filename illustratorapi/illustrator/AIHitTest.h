/* AI Hit Test Suite (version 3): what lies under a point. "AI Hit Test Suite" 3.
 * Acquired by the copy tool but never called. Plain C; host UI thread only. */
#ifndef QV_AIHITTEST_H
#define QV_AIHITTEST_H

#include "AITypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIHitTestSuite "AI Hit Test Suite"
#define kAIHitTestSuiteVersion 3

typedef struct AIHitTestSuite {
  AIErr (*HitTest)(AIArtHandle art, const AIRealPoint* point, int32_t request, void** hit);
} AIHitTestSuite;

#ifdef __cplusplus
}
#endif

#endif
