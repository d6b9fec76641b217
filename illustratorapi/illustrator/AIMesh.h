/* AI Mesh Suite (version 3) and AI Mesh Vertex Suite (version 1): gradient meshes.
 * Acquired by the copy tool but never called. Plain C; host UI thread only. */
#ifndef QV_AIMESH_H
#define QV_AIMESH_H

#include "AITypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIMeshSuite "AI Mesh Suite"
#define kAIMeshSuiteVersion 3
#define kAIMeshVertexSuite "AI Mesh Vertex Suite"
#define kAIMeshVertexSuiteVersion 1

typedef struct AIMeshSuite {
  AIErr (*GetSize)(AIArtHandle mesh, int32_t* columns, int32_t* rows);
} AIMeshSuite;

typedef struct AIMeshVertexSuite {
  AIErr (*CountSegments)(void* vertex, int32_t* count);
} AIMeshVertexSuite;

#ifdef __cplusplus
}
#endif

#endif
