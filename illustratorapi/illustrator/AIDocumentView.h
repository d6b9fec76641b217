/* AI Document View Suite (version 10): the view on the document. "AI Document View Suite" 10.
 * Acquired by the copy tool but never called. Plain C; host UI thread only. */
#ifndef QV_AIDOCUMENTVIEW_H
#define QV_AIDOCUMENTVIEW_H

#include "AITypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIDocumentViewSuite "AI Document View Suite"
#define kAIDocumentViewSuiteVersion 10

typedef struct AIDocumentViewSuite {
  AIErr (*GetDocumentViewZoom)(void* view, AIReal* zoom);
} AIDocumentViewSuite;

#ifdef __cplusplus
}
#endif

#endif
