/* ADM Basic Suite (version 10, and the older version 2 with the same calls): string lists from
 * the module's resources, alerts, about boxes and the cursor. "ADM Basic Suite" 10 / 2.
 * Texts are copied by the host; alerts are shown (recorded) at once. Plain C; host UI thread. */
#ifndef QV_ADMBASIC_H
#define QV_ADMBASIC_H

#include "ADMTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kADMBasicSuite "ADM Basic Suite"
#define kADMBasicSuiteVersion 10
#define kADMBasicSuiteVersion2 2

typedef struct ADMBasicSuite {
  /* Copies entry `index` (from 1) of string list `listID` of the module's resources into buffer
   * (at most length - 1 bytes and a NUL). kSPNotFoundError, and buffer "", when there is none. */
  ADMErr (*GetIndexString)(SPPluginRef plugin, int32_t listID, int32_t index, char* buffer,
                           int32_t length);
  /* Shows an error alert with the text. */
  void (*ErrorAlert)(const char* text);
  /* Shows the module's about box with two texts. */
  void (*AboutBox)(SPPluginRef plugin, const char* text1, const char* text2);
  /* Shows an about alert with a title and a text. */
  void (*AboutAlert)(const char* title, const char* text);
  /* Shows cursor resource `cursorID` of the module. */
  void (*SetPlatformCursor)(SPPluginRef plugin, int32_t cursorID);
} ADMBasicSuite;

#ifdef __cplusplus
}
#endif

#endif
