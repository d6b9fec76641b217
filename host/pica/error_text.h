// How the host writes an error code for a person: "'S!Fd' (0x53214664)" for a four-character
// code, the decimal number for anything else.
#pragma once

#include <string>

#include "SPTypes.h"

namespace qv::host {

std::string describeError(SPErr error);

}  // namespace qv::host
