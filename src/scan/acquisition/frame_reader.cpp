#include "scan/acquisition/frame_reader.h"

#include <cstring>
#include <vector>

namespace quorvane {
namespace {

constexpr std::size_t kReadChunk = 256 * 1024;

std::vector<std::uint8_t> ReadAllBytes(TScanDevice& device, const SANE_Parameters& p) {
  std::vector<std::uint8_t> bytes;
  if (p.lines > 0) bytes.reserve(static_cast<std::size_t>(p.bytes_per_line) * static_cast<std::size_t>(p.lines));
  std::size_t used = 0;
  for (;;) {
    if (bytes.size() < used + kReadChunk) bytes.resize(used + kReadChunk);
    const std::optional<std::size_t> length = device.Read(bytes.data() + used, kReadChunk);
    if (!length) break;
    used += *length;
  }
  bytes.resize(used);
  return bytes;
}

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
  for (int x = 0; x < width; ++x) {
    const std::uint8_t v = Sample(src, x, depth);
    dst[3 * x] = dst[3 * x + 1] = dst[3 * x + 2] = v;
  }
}

void ColourRow(const std::uint8_t* src, std::uint8_t* dst, int width, int depth) {
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

}  // namespace

TPage ReadFrame(TScanDevice& device, int dpiX, int dpiY) {
  const SANE_Parameters p = device.Parameters();
  if (!IsSupported(p)) throw TDeviceStatusError(SANE_STATUS_UNSUPPORTED);
  const std::vector<std::uint8_t> bytes = ReadAllBytes(device, p);
  const auto bytesPerLine = static_cast<std::size_t>(p.bytes_per_line);
  std::size_t rows = bytes.size() / bytesPerLine;
  if (p.lines >= 0) rows = std::min(rows, static_cast<std::size_t>(p.lines));
  if (rows == 0) throw TDeviceStatusError(SANE_STATUS_IO_ERROR);

  const bool lineArt = p.format == SANE_FRAME_GRAY && p.depth == 1;
  TPage page;
  page.Bitmap = TPageBitmap(p.pixels_per_line, static_cast<int>(rows), lineArt ? pf1Bit : pf24RGB);
  for (int y = 0; y < page.Bitmap.Height(); ++y) {
    const std::uint8_t* src = bytes.data() + bytesPerLine * static_cast<std::size_t>(y);
    std::uint8_t* dst = page.Bitmap.Row(y);
    if (lineArt) LineArtRow(src, dst, page.Bitmap.UsedRowBytes());
    else if (p.format == SANE_FRAME_GRAY) GreyRow(src, dst, p.pixels_per_line, p.depth);
    else ColourRow(src, dst, p.pixels_per_line, p.depth);
  }
  // The page holds 8-bit samples whatever depth the device sent, except for line art.
  page.Params.BitsPerSample = lineArt ? 1 : 8;
  page.Params.SamplesPerPixel = p.format == SANE_FRAME_RGB ? 3 : 1;
  page.Params.DpiX = dpiX;
  page.Params.DpiY = dpiY;
  return page;
}

}  // namespace quorvane
