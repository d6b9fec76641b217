// The option variables and gesture state of the point-drag tool, and their defaults. Touches
// only these variables.
#include "Options.hpp"

namespace pivora {

int32_t dragmode;
float interpolateinvalue, interpolateoutvalue, interpolatepointvalue, limitdirectionvalue;
bool lockedvalue, dragornotvalue, swapinoutvalue, preswapvalue, alternatingvalue, horizontalvalue,
    verticalvalue, incomponentvalue, outcomponentvalue, pressurevalue, trailvalue, traillayervalue,
    trailbeneathvalue, anchorrandomvalue, typepathrandomvalue, typepointrandomvalue,
    fillrandomvalue, fillswatchrandomvalue, strokerandomvalue, strokeswatchrandomvalue,
    weightrandomvalue, opacityrandomvalue;

int32_t firsttime;
ADMDialogRef dialogref;

AIRealPoint startingPoint, endPoint, documentcentre;
AIArtHandle** matches;
int32_t objectcount;

void StoreDefaults() {
  dragmode = 0;
  interpolateinvalue = 100;
  interpolateoutvalue = 100;
  interpolatepointvalue = 100;
  limitdirectionvalue = 1000;
  lockedvalue = false;
  dragornotvalue = false;
  swapinoutvalue = false;
  preswapvalue = false;
  alternatingvalue = false;
  horizontalvalue = true;
  verticalvalue = true;
  incomponentvalue = true;
  outcomponentvalue = true;
  pressurevalue = false;
  trailvalue = false;
  traillayervalue = false;
  trailbeneathvalue = false;
  anchorrandomvalue = false;
  typepathrandomvalue = false;
  typepointrandomvalue = false;
  fillrandomvalue = false;
  fillswatchrandomvalue = false;
  strokerandomvalue = false;
  strokeswatchrandomvalue = false;
  weightrandomvalue = false;
  opacityrandomvalue = false;
}

}  // namespace pivora
