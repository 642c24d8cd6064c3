#pragma once

#include <string>
#include <vector>

#include "writers/common/page_bitmap.h"

namespace quorvane::testing {

enum class TFixtureColour { BlackWhite, Grey, Colour };

// A barcode drawn by zint onto a fixture page.
struct TFixtureCode {
  int symbology;         // zint's BARCODE_... number
  std::string text;
  double moduleMm = 0.4;  // width of the narrowest bar or of one matrix cell
  double angle = 0;       // degrees, counter-clockwise
  double centreXMm = 150;
  double centreYMm = 30;
  bool inverted = false;  // light code on a dark field
};

// A scanned-looking A4 page (or the top `heightMm` of one): paper tone and
// noise, a coloured letterhead, lines of text, a ruled table, and the codes.
// Black-and-white pages are thresholded as a scanner in line-art mode would.
TPageBitmap DrawDocumentPage(int dpi, TFixtureColour colour, const std::vector<TFixtureCode>& codes,
                             double heightMm = 297);

// A page with nothing on it but paper tone and scanner noise.
TPageBitmap DrawBlankPage(int dpi, TFixtureColour colour, double heightMm = 297);

}  // namespace quorvane::testing
