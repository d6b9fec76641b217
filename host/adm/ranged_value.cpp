// Clamping and integer reading of a spin edit's value.
#include "adm/ranged_value.h"

#include <algorithm>
#include <cmath>

namespace qv::host::adm {

void RangedValue::set(double value) { value_ = std::clamp(value, min_, max_); }

void RangedValue::setMin(double min) {
  min_ = min;
  max_ = std::max(max_, min);
  set(value_);
}

void RangedValue::setMax(double max) {
  max_ = max;
  min_ = std::min(min_, max);
  set(value_);
}

int32_t RangedValue::asInt() const {
  constexpr double kLowest = std::numeric_limits<int32_t>::min();
  constexpr double kHighest = std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(std::clamp(std::round(value_), kLowest, kHighest));
}

}  // namespace qv::host::adm
