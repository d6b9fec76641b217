/* AI Blend Style Suite (version 3): opacity and blending mode of art.
 * "AI Blend Style Suite" 3. Modes 0 (normal) to 15 (luminosity). Plain C; host UI thread only. */
#ifndef QV_AIBLENDSTYLE_H
#define QV_AIBLENDSTYLE_H

#include "AITypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIBlendStyleSuite "AI Blend Style Suite"
#define kAIBlendStyleSuiteVersion 3

typedef struct AIBlendStyleSuite {
  AIErr (*SetBlendingMode)(AIArtHandle art, int32_t mode);
  int32_t (*GetBlendingMode)(AIArtHandle art);
  /* The opacity 0..1; 1 for an unknown handle. */
  AIReal (*GetOpacity)(AIArtHandle art);
  AIErr (*SetOpacity)(AIArtHandle art, AIReal opacity);
} AIBlendStyleSuite;

#ifdef __cplusplus
}
#endif

#endif
