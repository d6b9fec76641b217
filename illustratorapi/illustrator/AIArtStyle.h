/* AI Art Style Suite (version 5): appearance styles. "AI Art Style Suite" 5.
 * Acquired by both tools but never called. Plain C; host UI thread only. */
#ifndef QV_AIARTSTYLE_H
#define QV_AIARTSTYLE_H

#include "AITypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIArtStyleSuite "AI Art Style Suite"
#define kAIArtStyleSuiteVersion 5

typedef struct AIArtStyleSuite {
  AIErr (*GetArtStyle)(AIArtHandle art, void** style);
} AIArtStyleSuite;

#ifdef __cplusplus
}
#endif

#endif
