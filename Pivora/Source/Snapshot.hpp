// The path snapshot of a point-drag gesture: the selected paths (`matches`, `objectcount`) and
// the document centre, taken at mouse down and released at mouse up. Touches only these
// variables of pivora.
#ifndef QV_PIVORA_SNAPSHOT_HPP
#define QV_PIVORA_SNAPSHOT_HPP

#include "AITypes.h"

namespace pivora {

// Gives back a snapshot still held, then lists the selected paths and mystery paths (component
// paths of a compound path included) and, when there is one, takes the document centre. A
// failed request leaves the snapshot empty and is returned.
AIErr TakeSnapshot();
// Gives the snapshot's handle back to the host, when there is one; the snapshot is then empty.
void ReleaseSnapshot();

}  // namespace pivora

#endif
