// The table of the thirteen copy tools' blocks that the drag driver runs, by tool index; a
// tool whose entry is null (not built yet) makes no copies. Data only.
#include "CopyTools.hpp"

namespace ornix {

const ToolBlock gToolBlocks[kToolCount] = {GridTool, DragTool};

}  // namespace ornix
