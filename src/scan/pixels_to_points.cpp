#include "pixels_to_points.h"

#include <cstdint>
#include <stdexcept>

namespace quorvane {

int PixelsToPoints(int pixels, int dpi) {
  if (dpi <= 0) throw std::invalid_argument("resolution must be greater than 0");
  const std::int64_t scaled = std::int64_t{pixels} * 72;
  std::int64_t quotient = scaled / dpi;
  std::int64_t twiceRest = 2 * (scaled % dpi);
  if (twiceRest < 0) {  // negative sizes round the same way, mirrored
    twiceRest = -twiceRest;
    if (twiceRest > dpi || (twiceRest == dpi && quotient % 2 != 0)) --quotient;
    return static_cast<int>(quotient);
  }
  if (twiceRest > dpi || (twiceRest == dpi && quotient % 2 != 0)) ++quotient;
  return static_cast<int>(quotient);
}

}  // namespace quorvane
