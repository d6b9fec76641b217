// SVG's number grammar and CSS length units (96 user units to the inch).
#include "svg_numbers.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <string>

namespace qv::host::io {

namespace {
bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

std::string_view trim(std::string_view text) {
  while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
  return text;
}

void NumberScanner::skipSpace() {
  while (position_ < text_.size() && isSpace(text_[position_])) ++position_;
}

void NumberScanner::skipSeparator() {
  skipSpace();
  if (peek() == ',') {
    ++position_;
    skipSpace();
  }
}

bool NumberScanner::atEnd() {
  skipSpace();
  return position_ >= text_.size();
}

bool NumberScanner::number(double& value) {
  std::size_t at = position_;
  const bool negative = at < text_.size() && text_[at] == '-';
  if (at < text_.size() && (text_[at] == '+' || text_[at] == '-')) ++at;
  // from_chars would also take "inf" and "nan"; SVG numbers start with a digit or a point.
  if (at >= text_.size() || !(isDigit(text_[at]) || text_[at] == '.')) return false;
  if (text_[at] == '.' && (at + 1 >= text_.size() || !isDigit(text_[at + 1]))) return false;
  double magnitude = 0;
  const char* begin = text_.data() + at;
  const auto [end, error] = std::from_chars(begin, text_.data() + text_.size(), magnitude);
  if (error == std::errc::result_out_of_range) return false;
  if (error != std::errc()) return false;
  value = negative ? -magnitude : magnitude;
  position_ = static_cast<std::size_t>(end - text_.data());
  return std::isfinite(value);
}

bool NumberScanner::flag(bool& value) {
  const char c = peek();
  if (c != '0' && c != '1') return false;
  value = c == '1';
  ++position_;
  return true;
}

std::optional<double> parseNumber(std::string_view text) {
  NumberScanner scanner(text);
  double value = 0;
  scanner.skipSpace();
  if (!scanner.number(value) || !scanner.atEnd()) return std::nullopt;
  return value;
}

std::optional<std::vector<double>> parseNumberList(std::string_view text) {
  NumberScanner scanner(text);
  std::vector<double> values;
  scanner.skipSpace();
  while (!scanner.atEnd()) {
    double value = 0;
    if (!scanner.number(value)) return std::nullopt;
    values.push_back(value);
    scanner.skipSeparator();
  }
  return values;
}

std::optional<double> parseLength(std::string_view text, Axis axis, const LengthBase& base) {
  NumberScanner scanner(trim(text));
  double value = 0;
  if (!scanner.number(value)) return std::nullopt;
  std::string unit(scanner.rest());
  for (char& c : unit) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (unit.empty() || unit == "px") return value;
  if (unit == "pt") return value * 96.0 / 72.0;
  if (unit == "pc") return value * 16.0;
  if (unit == "mm") return value * 96.0 / 25.4;
  if (unit == "cm") return value * 96.0 / 2.54;
  if (unit == "in") return value * 96.0;
  if (unit == "em") return value * base.fontSize;
  if (unit == "ex") return value * base.fontSize / 2;
  if (unit == "%") {
    const double w = base.viewportWidth, h = base.viewportHeight;
    const double reference = axis == Axis::Horizontal ? w
                             : axis == Axis::Vertical ? h
                                                      : std::sqrt((w * w + h * h) / 2);
    return value * reference / 100;
  }
  return std::nullopt;
}

}  // namespace qv::host::io
