// The copy tool's option model: every option of the thirteen copy tools and of the common
// group, the palette's bookkeeping and the work variables of a gesture, as process-wide
// variables in namespace ornix. A name ending in _N belongs to tool N. Everything is zero at
// module load; StoreDefaults writes the option defaults. Host UI thread only, no locking.
#ifndef QV_TESSALY1_OPTIONS_HPP
#define QV_TESSALY1_OPTIONS_HPP

#include <cstdint>

#include "ADMTypes.h"
#include "AITypes.h"

namespace ornix {

// The thirteen copy tools, the values of `currenttool`.
enum Tool : int32_t {
  kGridTool = 0,
  kDragTool = 1,
  kSoftCenterTool = 2,
  kFramedTool = 3,
  kRimRandomTool = 4,
  kWindmillTool = 5,
  kScaledownTool = 6,
  kBouncealongTool = 7,
  kSpiralTool = 8,
  kCheckerboardTool = 9,
  kPaintTool = 10,
  kBasicTileTool = 11,
  kBackgroundTool = 12,
};
constexpr int32_t kToolCount = 13;

// `firsttime` holds this once the defaults have been stored in this load of the module.
constexpr int32_t kDefaultsStored = 929;

// Tool 0, Grid.
extern int32_t horizontalcopiesvalue_0, verticalcopiesvalue_0;
extern float rotatevalue_0, jittervalue_0;
extern int32_t checkoptions_0, flipoptions_0, scalexoptions_0, scaleyoptions_0;
extern bool selectedcentrevalue_0, lockedvalue_0, trailvalue_0, scaledvalue_0, envelopevalue_0,
    placementvalue_0, rotation_0, boundbox_0, lockedhvalue_0, lockedvvalue_0;

// Tool 1, Drag.
extern int32_t copiesvalue_1;
extern float rotatevalue_1, jitterxvalue_1, jitteryvalue_1;
extern bool selectedcentrevalue_1, lockedvalue_1, trailvalue_1, envelopevalue_1, placementvalue_1;

// Tool 2, Soft center.
extern int32_t copiesvalue_2;
extern float initialvalue_2, jittervalue_2;
extern int32_t measureoptions_2;
extern bool lockedvalue_2, trailvalue_2, envelopevalue_2, placementvalue_2;

// Tool 3, Framed.
extern int32_t horizontalcopiesvalue_3, verticalcopiesvalue_3;
extern float rotateanglevalue_3, jittervalue_3, scalevalue_3;
extern int32_t edgeoptions_3;
extern bool selectedcentrevalue_3, lockedvalue_3, trailvalue_3, deletepathvalue_3, envelopevalue_3,
    placementvalue_3;

// Tool 4, Rim random.
extern int32_t copiesvalue_4;
extern float scaleminvalue_4, scalemaxvalue_4, jittervalue_4;
extern bool selectedcentrevalue_4, linkedvalue_4, trailvalue_4, envelopevalue_4, applyscalevalue_4,
    applyrotatevalue_4;

// Tool 5, Windmill.
extern int32_t copiesvalue_5, circlesvalue_5;
extern float rotatevalue_5, gapvvalue_5, scalevalue_5, turnvalue_5, offsetvalue_5,
    circlesradiusvalue_5, initialvalue_5, resizevalue_5, jittervalue_5;
extern int32_t measureoptions_5, windmilloptions_5, turnoptions_5;
extern bool selectedcentrevalue_5, deletepathvalue_5, alignvalue_5, matchvalue_5, trailvalue_5,
    envelopevalue_5, placementvalue_5, processvalue_5;

// Tool 6, Scaledown.
extern int32_t copiesvalue_6;
extern float scalehvalue_6, scalevvalue_6, jittervalue_6;
extern int32_t twistvalue_6;
extern float fadefillvalue_6, turnvalue_6;
extern int32_t scaleoptions_6;
extern bool selectedcentrevalue_6, lockedvalue_6, trailvalue_6, envelopevalue_6, placementvalue_6,
    processvalue_6;

// Tool 7, Bouncealong.
extern int32_t copiesvalue_7;
extern float scalevalue_7, jittervalue_7;
extern int32_t bouncevalue_7;
extern bool selectedcentrevalue_7, lockedvalue_7, trailvalue_7, envelopevalue_7, placementvalue_7,
    crunchvalue_7;

// Tool 8, Spiral.
extern int32_t copiesvalue_8;
extern float scalevalue_8, rotatevalue_8;
extern int32_t spiralsvalue_8;
extern float decayvalue_8, jittervalue_8;
extern bool selectedcentrevalue_8, deletepathvalue_8, alignvalue_8, matchvalue_8, reversevalue_8,
    trailvalue_8, envelopevalue_8, placementvalue_8;

// Tool 9, Checkerboard.
extern int32_t horizontalcopiesvalue_9, verticalcopiesvalue_9;
extern float rotatevalue_9, jittervalue_9;
extern bool selectedcentrevalue_9, lockedvalue_9, scaledvalue_9, envelopevalue_9, placementvalue_9;

// Tool 10, Paint. `trailvalue_10` has no control and stays true.
extern float scaledhvalue_10, scaledvvalue_10, fadefillvalue_10, intensityvalue_10, jittervalue_10;
extern bool followvalue_10, envelopevalue_10, placementvalue_10, anglevalue_10, trailvalue_10;

// Tool 11, Basic tile.
extern float jittervalue_11;
extern bool lockedvalue_11;

// Tool 12, Background. `deletepathvalue_12` has no control.
extern int32_t copiesvalue_12;
extern float scaleminvalue_12, scalemaxvalue_12, framevalue_12;
extern bool selectedcentrevalue_12, linkedvalue_12, applyscalevalue_12, trailvalue_12,
    envelopevalue_12, applyrotatevalue_12, deletepathvalue_12;

// Common to all tools.
extern int32_t filloptions, fillswatchvalue, fillprocessvalue;
extern int32_t strokeoptions, strokeswatchvalue, strokeprocessvalue;
extern int32_t patternoptions, scalelinesoptions, beneathoptions, countvalue;
extern bool blend, opacity, pr_opacityvalue, width, layer;

// Palette bookkeeping.
extern int32_t firsttime;
extern int32_t currenttool;
extern ADMDialogRef dialogref;
extern bool positionset;
extern ADMRect dialogposition;

// Work variables of a gesture.
extern AIRealPoint startingPoint, endPoint, selectedCenter;
extern int32_t objectcount;
extern AIArtHandle** matches;
extern int32_t count;
extern float resizeaccvalue_5;
extern float fadefillaccvalue_10, scalehvalue_10, scalevvalue_10;
extern AIRealPoint lastposition_10;
extern int32_t count_10;
extern float horizontalcopiesvalue_11, verticalcopiesvalue_11;

// Stores the default of every option of all thirteen tools and of the common group, and
// count_10 = 0. Shared by the palette's first-time step and its Reset button.
void StoreDefaults();

}  // namespace ornix

#endif
