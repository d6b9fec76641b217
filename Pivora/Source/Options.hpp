// The point-drag tool's option model and gesture state: the 27 settings of the options dialog,
// the dialog itself, and the work variables of one gesture, as process-wide variables in
// namespace pivora. Everything is zero at module load; StoreDefaults writes the option
// defaults. Host UI thread only, no locking.
#ifndef QV_PIVORA_OPTIONS_HPP
#define QV_PIVORA_OPTIONS_HPP

#include <cstdint>

#include "ADMTypes.h"
#include "AITypes.h"

namespace pivora {

// `firsttime` holds this once the defaults have been stored in this load of the module.
constexpr int32_t kDefaultsStored = 929;

// The drag mode: the entry ID of the mode popup, 0 to 10.
extern int32_t dragmode;
// Percentages 0..100 of the edited point kept by the three blends, and the handle limit in
// points (0..20000).
extern float interpolateinvalue, interpolateoutvalue, interpolatepointvalue, limitdirectionvalue;
extern bool lockedvalue, dragornotvalue, swapinoutvalue, preswapvalue, alternatingvalue,
    horizontalvalue, verticalvalue, incomponentvalue, outcomponentvalue, pressurevalue, trailvalue,
    traillayervalue, trailbeneathvalue, anchorrandomvalue, typepathrandomvalue,
    typepointrandomvalue, fillrandomvalue, fillswatchrandomvalue, strokerandomvalue,
    strokeswatchrandomvalue, weightrandomvalue, opacityrandomvalue;

extern int32_t firsttime;
// The options dialog of the current plug-in object; null until the tool is first selected.
extern ADMDialogRef dialogref;

// The gesture: where it started (moved by the 0x20 key), the current drag point, the snapshot
// of selected paths (a host memory handle of `objectcount` art handles, null when empty) and
// the document centre taken at mouse down.
extern AIRealPoint startingPoint, endPoint, documentcentre;
extern AIArtHandle** matches;
extern int32_t objectcount;

// Writes the defaults of all 27 options.
void StoreDefaults();

}  // namespace pivora

#endif
