/* AI Context Suite (version 4): brackets host work done outside a host-initiated call.
 * "AI Context Suite" 4. Each push must be popped with its handle, innermost first.
 * Plain C; host UI thread only. */
#ifndef QV_AICONTEXT_H
#define QV_AICONTEXT_H

#include "SPTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIAppContextSuite "AI Context Suite"
#define kAIAppContextSuiteVersion 4

typedef struct _AIAppContext* AIAppContextHandle;

typedef struct AIAppContextSuite {
  /* Opens a context; *context receives its handle (output). */
  AIErr (*PushAppContext)(SPPluginRef plugin, AIAppContextHandle* context);
  /* Closes the innermost context; kSPMisuseError when `context` is not it. */
  AIErr (*PopAppContext)(AIAppContextHandle context);
} AIAppContextSuite;

#ifdef __cplusplus
}
#endif

#endif
