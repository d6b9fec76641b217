/* AI Path Style Suite (version 10): the paint of a path, read and written whole.
 * "AI Path Style Suite" 10. The record is the caller's. Plain C; host UI thread only. */
#ifndef QV_AIPATHSTYLE_H
#define QV_AIPATHSTYLE_H

#include "AITypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIPathStyleSuite "AI Path Style Suite"
#define kAIPathStyleSuiteVersion 10

typedef struct AIPathStyleSuite {
  /* *style receives the art's path style (output). */
  AIErr (*GetPathStyle)(AIArtHandle art, AIPathStyle* style);
  AIErr (*SetPathStyle)(AIArtHandle art, const AIPathStyle* style);
} AIPathStyleSuite;

#ifdef __cplusplus
}
#endif

#endif
