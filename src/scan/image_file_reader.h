#pragma once

#include <QString>

#include <optional>

#include "writers/common/page.h"

namespace quorvane {

// The colour modes a scanner delivers pages in.
enum class TColourMode { BlackWhite, Grey, Colour };

// Resolution of a page read from a file that records none.
constexpr int kImageFileDefaultDpi = 300;

// Reads a PNG, JPEG, TIFF, BMP or PBM/PGM/PPM file (the first image of it)
// into a page as a scanner would deliver it in the mode: black and white as a
// 1-bit image (1/1), grey as a 24-bit image with equal samples (8/1), colour
// as a 24-bit image (8/3). Without a mode the image's own kind decides:
// 1-bit is black and white, grey is grey, anything else colour. Transparent
// pixels lie on white paper. The resolution is the file's own, else 300 dpi.
// Throws std::runtime_error naming the file when it cannot be read.
TPage ReadImageFile(const QString& path, std::optional<TColourMode> mode = std::nullopt);

}  // namespace quorvane
