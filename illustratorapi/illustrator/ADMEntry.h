/* ADM Entry Suite (version 2): one entry of a popup list. "ADM Entry Suite" 2.
 * Plain C; host UI thread only. */
#ifndef QV_ADMENTRY_H
#define QV_ADMENTRY_H

#include "ADMTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kADMEntrySuite "ADM Entry Suite"
#define kADMEntrySuiteVersion 2

typedef struct ADMEntrySuite {
  void (*SetID)(ADMEntryRef entry, int32_t id);
  int32_t (*GetID)(ADMEntryRef entry);
  void (*SetText)(ADMEntryRef entry, const char* text);
  /* Copies the text into buffer (at most length - 1 bytes and a NUL). */
  void (*GetText)(ADMEntryRef entry, char* buffer, int32_t length);
  /* Selecting an entry makes it the list's active entry. */
  void (*Select)(ADMEntryRef entry, ASBoolean select);
} ADMEntrySuite;

#ifdef __cplusplus
}
#endif

#endif
