#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "writers/common/page_memory.h"

namespace quorvane {

// Pixel formats of scanned pages.
//  pf1Bit:  1 bit per pixel, leftmost pixel in the most significant bit, 1 = white.
//  pf24RGB: 3 bytes per pixel in the order blue, green, red.
enum TPagePixelFormat : std::uint8_t { pf1Bit, pf24RGB };

// Non-owning view of page pixels, passed to coders, the blank-page test and
// the barcode reader; nothing is copied to make one.
struct TPageView {
  const std::uint8_t* data = nullptr;
  int width = 0;
  int height = 0;
  std::ptrdiff_t stride = 0;  // bytes from one row to the next
  TPagePixelFormat format = pf24RGB;

  const std::uint8_t* Row(int y) const { return data + stride * y; }
};

// One page image. Rows are padded to a multiple of 4 bytes, as scanners deliver them.
class TPageBitmap {
 public:
  TPageBitmap() = default;
  // A new page is white paper.
  TPageBitmap(int width, int height, TPagePixelFormat format);

  int Width() const { return width_; }
  int Height() const { return height_; }
  TPagePixelFormat PixelFormat() const { return format_; }
  bool IsEmpty() const { return width_ == 0 || height_ == 0; }

  // ((width * bits per pixel + 31) / 32) * 4
  std::size_t RowStride() const { return stride_; }
  // Bytes of a row that carry pixels: ceil(width / 8) or 3 * width.
  std::size_t UsedRowBytes() const;

  std::uint8_t* Row(int y) { return pixels_.data() + stride_ * static_cast<std::size_t>(y); }
  const std::uint8_t* Row(int y) const { return pixels_.data() + stride_ * static_cast<std::size_t>(y); }
  TPageView View() const;

  // Optional 8-bit alpha channel, one byte per pixel, 0 = fully transparent.
  bool HasAlpha() const { return !alpha_.empty(); }
  void AddAlpha(std::uint8_t initial = 255);
  void RemoveAlpha();
  std::uint8_t* AlphaRow(int y) { return alpha_.data() + static_cast<std::size_t>(width_) * y; }
  const std::uint8_t* AlphaRow(int y) const { return alpha_.data() + static_cast<std::size_t>(width_) * y; }

  // A 24-bit copy (black and white become 0 and 255); a 24-bit page is copied as it is.
  TPageBitmap ToRGB24() const;

  // Helpers for 1-bit pages.
  bool IsWhite(int x, int y) const;
  void SetWhite(int x, int y, bool white);

 private:
  int width_ = 0;
  int height_ = 0;
  TPagePixelFormat format_ = pf24RGB;
  std::size_t stride_ = 0;
  std::vector<std::uint8_t, TPageMemoryAllocator<std::uint8_t>> pixels_;
  std::vector<std::uint8_t> alpha_;
};

std::size_t PaddedRowStride(int width, int bitsPerPixel);

}  // namespace quorvane
