#pragma once

#include <bit>
#include <cstdint>
#include <vector>

namespace quorvane::codecs {

// Pixel colours of a fax row: 0 is white, 1 is black.
enum FaxColour : int { kWhite = 0, kBlack = 1 };

inline FaxColour Opposite(FaxColour colour) { return static_cast<FaxColour>(colour ^ 1); }

// One 1-bit row held as 64-bit words (first pixel in the most significant
// bit, 1 = black), so runs are found a word at a time. Two stop words
// (all black, then all white) follow the row: every search ends inside the
// buffer without testing the bounds per word.
class BitRow {
 public:
  explicit BitRow(int width);

  // Takes ceil(width / 8) bytes, leftmost pixel in the most significant bit;
  // `invert` turns stored 1 = white into 1 = black.
  void Load(const std::uint8_t* bytes, bool invert);
  void SetWhite();

  // The first position at or after `from` whose pixel is not `colour`, or
  // the width when the row has none. `from` must not exceed the width.
  int NextChange(int from, FaxColour colour) const {
    const std::uint64_t flip = 0 - static_cast<std::uint64_t>(colour);
    const std::uint64_t* word = words_.data() + (from >> 6);
    std::uint64_t differing = (*word ^ flip) & (~std::uint64_t{0} >> (from & 63));
    while (differing == 0) differing = *++word ^ flip;
    const int position = static_cast<int>((word - words_.data()) * 64) + std::countl_zero(differing);
    return position < width_ ? position : width_;
  }

  int Width() const { return width_; }

 private:
  int width_;
  int rowWords_;
  std::vector<std::uint64_t> words_;
};

}  // namespace quorvane::codecs
