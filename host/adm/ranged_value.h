// The number a spin edit holds: one value inside an inclusive range, read and written as an
// integer or as a decimal. Plain C++; no host state.
#pragma once

#include <cstdint>
#include <limits>

namespace qv::host::adm {

// Integers and floats are both exact in a double, so one value serves both views: a value set
// as an integer reads back as that integer, one set as a float reads back as that float.
class RangedValue {
 public:
  double value() const { return value_; }
  double min() const { return min_; }
  double max() const { return max_; }
  // Stores `value` clamped to the range. NaN is the caller's to refuse.
  void set(double value);
  // Moves one end of the range, the other end too when it would cross, and re-clamps.
  void setMin(double min);
  void setMax(double max);
  // The value rounded to the nearest integer (halves away from zero), kept within int32.
  int32_t asInt() const;

 private:
  double value_ = 0;
  double min_ = std::numeric_limits<int32_t>::min();
  double max_ = std::numeric_limits<int32_t>::max();
};

}  // namespace qv::host::adm
