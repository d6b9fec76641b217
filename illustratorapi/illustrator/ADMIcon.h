/* ADM Icon Suite (version 1): icons from a module's resources. "ADM Icon Suite" 1.
 * Icons belong to the host, which keeps them for every dialog or tool they are given to.
 * Plain C; host UI thread only. */
#ifndef QV_ADMICON_H
#define QV_ADMICON_H

#include "ADMTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kADMIconSuite "ADM Icon Suite"
#define kADMIconSuiteVersion 1

typedef struct ADMIconSuite {
  /* Icon `iconIndex` of icon list `iconID`: the PNG resource iconID + iconIndex. Null when the
   * module has no such resource. */
  ADMIconRef (*GetFromResource)(SPPluginRef plugin, int32_t iconID, int32_t iconIndex);
  /* kADMPNGIconType, or kADMUnknownIconType for a null icon or bytes that are no image. */
  int32_t (*GetType)(ADMIconRef icon);
  int32_t (*GetWidth)(ADMIconRef icon);
  int32_t (*GetHeight)(ADMIconRef icon);
} ADMIconSuite;

#ifdef __cplusplus
}
#endif

#endif
