/* AI Shape Construction Suite (version 4): new paths of simple shapes.
 * "AI Shape Construction Suite" 4. The new art goes where new art goes (the current layer, on
 * top). Plain C; host UI thread only. */
#ifndef QV_AISHAPECONSTRUCTION_H
#define QV_AISHAPECONSTRUCTION_H

#include "AITypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIShapeConstructionSuite "AI Shape Construction Suite"
#define kAIShapeConstructionSuiteVersion 4

typedef struct AIShapeConstructionSuite {
  /* A closed rectangle path from its four edges; *newArt receives it (output). */
  AIErr (*NewRect)(AIReal top, AIReal left, AIReal bottom, AIReal right, AIBoolean reversed,
                   AIArtHandle* newArt);
} AIShapeConstructionSuite;

#ifdef __cplusplus
}
#endif

#endif
