// Pixel rules shared by canvas and surface drawing.
#pragma once

#include <cstdlib>

namespace phone::raster {

// Every pixel of the segment from (x1, y1) to (x2, y2), both ends included (Bresenham); one
// pixel when the ends coincide. Straight lines cover exactly the columns or rows between.
template <typename Plot>
void line(long x1, long y1, long x2, long y2, Plot&& plot) {
  const long dx = std::labs(x2 - x1), dy = -std::labs(y2 - y1);
  const long sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
  long err = dx + dy;
  for (;;) {
    plot(x1, y1);
    if (x1 == x2 && y1 == y2) return;
    const long e2 = 2 * err;
    if (e2 >= dy) { err += dy; x1 += sx; }
    if (e2 <= dx) { err += dx; y1 += sy; }
  }
}

// A half-open box [x1, x2) x [y1, y2) cut to another; empty when x2 <= x1 or y2 <= y1.
struct Box {
  long x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  bool empty() const { return x2 <= x1 || y2 <= y1; }
  bool contains(long x, long y) const { return x >= x1 && x < x2 && y >= y1 && y < y2; }
  Box cut(const Box& o) const {
    return {x1 > o.x1 ? x1 : o.x1, y1 > o.y1 ? y1 : o.y1, x2 < o.x2 ? x2 : o.x2,
            y2 < o.y2 ? y2 : o.y2};
  }
};

}  // namespace phone::raster
