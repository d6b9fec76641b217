/* AI Swatch List Suite (version 5): the swatches of a document. "AI Swatch List Suite" 5.
 * A null list means the current document's. Swatches belong to the list. Plain C; host UI thread.
 */
#ifndef QV_AISWATCHLIST_H
#define QV_AISWATCHLIST_H

#include "AITypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAISwatchListSuite "AI Swatch List Suite"
#define kAISwatchListSuiteVersion 5

typedef struct AISwatchListSuite {
  /* The number of swatches of the list. */
  int32_t (*CountSwatches)(AISwatchListRef list);
  /* Swatch `index` counted from 0, or null past the end. */
  AISwatchRef (*GetNthSwatch)(AISwatchListRef list, int32_t index);
  /* *color receives the swatch's colour (output). */
  AIErr (*GetAIColor)(AISwatchRef swatch, AIColor* color);
} AISwatchListSuite;

#ifdef __cplusplus
}
#endif

#endif
