#pragma once

#include "writers/common/page.h"

namespace quorvane::testing {

enum class TPageKind { BlackWhite, Grey, Colour };

// A page that looks like a scanned letter: a logo, lines of text, a table.
// Drawn, not random, so that coders see the runs and repeats of real documents.
// Parameters as acquisition sets them (1/1, 8/1, 8/3) at the given resolution.
TPage MakeDocumentPage(int width, int height, TPageKind kind, int dpi = 300);

}  // namespace quorvane::testing
