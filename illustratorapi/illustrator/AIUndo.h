/* AI Undo Suite (version 4): reverts the artwork changes of the current gesture.
 * "AI Undo Suite" 4. Plain C; host UI thread only. */
#ifndef QV_AIUNDO_H
#define QV_AIUNDO_H

#include "AITypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIUndoSuite "AI Undo Suite"
#define kAIUndoSuiteVersion 4

typedef struct AIUndoSuite {
  /* During a drag event: restores the artwork to its state at mouse down. At mouse up: keeps
   * the artwork (the gesture becomes one step of the host's undo history). */
  AIErr (*UndoChanges)(void);
} AIUndoSuite;

#ifdef __cplusplus
}
#endif

#endif
