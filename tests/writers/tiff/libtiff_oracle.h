#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quorvane::testing {

// One page as libtiff decodes it: the tags that matter and the decoded rows.
struct TDecodedPage {
  std::uint32_t width = 0, height = 0;
  std::uint16_t bitsPerSample = 0, samplesPerPixel = 0, photometric = 0, compression = 0;
  std::uint16_t predictor = 1;  // 1 when the tag is absent
  bool hasPredictorTag = false;
  std::uint32_t rowsPerStrip = 0;
  std::uint32_t strips = 0;
  float xResolution = -1, yResolution = -1;
  std::uint16_t resolutionUnit = 0;
  std::vector<std::uint16_t> colorMap;  // reds, greens, blues
  std::vector<std::vector<std::uint8_t>> rows;
};

// Decodes every directory of the TIFF with libtiff; fails the test on any libtiff error.
std::vector<TDecodedPage> DecodeWithLibtiff(const std::vector<std::uint8_t>& bytes);
std::vector<TDecodedPage> DecodeFileWithLibtiff(const std::string& path);

}  // namespace quorvane::testing
