/* AI Plugin Suite (version 3): per-module option bits of the host. "AI Plugin Suite" 3.
 * The bits' meaning is the host's. Plain C; host UI thread only. */
#ifndef QV_AIPLUGIN_H
#define QV_AIPLUGIN_H

#include "SPTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIPluginSuite "AI Plugin Suite"
#define kAIPluginSuiteVersion 3

typedef struct AIPluginSuite {
  /* *options receives the module's option bits (output). */
  AIErr (*GetPluginOptions)(SPPluginRef plugin, int32_t* options);
  /* Replaces the module's option bits. */
  AIErr (*SetPluginOptions)(SPPluginRef plugin, int32_t options);
} AIPluginSuite;

#ifdef __cplusplus
}
#endif

#endif
