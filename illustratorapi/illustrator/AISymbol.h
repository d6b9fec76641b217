/* AI Symbol Suite (version 4): symbol definitions. "AI Symbol Suite" 4. Acquired by the
 * copy and point-drag tools but never called. Plain C; host UI thread only. */
#ifndef QV_AISYMBOL_H
#define QV_AISYMBOL_H

#include "AITypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAISymbolSuite "AI Symbol Suite"
#define kAISymbolSuiteVersion 4

typedef struct AISymbolSuite {
  AIErr (*CountSymbolPatterns)(int32_t* count);
} AISymbolSuite;

#ifdef __cplusplus
}
#endif

#endif
