#pragma once

#include "profiles/memdata.h"

namespace quorvane {

// Adds a profile titled "Neuer Button" and posts it. In an empty table it gets
// the first profile's defaults; otherwise it copies the current profile's scan
// settings, folder, file-name pattern and scanner settings (null values as 0,
// false or empty), but not its colour, prefix text, batch, blank-page, barcode
// word and TIFF settings, and starts its counter at 0.
void InsertNewProfile(TMemData& table);

}  // namespace quorvane
