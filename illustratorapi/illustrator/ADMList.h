/* ADM List Suite (version 1): the entry list of a popup. "ADM List Suite" 1.
 * Entries belong to their list. Plain C; host UI thread only. */
#ifndef QV_ADMLIST_H
#define QV_ADMLIST_H

#include "ADMTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kADMListSuite "ADM List Suite"
#define kADMListSuiteVersion 1

typedef struct ADMListSuite {
  /* A new entry at `position` (0 = first); null on failure. */
  ADMEntryRef (*InsertEntry)(ADMListRef list, int32_t position);
  /* The entry at `position`, or null. */
  ADMEntryRef (*IndexEntry)(ADMListRef list, int32_t position);
  int32_t (*NumberOfEntries)(ADMListRef list);
  /* The selected entry, or null. */
  ADMEntryRef (*GetActiveEntry)(ADMListRef list);
} ADMListSuite;

#ifdef __cplusplus
}
#endif

#endif
