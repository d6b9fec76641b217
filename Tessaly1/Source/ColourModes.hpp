// The colour arithmetic of the fill and stroke colour popups, on one colour: fades towards
// white, black, a swatch or the inverse, alternations, random colours. Pure: the caller reads
// the path style, supplies the random draws and the swatch colour, and writes the style back.
#ifndef QV_TESSALY1_COLOURMODES_HPP
#define QV_TESSALY1_COLOURMODES_HPP

#include "AITypes.h"

namespace colourmodes {

enum Mode {
  kIgnore = 0,
  kToWhite = 1,
  kToBlack = 2,
  kRandomColors = 3,
  kRandomSwatches = 4,
  kToWhiteMidpoint = 5,
  kToSwatch = 6,
  kToHalfColor = 7,
  kToInverted = 8,
  kAlternateWhite = 9,
  kAlternateBlack = 10,
  kAlternateSwatch = 11,
  kAlternateInverted = 12,
  kToHalfColorInverted = 13,
  kTenPercentReduction = 14,
};

// What one mode needs besides the colour: the member's index i, the steps n and half steps h,
// and the swatch colour for modes 4, 6 and 11 (null when the host had none).
struct Step {
  int index = 0;
  int steps = 0;
  int halfSteps = 0;
  const AIColor* swatch = nullptr;
};

// Where the random draws of mode 3 come from.
using Draw = AIReal (*)(void* context);

// Whether the mode switches the paint flag on (4, 6, 11, 12).
bool SetsPaint(int mode);
// The swatch number a mode uses: s clamped to 0..S, then 0 and 1 become 2 (the first two
// swatches of a document are never used).
int ChooseSwatch(int s, int swatchCount);
// Applies the mode to `color`. Kinds other than gray, CMYK and RGB are left alone (mode 4
// replaces the whole colour by the swatch's). Ratios with no steps (n = 0) leave the
// components as they are.
void Apply(int mode, AIColor& color, const Step& step, Draw draw, void* drawContext);

}  // namespace colourmodes

#endif
