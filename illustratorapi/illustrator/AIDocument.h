/* AI Document Suite (version 11): facts of the current document. "AI Document Suite" 11.
 * Plain C; host UI thread only. */
#ifndef QV_AIDOCUMENT_H
#define QV_AIDOCUMENT_H

#include "AITypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIDocumentSuite "AI Document Suite"
#define kAIDocumentSuiteVersion 11

typedef struct AIDocumentSuite {
  /* *size receives the artboard's width (h) and height (v) in points (output). */
  AIErr (*GetDocumentSize)(AIRealPoint* size);
} AIDocumentSuite;

#ifdef __cplusplus
}
#endif

#endif
