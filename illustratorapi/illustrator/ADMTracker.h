/* ADM Tracker Suite (version 2): the state of the input devices. "ADM Tracker Suite" 2.
 * Plain C; host UI thread only. */
#ifndef QV_ADMTRACKER_H
#define QV_ADMTRACKER_H

#include "ADMTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kADMTrackerSuite "ADM Tracker Suite"
#define kADMTrackerSuiteVersion 2

typedef struct _ADMTracker* ADMTrackerRef;

typedef struct ADMTrackerSuite {
  /* The modifier keys held now (kADMShiftKeyModifier...); the tracker may be null. */
  int32_t (*GetModifiers)(ADMTrackerRef tracker);
} ADMTrackerSuite;

#ifdef __cplusplus
}
#endif

#endif
