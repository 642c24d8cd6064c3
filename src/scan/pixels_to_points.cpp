#include "pixels_to_points.h"

#include <cstdint>
#include <stdexcept>

namespace quorvane {

int PixelsToPoints(int pixels, int dpi) {
  if (dpi <= 0) throw std::invalid_argument("resolution must be greater than 0");
  if (pixels < 0) return -PixelsToPoints(-pixels, dpi);
  const std::int64_t scaled = std::int64_t{pixels} * 72;
  std::int64_t points = scaled / dpi;
  const std::int64_t twiceRest = 2 * (scaled % dpi);
  if (twiceRest > dpi || (twiceRest == dpi && points % 2 != 0)) ++points;
  return static_cast<int>(points);
}

}  // namespace quorvane
