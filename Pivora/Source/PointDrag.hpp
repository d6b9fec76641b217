// One drag event of the point-drag tool: the modifier keys, the undo of the previous event
// (without a trail), and the edit of every selected point of every path of the snapshot, then
// the path's restyling and its trace copy.
#ifndef QV_PIVORA_POINTDRAG_HPP
#define QV_PIVORA_POINTDRAG_HPP

#include "AITool.h"
#include "AITypes.h"

namespace pivora {

// One drag event at `cursor` with the message's pen pressure (0..255). Returns the error that
// ended the event, or the result of the last host call whose error does not stop it.
AIErr pointdrag(AIRealPoint cursor, AIToolPressure pressure);

}  // namespace pivora

#endif
