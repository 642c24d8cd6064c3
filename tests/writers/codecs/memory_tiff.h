#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace quorvane::codecs::fixtures {

// How libtiff is told to read or write one single-strip image.
struct TiffLayout {
  int width = 0;
  int height = 0;
  int samplesPerPixel = 1;
  int bitsPerSample = 1;
  std::uint16_t compression = 1;
  std::uint16_t photometric = 0;
  std::uint32_t t4Options = 0;
  std::uint16_t predictor = 1;

  std::size_t RowBytes() const { return (static_cast<std::size_t>(width) * samplesPerPixel * bitsPerSample + 7) / 8; }
};

// A TIFF file in memory around data some other coder made (one strip).
std::vector<std::uint8_t> WrapCoded(const TiffLayout& layout, const std::vector<std::uint8_t>& coded);

struct Decoded {
  std::vector<std::uint8_t> rows;
  std::string error;  // libtiff's last complaint, empty when it had none
};

// The rows of the file's first image as far as libtiff decodes them.
Decoded TryDecodeRows(const std::vector<std::uint8_t>& file);

// The rows of the file's first image, decoded by libtiff; throws with
// libtiff's message when it cannot decode them.
std::vector<std::uint8_t> DecodeRows(const std::vector<std::uint8_t>& file);

// Codes rows (RowBytes() each) with libtiff's own coder as one strip of a
// TIFF file whose bytes are only counted; returns the file's size. libtiff
// may change the rows (its predictor works in place).
std::size_t EncodeWithLibtiff(const TiffLayout& layout, std::uint8_t* rows);

}  // namespace quorvane::codecs::fixtures
