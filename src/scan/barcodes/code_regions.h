#pragma once

#include <vector>

#include "scan/barcodes/page_luminance.h"

namespace quorvane {

struct TPageRegion {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// Places on a page that may hold a square matrix code (Data Matrix, Aztec,
// MaxiCode): compact, roughly square patches about half dark. The decoder's
// detectors for these symbologies search outwards from the middle of the image
// they get, so each region is centred on its patch, with room for its quiet zone.
std::vector<TPageRegion> MatrixCodeRegions(const TLuminanceImage& image);

}  // namespace quorvane
