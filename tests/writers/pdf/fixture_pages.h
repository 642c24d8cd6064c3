#pragma once

#include "writers/common/page_bitmap.h"

namespace quorvane::test {

// A business letter as a scanner sees it: a logo, lines of words, a table
// grid and a signature stroke. 1-bit pages are black on white; 24-bit pages
// add a coloured logo, a grey band and a light paper tint.
TPageBitmap DrawLetterPage(int width, int height, TPagePixelFormat format);

}  // namespace quorvane::test
