/* AI Art Suite (version 14): the art tree of the current document. "AI Art Suite" 14.
 * Art belongs to the document; a handle stays valid until the art is disposed (and, during a
 * gesture, until the gesture ends, so an undo can revive it). Plain C; host UI thread only. */
#ifndef QV_AIART_H
#define QV_AIART_H

#include "AITypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIArtSuite "AI Art Suite"
#define kAIArtSuiteVersion 14

typedef struct AIArtSuite {
  /* Copies `art` (geometry, style, opacity, blending, tags) to the place that paintOrder and
   * prep name; *newArt receives the copy (output). The copy is not selected. */
  AIErr (*DuplicateArt)(AIArtHandle art, int16_t paintOrder, AIArtHandle prep, AIArtHandle* newArt);
  /* Moves `art` to the place that paintOrder and prep name. */
  AIErr (*ReorderArt)(AIArtHandle art, int16_t paintOrder, AIArtHandle prep);
  /* Removes `art` (and its children) from the document. */
  AIErr (*DisposeArt)(AIArtHandle art);
  /* *type receives the art type (kPathArt...). */
  AIErr (*GetArtType)(AIArtHandle art, int16_t* type);
  /* *child receives the first child, or null when there is none. */
  AIErr (*GetArtFirstChild)(AIArtHandle art, AIArtHandle* child);
  /* *sibling receives the next art in paint order, or null after the last. */
  AIErr (*GetArtSibling)(AIArtHandle art, AIArtHandle* sibling);
  /* *bounds receives the exact geometric bounds (stroke not included). */
  AIErr (*GetArtBounds)(AIArtHandle art, AIRealRect* bounds);
} AIArtSuite;

#ifdef __cplusplus
}
#endif

#endif
