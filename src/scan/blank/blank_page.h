#pragma once

#include "writers/common/page_bitmap.h"

namespace quorvane {

// Share of a page's pixels that carry its majority colour once the page is
// reduced to pure black and white (0.5 .. 1); -1 for a page without pixels.
// A pixel is white when its luminance (R*21 + G*71 + B*8) div 100 is at least
// 124; a tie between white and black counts as white.
double MajorityColourShare(const TPageView& page);

// A page is blank when the share of pixels differing from its majority colour
// is at most the tolerance (0.005 = 0.5 % of the page).
bool IsBlankPage(const TPageView& page, double tolerance);

}  // namespace quorvane
