// Shortest round-trip formatting through std::to_chars; "-0" is written as "0".
#include "number_format.h"

#include <charconv>

namespace qv::host::io {

namespace {
template <typename Real>
std::string shortest(Real value) {
  if (value == 0) return "0";
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}
}  // namespace

std::string formatReal(AIReal value) { return shortest(value); }
std::string formatDouble(double value) { return shortest(value); }

std::string formatFlippedY(AIReal v, AIReal height) {
  const double y = static_cast<double>(height) - static_cast<double>(v);  // exact
  std::string text = formatReal(static_cast<AIReal>(y));
  double read = 0;
  std::from_chars(text.data(), text.data() + text.size(), read);
  if (static_cast<AIReal>(static_cast<double>(height) - read) == v) return text;
  return formatDouble(y);
}

}  // namespace qv::host::io
