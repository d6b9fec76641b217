// Numbers, number lists and lengths as SVG writes them: the scanner that path data, points,
// transforms, view boxes and dash arrays share, and lengths with units. Pure.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace qv::host::io {

// Reads numbers one after another, separated by white space and at most one comma.
class NumberScanner {
 public:
  explicit NumberScanner(std::string_view text) : text_(text) {}
  // An SVG number (sign, digits, fraction, exponent); false and no move when there is none.
  bool number(double& value);
  // A single 0 or 1, as arc flags are written (they need no separator).
  bool flag(bool& value);
  void skipSpace();
  void skipSeparator();  // white space with at most one comma
  bool atEnd();          // after white space
  std::size_t position() const { return position_; }
  char peek() const { return position_ < text_.size() ? text_[position_] : '\0'; }
  void advance() { ++position_; }
  std::string_view rest() const { return text_.substr(position_); }

 private:
  std::string_view text_;
  std::size_t position_ = 0;
};

// The whole text as one number, or nothing.
std::optional<double> parseNumber(std::string_view text);
// A list of numbers; nothing when any item is not a number.
std::optional<std::vector<double>> parseNumberList(std::string_view text);

std::string_view trim(std::string_view text);

enum class Axis { Horizontal, Vertical, Other };

// What relative lengths refer to: the nearest viewport's size and the element's font size.
struct LengthBase {
  double viewportWidth = 100;
  double viewportHeight = 100;
  double fontSize = 16;
};

// A length in user units: px (or none), pt, pc, mm, cm, in, em, ex, and % of the viewport's
// width, height or normalised diagonal. Nothing for anything else.
std::optional<double> parseLength(std::string_view text, Axis axis, const LengthBase& base);

}  // namespace qv::host::io
