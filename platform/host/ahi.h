// Surface drawing: a 5-6-5 off-screen drawing surface, the display as the display surface,
// and the drawing contexts that name them.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <vector>

#include <phone/ahi.h>

#include "display.h"
#include "raster.h"

namespace phone {

class Ahi {
 public:
  static constexpr int kWidth = Display::kWidth;
  static constexpr int kHeight = Display::kHeight;
  // Handles: ids apart from those of the other tables.
  static constexpr uint32_t kDrawingSurface = 0x5D000001;
  static constexpr uint32_t kDisplaySurface = 0x5D000002;
  static constexpr uint32_t kFirstContext = 0xDC000001;

  // Raster operations: the low byte is the ternary operation on brush (P), source (S) and
  // destination (D) bits, applied bit by bit to 5-6-5 values (0xF0 = P, 0xCC = S, 0xAA = D).
  static constexpr uint32_t kRopBrush = 0xF0F0;
  static constexpr uint32_t kRopSource = 0xCCCC;

  struct Context {
    uint32_t dst = kDisplaySurface;  // a fresh context draws on the display
    uint32_t src = 0;
    std::optional<raster::Box> clipDst, clipSrc;  // none: the whole surface
    uint32_t rop = kRopSource;
    uint16_t brush = 0;       // shape colour: lines and spans
    uint16_t foreground = 0;  // text colour: AhiDrawChar
  };

  Ahi() { reset(); }
  // Back to a phone just switched on: no context, a black drawing surface.
  void reset();

  // Device 0 is the only device: its context (made on first request), its drawing surface.
  uint32_t deviceContext(uint32_t device);
  uint32_t drawingSurface(uint32_t device) const { return device == 0 ? kDrawingSurface : 0; }
  Context* context(uint32_t id);
  const Context* context(uint32_t id) const;
  static bool validSurface(uint32_t id) { return id == kDrawingSurface || id == kDisplaySurface; }

  // A pixel of the drawing surface (5-6-5).
  uint16_t drawingPixel(int x, int y) const { return drawing_[y * kWidth + x]; }

  // Drawing; each returns false and draws nothing when a handle is zero or unknown.
  // Lines: a polyline through the points, both ends of every segment (one point: one pixel).
  bool lines(uint32_t ctx, std::span<const AHIPOINT_T> points, Display& display);
  // Spans: each rectangle in one-past-the-end form, in the brush colour.
  bool spans(uint32_t ctx, std::span<const AHIRECT_T> rects, Display& display);
  // The source surface from `from` onwards onto the destination rectangle `dst`.
  bool bitBlt(uint32_t ctx, const AHIRECT_T& dst, AHIPOINT_T from, Display& display);
  // Characters from their descriptors, the first cell at `at`, each next one `step` further
  // right; only the 1 bits are painted, in the text colour.
  bool chars(uint32_t ctx, AHIPOINT_T at, std::span<const AHICHAR_T> chars, Display& display);

 private:
  class Target;
  std::map<uint32_t, Context> contexts_;
  std::vector<uint16_t> drawing_;
};

}  // namespace phone
