#pragma once

namespace quorvane {

// pixels × 72 / dpi to the nearest whole point, an exact half to the even
// neighbour. dpi must be greater than 0.
int PixelsToPoints(int pixels, int dpi);

}  // namespace quorvane
