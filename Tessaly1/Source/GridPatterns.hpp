// The Grid tool's cell patterns: which cells a checkerboard leaves empty, which cells turn by
// a quarter turn, and the 42 apply patterns that scale a cell by its column or row number.
// Pure functions of the indexes (and of the one random value u of a member).
#ifndef QV_TESSALY1_GRIDPATTERNS_HPP
#define QV_TESSALY1_GRIDPATTERNS_HPP

#include "AITypes.h"

namespace gridpatterns {

struct Factor {
  AIReal h = 1;
  AIReal v = 1;
};

// Cell (row r, column q) is left empty by checkerboard mode 0..9.
bool CheckEmpty(int mode, int r, int q);
// Cell (r, q) is turned by turn mode 0..4.
bool TurnCell(int mode, int r, int q);
// The factor of apply pattern 0..42 for index i; u is the member's random value.
Factor ApplyFactor(int mode, int i, AIReal u);
// Whether the pattern reads u.
bool ApplyUsesRandom(int mode);

}  // namespace gridpatterns

#endif
