// The copy tools' blocks that the drag driver runs by `currenttool`, and the one object
// operation several of them share.
#ifndef QV_TESSALY1_COPYTOOLS_HPP
#define QV_TESSALY1_COPYTOOLS_HPP

#include "AITypes.h"
#include "DragDriver.hpp"

namespace ornix {

AIErr GridTool(EventContext& context);
AIErr DragTool(EventContext& context);

// Tags and transforms an object with line scale 1: each child path of a compound path, or the
// object itself.
AIErr TagAndTransformObject(AIArtHandle art, const AIRealMatrix& matrix, int32_t flags);

}  // namespace ornix

#endif
