#include "page_bitmap.h"

#include <algorithm>
#include <stdexcept>

#include "writers/common/pixel_rows.h"

namespace quorvane {

std::size_t PaddedRowStride(int width, int bitsPerPixel) {
  return ((static_cast<std::size_t>(width) * static_cast<std::size_t>(bitsPerPixel) + 31) / 32) * 4;
}

TPageBitmap::TPageBitmap(int width, int height, TPagePixelFormat format)
    : width_(width), height_(height), format_(format) {
  if (width < 0 || height < 0) throw std::invalid_argument("page size must not be negative");
  stride_ = PaddedRowStride(width, format == pf1Bit ? 1 : 24);
  pixels_.assign(stride_ * static_cast<std::size_t>(height), 0xFF);
}

std::size_t TPageBitmap::UsedRowBytes() const {
  return format_ == pf1Bit ? (static_cast<std::size_t>(width_) + 7) / 8
                           : static_cast<std::size_t>(width_) * 3;
}

TPageView TPageBitmap::View() const {
  return TPageView{pixels_.data(), width_, height_, static_cast<std::ptrdiff_t>(stride_), format_};
}

void TPageBitmap::AddAlpha(std::uint8_t initial) {
  alpha_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), initial);
}

void TPageBitmap::RemoveAlpha() {
  alpha_.clear();
  alpha_.shrink_to_fit();
}

TPageBitmap TPageBitmap::ToRGB24() const {
  if (format_ == pf24RGB) return *this;
  TPageBitmap copy(width_, height_, pf24RGB);
  for (int y = 0; y < height_; ++y) SpreadBitRow(Row(y), width_, 3, copy.Row(y));
  copy.alpha_ = alpha_;
  return copy;
}

bool TPageBitmap::IsWhite(int x, int y) const {
  return (Row(y)[x >> 3] & (0x80 >> (x & 7))) != 0;
}

void TPageBitmap::SetWhite(int x, int y, bool white) {
  std::uint8_t& byte = Row(y)[x >> 3];
  const auto mask = static_cast<std::uint8_t>(0x80 >> (x & 7));
  byte = white ? static_cast<std::uint8_t>(byte | mask) : static_cast<std::uint8_t>(byte & ~mask);
}

}  // namespace quorvane
