/* AI Layer Suite (version 11): the layers of the current document. "AI Layer Suite" 11.
 * Layers belong to the document. Plain C; host UI thread only. */
#ifndef QV_AILAYER_H
#define QV_AILAYER_H

#include "AITypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAILayerSuite "AI Layer Suite"
#define kAILayerSuiteVersion 11

typedef struct AILayerSuite {
  /* A new layer placed by paintOrder relative to `layer` (null: all layers); it becomes the
   * current layer, where new art goes. *newLayer receives it (output). */
  AIErr (*InsertLayer)(AILayerHandle layer, int16_t paintOrder, AILayerHandle* newLayer);
  AIErr (*CountLayers)(int32_t* count);
} AILayerSuite;

#ifdef __cplusplus
}
#endif

#endif
