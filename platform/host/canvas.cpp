#include "canvas.h"

#include <algorithm>

#include <phone/uis.h>

#include "platform.h"
#include "raster.h"

namespace phone {

void Canvas::reset() { *this = Canvas{}; }

uint32_t Canvas::create() {
  const uint32_t id = next_++;
  live_.insert(id);
  return id;
}

bool Canvas::destroy(uint32_t id) { return live_.erase(id) != 0; }

void Canvas::drawLine(uint32_t id, int x1, int y1, int x2, int y2, Display& display) const {
  if (!valid(id)) return;
  raster::line(x1, y1, x2, y2, [&](long x, long y) { display.set(x, y, foreground_); });
}

void Canvas::drawRect(uint32_t id, int x1, int y1, int x2, int y2, Display& display) const {
  if (!valid(id)) return;
  drawLine(id, x1, y1, x2, y1, display);
  drawLine(id, x2, y1, x2, y2, display);
  drawLine(id, x2, y2, x1, y2, display);
  drawLine(id, x1, y2, x1, y1, display);
}

void Canvas::fillRect(uint32_t id, int x1, int y1, int x2, int y2, Display& display) const {
  if (!valid(id)) return;
  // Corner to corner inclusive, whichever way round the corners are given; cut to the screen.
  const int left = std::max(std::min(x1, x2), 0);
  const int right = std::min(std::max(x1, x2), Display::kWidth - 1);
  const int top = std::max(std::min(y1, y2), 0);
  const int bottom = std::min(std::max(y1, y2), Display::kHeight - 1);
  for (int y = top; y <= bottom; ++y)
    for (int x = left; x <= right; ++x) display.set(x, y, fill_);
}

}  // namespace phone

namespace {

// A point word: x in the upper 16 bits, y in the lower 16 bits, both signed.
int pointX(GRAPHIC_POINT_T p) { return static_cast<int16_t>(p >> 16); }
int pointY(GRAPHIC_POINT_T p) { return static_cast<int16_t>(p & 0xFFFF); }

phone::Rgb rgb(COLOR_T c) { return {c.red, c.green, c.blue}; }

}  // namespace

extern "C" {

UINT32 UIS_CanvasSetForegroundColor(COLOR_T colour) {
  auto& p = phone::platform();
  p.trace().record("UIS_CanvasSetForegroundColor",
                   {colour.red, colour.green, colour.blue, colour.transparent});
  p.canvas().setForeground(rgb(colour));
  return 0;
}

UINT32 UIS_CanvasSetFillColor(COLOR_T colour) {
  auto& p = phone::platform();
  p.trace().record("UIS_CanvasSetFillColor",
                   {colour.red, colour.green, colour.blue, colour.transparent});
  p.canvas().setFill(rgb(colour));
  return 0;
}

UINT32 UIS_CanvasDrawLine(GRAPHIC_POINT_T from, GRAPHIC_POINT_T to, UIS_DIALOG_T canvas) {
  auto& p = phone::platform();
  p.trace().record("UIS_CanvasDrawLine",
                   {pointX(from), pointY(from), pointX(to), pointY(to), canvas});
  p.canvas().drawLine(canvas, pointX(from), pointY(from), pointX(to), pointY(to), p.display());
  return p.canvas().valid(canvas) ? 0 : 1;
}

UINT32 UIS_CanvasDrawRect(GRAPHIC_POINT_T corner1, GRAPHIC_POINT_T corner2, UINT32 reserved,
                          UIS_DIALOG_T canvas) {
  auto& p = phone::platform();
  p.trace().record("UIS_CanvasDrawRect", {pointX(corner1), pointY(corner1), pointX(corner2),
                                          pointY(corner2), reserved, canvas});
  p.canvas().drawRect(canvas, pointX(corner1), pointY(corner1), pointX(corner2),
                      pointY(corner2), p.display());
  return p.canvas().valid(canvas) ? 0 : 1;
}

UINT32 UIS_CanvasFillRect(GRAPHIC_POINT_T corner1, GRAPHIC_POINT_T corner2, UIS_DIALOG_T canvas) {
  auto& p = phone::platform();
  p.trace().record("UIS_CanvasFillRect",
                   {pointX(corner1), pointY(corner1), pointX(corner2), pointY(corner2), canvas});
  p.canvas().fillRect(canvas, pointX(corner1), pointY(corner1), pointX(corner2),
                      pointY(corner2), p.display());
  return p.canvas().valid(canvas) ? 0 : 1;
}

}  // extern "C"
