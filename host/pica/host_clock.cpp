// The host's time(): real time from clock_gettime, or the time a test set. Exported from the
// host executable, so the modules' calls to time() resolve here before the C library.
#include "host_clock.h"

namespace {
std::optional<std::time_t> gFrozen;
}

namespace qv::host {

std::time_t HostClock::now() {
  if (gFrozen) return *gFrozen;
  timespec spec{};
  clock_gettime(CLOCK_REALTIME, &spec);
  return spec.tv_sec;
}

void HostClock::set(std::time_t t) { gFrozen = t; }
void HostClock::advance(std::time_t seconds) { gFrozen = now() + seconds; }
void HostClock::useRealTime() { gFrozen.reset(); }

}  // namespace qv::host

extern "C" __attribute__((visibility("default"))) std::time_t time(std::time_t* out) noexcept {
  const std::time_t t = qv::host::HostClock::now();
  if (out != nullptr) *out = t;
  return t;
}
