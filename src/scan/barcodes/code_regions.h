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

// Where on a page the decoder's whole-page search needs help, from one pass
// over the page's dark pixels in blocks.
struct TCodeRegions {
  // Compact, roughly square, about half-dark patches that may be a square
  // matrix code (Data Matrix, Aztec, MaxiCode). The decoder's detectors for
  // these search outwards from the middle of the image they get, so each
  // region is centred on its patch with room for the quiet zone.
  std::vector<TPageRegion> matrix;
  // Mostly dark areas: the only places a code printed light on dark can be,
  // since such a code needs a dark quiet zone around it.
  std::vector<TPageRegion> darkGround;
};

TCodeRegions FindCodeRegions(const TLuminanceImage& image);

}  // namespace quorvane
