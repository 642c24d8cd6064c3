#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quorvane {

// Text forms of PDF values. All of them ignore the user's locale: PDF
// readers only understand "." as the decimal separator.

// Fixed notation with two decimals ("297.50", "-0.50", "595.00").
std::string FormatPDFFixed(double value);
// A whole value as an integer ("1", "-2"), any other in fixed notation.
std::string FormatPDFReal(double value);
// Literal string body with its parentheses: "(a\(b\)c\\d)".
std::string FormatPDFString(std::string_view text);
// Name with its slash; bytes outside "!".."~" become #XX: "/My#20Name".
std::string FormatPDFName(std::string_view name);

// A cross-reference entry of an object in use, exactly 20 bytes:
// "0000012345 00000 n \n". Offsets are 64-bit, so documents past 2 GiB stay
// valid; ten digits reach 9.3 GiB, beyond that it throws std::length_error.
std::string FormatXrefEntry(std::uint64_t offset);

}  // namespace quorvane
