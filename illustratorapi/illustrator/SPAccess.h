/* SP Access Suite (version 3): keeps a module loaded while an access reference is held.
 * "SP Access Suite" 3. The reference from AcquirePlugin belongs to the caller until
 * ReleasePlugin. Plain C; host UI thread only. */
#ifndef QV_SPACCESS_H
#define QV_SPACCESS_H

#include "SPTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSPAccessSuite "SP Access Suite"
#define kSPAccessSuiteVersion 3

typedef struct SPAccessSuite {
  /* Pins the plug-in in memory; *access receives the reference (output). */
  SPErr (*AcquirePlugin)(SPPluginRef plugin, SPAccessRef* access);
  /* Drops a reference from AcquirePlugin; kSPBadHandleError for an unknown one. */
  SPErr (*ReleasePlugin)(SPAccessRef access);
} SPAccessSuite;

#ifdef __cplusplus
}
#endif

#endif
