/* SP Plug-ins Suite (version 4): what the plug-in manager knows of a module.
 * "SP Plug-ins Suite" 4. Names returned stay owned by the host. Plain C; host UI thread only. */
#ifndef QV_SPPLUGINS_H
#define QV_SPPLUGINS_H

#include "SPTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSPPluginsSuite "SP Plug-ins Suite"
#define kSPPluginsSuiteVersion 4

typedef struct SPPluginsSuite {
  /* Registers the module's name (copied by the host). */
  SPErr (*SetPluginName)(SPPluginRef plugin, const char* name);
  /* *name receives the registered name, owned by the host (output). */
  SPErr (*GetPluginName)(SPPluginRef plugin, const char** name);
} SPPluginsSuite;

#ifdef __cplusplus
}
#endif

#endif
