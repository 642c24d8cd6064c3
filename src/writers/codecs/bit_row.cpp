#include "writers/codecs/bit_row.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace quorvane::codecs {

namespace {

std::uint64_t LoadBigEndian(const std::uint8_t* bytes) {
  std::uint64_t word;
  std::memcpy(&word, bytes, sizeof word);
  if constexpr (std::endian::native == std::endian::little) word = __builtin_bswap64(word);
  return word;
}

}  // namespace

BitRow::BitRow(int width)
    : width_(width), rowWords_((width + 63) / 64), words_(static_cast<std::size_t>(rowWords_) + 2) {
  SetWhite();
}

void BitRow::Load(const std::uint8_t* bytes, bool invert) {
  const std::uint64_t flip = invert ? ~std::uint64_t{0} : 0;
  const int rowBytes = (width_ + 7) / 8;
  const int wholeWords = rowBytes / 8;
  for (int i = 0; i < wholeWords; ++i) words_[i] = LoadBigEndian(bytes + i * 8) ^ flip;
  if (wholeWords < rowWords_) {
    std::uint8_t tail[8] = {};
    std::memcpy(tail, bytes + wholeWords * 8, static_cast<std::size_t>(rowBytes - wholeWords * 8));
    words_[wholeWords] = LoadBigEndian(tail) ^ flip;
  }
}

void BitRow::SetWhite() {
  std::fill(words_.begin(), words_.begin() + rowWords_, std::uint64_t{0});
  words_[rowWords_] = ~std::uint64_t{0};
  words_[rowWords_ + 1] = 0;
}

}  // namespace quorvane::codecs
