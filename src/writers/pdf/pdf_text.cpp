#include "writers/pdf/pdf_text.h"

#include <charconv>
#include <cmath>
#include <stdexcept>

namespace quorvane {

std::string FormatPDFFixed(double value) {
  if (!std::isfinite(value)) throw std::invalid_argument("number cannot be written to a PDF");
  char buffer[400];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
  if (result.ec != std::errc()) throw std::invalid_argument("number cannot be written to a PDF");
  return std::string(buffer, result.ptr);
}

std::string FormatPDFReal(double value) {
  const double whole = std::trunc(value);
  if (std::isfinite(value) && whole == value && std::fabs(whole) < 9.2e18) return std::to_string(static_cast<std::int64_t>(whole));
  return FormatPDFFixed(value);
}

std::string FormatPDFString(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 2);
  out += '(';
  for (const char c : text) {
    switch (c) {
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      case '\b': out += "\\b"; break;
      case '\f': out += "\\f"; break;
      case '(': out += "\\("; break;
      case ')': out += "\\)"; break;
      case '\\': out += "\\\\"; break;
      default: out += c;
    }
  }
  out += ')';
  return out;
}

std::string FormatPDFName(std::string_view name) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out = "/";
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x21 || byte > 0x7E) {
      out += '#';
      out += kHex[byte >> 4];
      out += kHex[byte & 0x0F];
    } else {
      out += c;
    }
  }
  return out;
}

std::string FormatXrefEntry(std::uint64_t offset) {
  constexpr std::uint64_t kLargest = 9'999'999'999ULL;
  if (offset > kLargest) throw std::length_error("PDF document too large for its cross-reference table");
  std::string digits = std::to_string(offset);
  return std::string(10 - digits.size(), '0') + digits + " 00000 n \n";
}

}  // namespace quorvane
