// Definitions of the copy tool's option and work variables (all zero at load) and their
// defaults. Touches nothing but these variables.
#include "Options.hpp"

namespace ornix {

int32_t horizontalcopiesvalue_0, verticalcopiesvalue_0;
float rotatevalue_0, jittervalue_0;
int32_t checkoptions_0, flipoptions_0, scalexoptions_0, scaleyoptions_0;
bool selectedcentrevalue_0, lockedvalue_0, trailvalue_0, scaledvalue_0, envelopevalue_0,
    placementvalue_0, rotation_0, boundbox_0, lockedhvalue_0, lockedvvalue_0;

int32_t copiesvalue_1;
float rotatevalue_1, jitterxvalue_1, jitteryvalue_1;
bool selectedcentrevalue_1, lockedvalue_1, trailvalue_1, envelopevalue_1, placementvalue_1;

int32_t copiesvalue_2;
float initialvalue_2, jittervalue_2;
int32_t measureoptions_2;
bool lockedvalue_2, trailvalue_2, envelopevalue_2, placementvalue_2;

int32_t horizontalcopiesvalue_3, verticalcopiesvalue_3;
float rotateanglevalue_3, jittervalue_3, scalevalue_3;
int32_t edgeoptions_3;
bool selectedcentrevalue_3, lockedvalue_3, trailvalue_3, deletepathvalue_3, envelopevalue_3,
    placementvalue_3;

int32_t copiesvalue_4;
float scaleminvalue_4, scalemaxvalue_4, jittervalue_4;
bool selectedcentrevalue_4, linkedvalue_4, trailvalue_4, envelopevalue_4, applyscalevalue_4,
    applyrotatevalue_4;

int32_t copiesvalue_5, circlesvalue_5;
float rotatevalue_5, gapvvalue_5, scalevalue_5, turnvalue_5, offsetvalue_5, circlesradiusvalue_5,
    initialvalue_5, resizevalue_5, jittervalue_5;
int32_t measureoptions_5, windmilloptions_5, turnoptions_5;
bool selectedcentrevalue_5, deletepathvalue_5, alignvalue_5, matchvalue_5, trailvalue_5,
    envelopevalue_5, placementvalue_5, processvalue_5;

int32_t copiesvalue_6;
float scalehvalue_6, scalevvalue_6, jittervalue_6;
int32_t twistvalue_6;
float fadefillvalue_6, turnvalue_6;
int32_t scaleoptions_6;
bool selectedcentrevalue_6, lockedvalue_6, trailvalue_6, envelopevalue_6, placementvalue_6,
    processvalue_6;

int32_t copiesvalue_7;
float scalevalue_7, jittervalue_7;
int32_t bouncevalue_7;
bool selectedcentrevalue_7, lockedvalue_7, trailvalue_7, envelopevalue_7, placementvalue_7,
    crunchvalue_7;

int32_t copiesvalue_8;
float scalevalue_8, rotatevalue_8;
int32_t spiralsvalue_8;
float decayvalue_8, jittervalue_8;
bool selectedcentrevalue_8, deletepathvalue_8, alignvalue_8, matchvalue_8, reversevalue_8,
    trailvalue_8, envelopevalue_8, placementvalue_8;

int32_t horizontalcopiesvalue_9, verticalcopiesvalue_9;
float rotatevalue_9, jittervalue_9;
bool selectedcentrevalue_9, lockedvalue_9, scaledvalue_9, envelopevalue_9, placementvalue_9;

float scaledhvalue_10, scaledvvalue_10, fadefillvalue_10, intensityvalue_10, jittervalue_10;
bool followvalue_10, envelopevalue_10, placementvalue_10, anglevalue_10, trailvalue_10;

float jittervalue_11;
bool lockedvalue_11;

int32_t copiesvalue_12;
float scaleminvalue_12, scalemaxvalue_12, framevalue_12;
bool selectedcentrevalue_12, linkedvalue_12, applyscalevalue_12, trailvalue_12, envelopevalue_12,
    applyrotatevalue_12, deletepathvalue_12;

int32_t filloptions, fillswatchvalue, fillprocessvalue;
int32_t strokeoptions, strokeswatchvalue, strokeprocessvalue;
int32_t patternoptions, scalelinesoptions, beneathoptions, countvalue;
bool blend, opacity, pr_opacityvalue, width, layer;

int32_t firsttime;
int32_t currenttool;
ADMDialogRef dialogref;
bool positionset;
ADMRect dialogposition;

AIRealPoint startingPoint, endPoint, selectedCenter;
int32_t objectcount;
AIArtHandle** matches;
int32_t count;
float resizeaccvalue_5;
float fadefillaccvalue_10, scalehvalue_10, scalevvalue_10;
AIRealPoint lastposition_10;
int32_t count_10;
float horizontalcopiesvalue_11, verticalcopiesvalue_11;

void StoreDefaults() {
  horizontalcopiesvalue_0 = 10;
  verticalcopiesvalue_0 = 10;
  rotatevalue_0 = 0.0f;
  jittervalue_0 = 0.0f;
  checkoptions_0 = 0;
  flipoptions_0 = 0;
  scalexoptions_0 = 0;
  scaleyoptions_0 = 0;
  selectedcentrevalue_0 = true;
  lockedvalue_0 = false;
  trailvalue_0 = false;
  scaledvalue_0 = false;
  envelopevalue_0 = false;
  placementvalue_0 = false;
  rotation_0 = false;
  boundbox_0 = false;
  lockedhvalue_0 = false;
  lockedvvalue_0 = false;

  copiesvalue_1 = 10;
  rotatevalue_1 = 0.0f;
  jitterxvalue_1 = 0.0f;
  jitteryvalue_1 = 0.0f;
  selectedcentrevalue_1 = true;
  lockedvalue_1 = false;
  trailvalue_1 = false;
  envelopevalue_1 = false;
  placementvalue_1 = false;

  copiesvalue_2 = 10;
  initialvalue_2 = 0.0f;
  jittervalue_2 = 0.0f;
  measureoptions_2 = 0;
  lockedvalue_2 = false;
  trailvalue_2 = false;
  envelopevalue_2 = false;
  placementvalue_2 = false;

  horizontalcopiesvalue_3 = 10;
  verticalcopiesvalue_3 = 10;
  rotateanglevalue_3 = 0.0f;
  jittervalue_3 = 0.0f;
  scalevalue_3 = 100.0f;
  edgeoptions_3 = 0;
  selectedcentrevalue_3 = true;
  lockedvalue_3 = false;
  trailvalue_3 = false;
  deletepathvalue_3 = true;
  envelopevalue_3 = false;
  placementvalue_3 = false;

  copiesvalue_4 = 10;
  scaleminvalue_4 = 97.0f;
  scalemaxvalue_4 = 103.0f;
  jittervalue_4 = 0.0f;
  selectedcentrevalue_4 = true;
  linkedvalue_4 = false;
  trailvalue_4 = false;
  envelopevalue_4 = false;
  applyscalevalue_4 = true;
  applyrotatevalue_4 = true;

  copiesvalue_5 = 10;
  circlesvalue_5 = 1;
  rotatevalue_5 = 0.0f;
  gapvvalue_5 = 100.0f;
  scalevalue_5 = 100.0f;
  turnvalue_5 = 0.0f;
  offsetvalue_5 = 0.0f;
  circlesradiusvalue_5 = 100.0f;
  initialvalue_5 = 0.0f;
  resizevalue_5 = 100.0f;
  jittervalue_5 = 0.0f;
  measureoptions_5 = 0;
  windmilloptions_5 = 0;
  turnoptions_5 = 0;
  selectedcentrevalue_5 = true;
  deletepathvalue_5 = true;
  alignvalue_5 = true;
  matchvalue_5 = false;
  trailvalue_5 = false;
  envelopevalue_5 = false;
  placementvalue_5 = false;
  processvalue_5 = false;

  copiesvalue_6 = 10;
  scalehvalue_6 = 90.0f;
  scalevvalue_6 = 90.0f;
  jittervalue_6 = 0.0f;
  twistvalue_6 = 0;
  fadefillvalue_6 = 100.0f;
  turnvalue_6 = 0.0f;
  scaleoptions_6 = 0;
  selectedcentrevalue_6 = true;
  lockedvalue_6 = false;
  trailvalue_6 = false;
  envelopevalue_6 = false;
  placementvalue_6 = false;
  processvalue_6 = false;

  copiesvalue_7 = 10;
  scalevalue_7 = 90.0f;
  jittervalue_7 = 0.0f;
  bouncevalue_7 = 4;
  selectedcentrevalue_7 = true;
  lockedvalue_7 = false;
  trailvalue_7 = false;
  envelopevalue_7 = false;
  placementvalue_7 = false;
  crunchvalue_7 = false;

  copiesvalue_8 = 10;
  scalevalue_8 = 99.0f;
  rotatevalue_8 = 0.0f;
  spiralsvalue_8 = 3;
  decayvalue_8 = 90.0f;
  jittervalue_8 = 0.0f;
  selectedcentrevalue_8 = true;
  deletepathvalue_8 = true;
  alignvalue_8 = true;
  matchvalue_8 = false;
  reversevalue_8 = false;
  trailvalue_8 = false;
  envelopevalue_8 = false;
  placementvalue_8 = false;

  horizontalcopiesvalue_9 = 10;
  verticalcopiesvalue_9 = 10;
  rotatevalue_9 = 0.0f;
  jittervalue_9 = 0.0f;
  selectedcentrevalue_9 = true;
  lockedvalue_9 = false;
  scaledvalue_9 = false;
  envelopevalue_9 = false;
  placementvalue_9 = false;

  scaledhvalue_10 = 100.0f;
  scaledvvalue_10 = 100.0f;
  fadefillvalue_10 = 100.0f;
  intensityvalue_10 = 0.0f;
  jittervalue_10 = 0.0f;
  followvalue_10 = true;
  envelopevalue_10 = false;
  placementvalue_10 = false;
  anglevalue_10 = false;
  trailvalue_10 = true;

  jittervalue_11 = 0.0f;
  lockedvalue_11 = false;

  copiesvalue_12 = 70;
  scaleminvalue_12 = 97.0f;
  scalemaxvalue_12 = 103.0f;
  framevalue_12 = 50.0f;
  selectedcentrevalue_12 = true;
  linkedvalue_12 = false;
  applyscalevalue_12 = true;
  trailvalue_12 = false;
  envelopevalue_12 = false;
  applyrotatevalue_12 = true;
  deletepathvalue_12 = true;

  filloptions = 0;
  fillswatchvalue = 2;
  fillprocessvalue = 0;
  strokeoptions = 0;
  strokeswatchvalue = 2;
  strokeprocessvalue = 0;
  patternoptions = 0;
  scalelinesoptions = 0;
  beneathoptions = 0;
  countvalue = 0;
  blend = false;
  opacity = false;
  pr_opacityvalue = false;
  width = false;
  layer = false;

  count_10 = 0;
}

}  // namespace ornix
