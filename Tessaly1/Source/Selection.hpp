// The selection snapshot of a copy-tool gesture: the selected objects the copy tools
// duplicate (`matches`, `objectcount`) and the centre of their bounds (`selectedCenter`).
// Taken at mouse down, released at mouse up; touches only these variables of ornix.
#ifndef QV_TESSALY1_SELECTION_HPP
#define QV_TESSALY1_SELECTION_HPP

#include "AITypes.h"

namespace ornix {

// Gives back any snapshot still held, then lists the selected compound paths, paths, mystery
// paths, symbols, placed and raster art and meshes. Paths of a listed compound path become
// null entries, since the compound path stands for them. Always 0.
AIErr get_selection();
// Gives the snapshot's handle back to the host, when there is one.
void ReleaseSelection();

}  // namespace ornix

#endif
