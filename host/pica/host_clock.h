// The wall clock that modules read with time(). The host exports its own time() so that a test
// can set and advance the clock a module sees; by default it is the real time.
#pragma once

#include <ctime>
#include <optional>

namespace qv::host {

class HostClock {
 public:
  static std::time_t now();
  // Freezes the clock at `t` until useRealTime().
  static void set(std::time_t t);
  static void advance(std::time_t seconds);
  static void useRealTime();
};

}  // namespace qv::host
