#include "scan/acquisition/frame_reader.h"

#include <algorithm>
#include <cstring>

namespace quorvane {
namespace {

constexpr std::size_t kReadChunk = 256 * 1024;

// 16-bit samples come in the host's byte order; the page keeps the high byte.
std::uint8_t Sample(const std::uint8_t* row, int index, int depth) {
  if (depth == 8) return row[index];
  if (depth == 16) {
    std::uint16_t wide;
    std::memcpy(&wide, row + 2 * index, 2);
    return static_cast<std::uint8_t>(wide >> 8);
  }
  return (row[index >> 3] & (0x80 >> (index & 7))) ? 255 : 0;
}

void GreyRow(const std::uint8_t* src, std::uint8_t* dst, int width, int depth) {
  if (depth == 8) {
    for (int x = 0; x < width; ++x) dst[3 * x] = dst[3 * x + 1] = dst[3 * x + 2] = src[x];
    return;
  }
  for (int x = 0; x < width; ++x) dst[3 * x] = dst[3 * x + 1] = dst[3 * x + 2] = Sample(src, x, depth);
}

void ColourRow(const std::uint8_t* src, std::uint8_t* dst, int width, int depth) {
  if (depth == 8) {
    for (int x = 0; x < width; ++x) {
      dst[3 * x] = src[3 * x + 2];
      dst[3 * x + 1] = src[3 * x + 1];
      dst[3 * x + 2] = src[3 * x];
    }
    return;
  }
  for (int x = 0; x < width; ++x) {
    dst[3 * x] = Sample(src, 3 * x + 2, depth);
    dst[3 * x + 1] = Sample(src, 3 * x + 1, depth);
    dst[3 * x + 2] = Sample(src, 3 * x, depth);
  }
}

// SANE's 1-bit grey has 1 = black; the page has 1 = white.
void LineArtRow(const std::uint8_t* src, std::uint8_t* dst, std::size_t bytes) {
  for (std::size_t i = 0; i < bytes; ++i) dst[i] = static_cast<std::uint8_t>(~src[i]);
}

bool IsSupported(const SANE_Parameters& p) {
  const bool depthKnown = p.depth == 1 || p.depth == 8 || p.depth == 16;
  return depthKnown && p.last_frame && (p.format == SANE_FRAME_GRAY || p.format == SANE_FRAME_RGB) &&
         p.pixels_per_line > 0 && p.bytes_per_line > 0;
}

bool IsLineArt(const SANE_Parameters& p) { return p.format == SANE_FRAME_GRAY && p.depth == 1; }

// Grows the page by whole chunks of rows when the device does not tell the
// height in advance (hand scanners, length detection).
void EnsureRows(TPageBitmap& bitmap, int rows, TPagePixelFormat format, int width) {
  if (rows <= bitmap.Height()) return;
  TPageBitmap grown(width, std::max(rows, bitmap.Height() * 2), format);
  for (int y = 0; y < bitmap.Height(); ++y) std::memcpy(grown.Row(y), bitmap.Row(y), bitmap.RowStride());
  bitmap = std::move(grown);
}

TPageBitmap FirstRows(const TPageBitmap& bitmap, int rows) {
  TPageBitmap cropped(bitmap.Width(), rows, bitmap.PixelFormat());
  for (int y = 0; y < rows; ++y) std::memcpy(cropped.Row(y), bitmap.Row(y), bitmap.RowStride());
  return cropped;
}

}  // namespace

TPage ReadFrame(TScanDevice& device, int dpiX, int dpiY, std::vector<std::uint8_t>& staging) {
  const SANE_Parameters p = device.Parameters();
  if (!IsSupported(p)) throw TDeviceStatusError(SANE_STATUS_UNSUPPORTED);
  const auto bytesPerLine = static_cast<std::size_t>(p.bytes_per_line);
  const TPagePixelFormat format = IsLineArt(p) ? pf1Bit : pf24RGB;
  const bool heightKnown = p.lines > 0;

  TPage page;
  page.Bitmap = TPageBitmap(p.pixels_per_line, heightKnown ? p.lines : 64, format);
  staging.resize(std::max(kReadChunk, bytesPerLine));
  std::size_t filled = 0;
  int rows = 0;
  while (const std::optional<std::size_t> length = device.Read(staging.data() + filled, staging.size() - filled)) {
    filled += *length;
    std::size_t offset = 0;
    for (; filled - offset >= bytesPerLine; offset += bytesPerLine) {
      if (heightKnown && rows == p.lines) continue;  // more than announced: read to the end, keep the page
      if (!heightKnown) EnsureRows(page.Bitmap, rows + 1, format, p.pixels_per_line);
      const std::uint8_t* src = staging.data() + offset;
      std::uint8_t* dst = page.Bitmap.Row(rows++);
      if (format == pf1Bit) LineArtRow(src, dst, page.Bitmap.UsedRowBytes());
      else if (p.format == SANE_FRAME_GRAY) GreyRow(src, dst, p.pixels_per_line, p.depth);
      else ColourRow(src, dst, p.pixels_per_line, p.depth);
    }
    // A row split between two reads waits at the front for its rest.
    std::memmove(staging.data(), staging.data() + offset, filled - offset);
    filled -= offset;
  }
  if (rows == 0) throw TDeviceStatusError(SANE_STATUS_IO_ERROR);
  if (rows < page.Bitmap.Height()) page.Bitmap = FirstRows(page.Bitmap, rows);

  // The page holds 8-bit samples whatever depth the device sent, except for line art.
  page.Params.BitsPerSample = format == pf1Bit ? 1 : 8;
  page.Params.SamplesPerPixel = p.format == SANE_FRAME_RGB ? 3 : 1;
  page.Params.DpiX = dpiX;
  page.Params.DpiY = dpiY;
  return page;
}

}  // namespace quorvane
