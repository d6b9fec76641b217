/* AI Random Suite (version 3): the host's one seedable random source.
 * "AI Random Suite" 3. Plain C; host UI thread only. */
#ifndef QV_AIRANDOM_H
#define QV_AIRANDOM_H

#include "AITypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIRandomSuite "AI Random Suite"
#define kAIRandomSuiteVersion 3

typedef struct AIRandomSuite {
  /* A uniform value in [0, 1). */
  AIReal (*FloatRnd)(void);
  void (*SetRndSeed)(int32_t seed);
} AIRandomSuite;

#ifdef __cplusplus
}
#endif

#endif
