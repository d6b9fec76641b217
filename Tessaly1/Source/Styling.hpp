// Restyling of one copy: the placement decision (above or beneath all artwork), the fill and
// stroke colour modes, the random stroke width, and the mirror tiles of the pattern popup.
// Called by the copy pipeline once per member or per path.
#ifndef QV_TESSALY1_STYLING_HPP
#define QV_TESSALY1_STYLING_HPP

#include "AITypes.h"

// 1 when the member goes beneath all artwork, 0 when above. Mode 4 draws once.
int beneathtest(int mode, int copyIndex, int rowIndex, int objectIndex,
                unsigned char twoDimensional);
// The fill colour mode on one path: swatch count S, swatch number, half steps h, index i,
// steps n. Mode 0 does not touch the path.
void filloptions(int mode, AIArtHandle path, int swatchCount, int swatchNumber, int halfSteps,
                 int index, int steps);
// The same on the stroke colour and the stroke-paint flag.
void strokeoptions(int mode, AIArtHandle path, int swatchCount, int swatchNumber, int halfSteps,
                   int index, int steps);
// Multiplies the stroke width by one draw (never below 0).
void randomwidth(AIArtHandle path);
// Mirror tiles of `member` through (x, y) in tile mode 1 to 4; the host's error, 0 on success.
AIErr patternoptions(AIArtHandle member, int beneath, AIReal x, AIReal y, int mode);

#endif
