#include "ahi.h"

#include <algorithm>
#include <cmath>

#include <phone/ahi.h>

#include "platform.h"

namespace phone {

namespace {

// Applies the ternary raster operation bit by bit: bit i of the operation is the result for
// brush, source and destination bits (P << 2 | S << 1 | D) == i.
uint16_t applyRop(uint32_t rop, uint16_t p, uint16_t s, uint16_t d) {
  switch (rop & 0xFF) {
    case 0xF0: return p;
    case 0xCC: return s;
    case 0xAA: return d;
    default: break;
  }
  uint16_t out = 0;
  for (int i = 0; i < 8; ++i) {
    if (!(rop >> i & 1)) continue;
    out |= (i & 4 ? p : ~p) & (i & 2 ? s : ~s) & (i & 1 ? d : ~d);
  }
  return out;
}

bool ropReadsSource(uint32_t rop) { return ((rop >> 2 ^ rop) & 0x33) != 0; }
bool ropReadsDest(uint32_t rop) { return ((rop >> 1 ^ rop) & 0x55) != 0; }

const raster::Box kScreen{0, 0, Ahi::kWidth, Ahi::kHeight};

raster::Box box(const AHIRECT_T& r) { return {r.x1, r.y1, r.x2, r.y2}; }

}  // namespace

// One surface as 5-6-5 pixels: the drawing surface itself, or the display widened and narrowed.
class Ahi::Target {
 public:
  Target(uint32_t id, std::vector<uint16_t>& drawing, Display& display)
      : drawing_(id == kDrawingSurface ? &drawing : nullptr),
        display_(id == kDisplaySurface ? &display : nullptr) {}
  explicit operator bool() const { return drawing_ || display_; }

  uint16_t get(long x, long y) const {
    return drawing_ ? (*drawing_)[y * kWidth + x] : narrow565(display_->pixel(x, y));
  }
  void put(long x, long y, uint16_t c) {
    if (drawing_)
      (*drawing_)[y * kWidth + x] = c;
    else
      display_->set(x, y, widen565(c));
  }

 private:
  std::vector<uint16_t>* drawing_;
  Display* display_;
};

void Ahi::reset() {
  contexts_.clear();
  drawing_.assign(static_cast<size_t>(kWidth) * kHeight, 0);
}

uint32_t Ahi::deviceContext(uint32_t device) {
  if (device != 0) return 0;
  contexts_.try_emplace(kFirstContext);
  return kFirstContext;
}

Ahi::Context* Ahi::context(uint32_t id) {
  auto it = contexts_.find(id);
  return it == contexts_.end() ? nullptr : &it->second;
}

const Ahi::Context* Ahi::context(uint32_t id) const {
  auto it = contexts_.find(id);
  return it == contexts_.end() ? nullptr : &it->second;
}

bool Ahi::lines(uint32_t ctx, std::span<const AHIPOINT_T> points, Display& display) {
  const Context* c = context(ctx);
  if (!c) return false;
  Target dst(c->dst, drawing_, display);
  if (!dst) return false;
  const raster::Box area = c->clipDst ? kScreen.cut(*c->clipDst) : kScreen;
  auto plot = [&](long x, long y) {
    if (area.contains(x, y)) dst.put(x, y, applyRop(c->rop, c->brush, c->brush, dst.get(x, y)));
  };
  // Shapes have no source: the brush stands in for it, so a source copy draws the brush too.
  if (points.size() == 1) plot(points[0].x, points[0].y);
  for (size_t i = 1; i < points.size(); ++i) {
    long x1 = points[i - 1].x, y1 = points[i - 1].y, x2 = points[i].x, y2 = points[i].y;
    // Far-away ends are first brought near the screen, so a wild segment costs little.
    constexpr long kFar = 1 << 16;
    auto far = [](long v) { return v < -kFar || v > kFar; };
    if (far(x1) || far(y1) || far(x2) || far(y2)) {
      double t0 = 0, t1 = 1;
      const double dx = double(x2) - x1, dy = double(y2) - y1;
      const double p[4] = {-dx, dx, -dy, dy};
      const double q[4] = {x1 + double(kFar), kFar - double(x1), y1 + double(kFar),
                           kFar - double(y1)};
      bool outside = false;
      for (int k = 0; k < 4 && !outside; ++k) {
        if (p[k] == 0) {
          outside = q[k] < 0;
        } else {
          const double t = q[k] / p[k];
          if (p[k] < 0) t0 = std::max(t0, t); else t1 = std::min(t1, t);
          outside = t0 > t1;
        }
      }
      if (outside) continue;
      const long nx1 = std::lround(x1 + t0 * dx), ny1 = std::lround(y1 + t0 * dy);
      x2 = std::lround(x1 + t1 * dx);
      y2 = std::lround(y1 + t1 * dy);
      x1 = nx1;
      y1 = ny1;
    }
    raster::line(x1, y1, x2, y2, plot);
  }
  return true;
}

bool Ahi::spans(uint32_t ctx, std::span<const AHIRECT_T> rects, Display& display) {
  const Context* c = context(ctx);
  if (!c) return false;
  Target dst(c->dst, drawing_, display);
  if (!dst) return false;
  const raster::Box area = c->clipDst ? kScreen.cut(*c->clipDst) : kScreen;
  for (const AHIRECT_T& r : rects) {
    const raster::Box b = box(r).cut(area);
    for (long y = b.y1; y < b.y2; ++y)
      for (long x = b.x1; x < b.x2; ++x)
        dst.put(x, y, applyRop(c->rop, c->brush, c->brush, dst.get(x, y)));
  }
  return true;
}

bool Ahi::bitBlt(uint32_t ctx, const AHIRECT_T& to, AHIPOINT_T from, Display& display) {
  const Context* c = context(ctx);
  if (!c) return false;
  Target dst(c->dst, drawing_, display);
  if (!dst) return false;
  const bool readsSource = ropReadsSource(c->rop);
  const bool readsDest = ropReadsDest(c->rop);
  Target src(c->src, drawing_, display);
  if (readsSource && !src) return false;

  const raster::Box area = box(to).cut(c->clipDst ? kScreen.cut(*c->clipDst) : kScreen);
  if (area.empty()) return true;
  const raster::Box srcArea = c->clipSrc ? kScreen.cut(*c->clipSrc) : kScreen;
  const long dx = long(from.x) - to.x1, dy = long(from.y) - to.y1;

  // The copy of the finished drawing surface to the display, once per screen: straight through.
  if ((c->rop & 0xFF) == (AHIROP_SRCCOPY & 0xFF) && c->src == kDrawingSurface &&
      c->dst == kDisplaySurface) {
    const raster::Box b = area.cut({srcArea.x1 - dx, srcArea.y1 - dy, srcArea.x2 - dx,
                                    srcArea.y2 - dy});
    for (long y = b.y1; y < b.y2; ++y) {
      const uint16_t* row = &drawing_[(y + dy) * kWidth];
      for (long x = b.x1; x < b.x2; ++x) display.set(int(x), int(y), widen565(row[x + dx]));
    }
    return true;
  }

  // A copy within one surface reads the source as it was before the copy.
  std::vector<uint16_t> before;
  if (readsSource && c->src == c->dst) {
    before.resize(static_cast<size_t>(kWidth) * kHeight);
    for (long y = 0; y < kHeight; ++y)
      for (long x = 0; x < kWidth; ++x) before[y * kWidth + x] = src.get(x, y);
  }
  for (long y = area.y1; y < area.y2; ++y) {
    for (long x = area.x1; x < area.x2; ++x) {
      uint16_t s = 0;
      if (readsSource) {
        const long sx = x + dx, sy = y + dy;
        if (!srcArea.contains(sx, sy)) continue;  // nothing to copy from there
        s = before.empty() ? src.get(sx, sy) : before[sy * kWidth + sx];
      }
      dst.put(x, y, applyRop(c->rop, c->brush, s, readsDest ? dst.get(x, y) : 0));
    }
  }
  return true;
}

bool Ahi::chars(uint32_t ctx, AHIPOINT_T at, std::span<const AHICHAR_T> chars,
                Display& display) {
  const Context* c = context(ctx);
  if (!c) return false;
  Target dst(c->dst, drawing_, display);
  if (!dst) return false;
  const raster::Box area = c->clipDst ? kScreen.cut(*c->clipDst) : kScreen;
  long cellX = at.x;
  for (const AHICHAR_T& ch : chars) {
    if (ch.bits) {
      // Pixel (col, row) is bit width * row + col of the stream, most significant bit first.
      for (long row = 0; row < ch.height; ++row) {
        for (long col = 0; col < ch.width; ++col) {
          const long n = row * ch.width + col;
          if (!(ch.bits[n / 8] & (0x80 >> (n % 8)))) continue;
          const long x = cellX + col, y = long(at.y) + row;
          if (area.contains(x, y))
            dst.put(x, y, applyRop(c->rop, c->brush, c->foreground, dst.get(x, y)));
        }
      }
    }
    cellX += ch.step;
  }
  return true;
}

}  // namespace phone

namespace {

phone::Platform& P() { return phone::platform(); }
phone::Ahi& ahi() { return P().ahi(); }

UINT32 result(bool ok) { return ok ? 0 : 1; }

std::optional<phone::raster::Box> clipOf(const AHIRECT_T* r) {
  if (!r) return std::nullopt;
  return phone::raster::Box{r->x1, r->y1, r->x2, r->y2};
}

void recordClip(const char* name, AHIDEVCONTEXT_T ctx, const AHIRECT_T* r) {
  if (r)
    P().trace().record(name, {ctx, r->x1, r->y1, r->x2, r->y2});
  else
    P().trace().record(name, {ctx, 0});
}

}  // namespace

extern "C" {

AHIDEVCONTEXT_T DAL_GetDeviceContext(UINT32 device) {
  P().trace().record("DAL_GetDeviceContext", {device});
  return ahi().deviceContext(device);
}

AHISURFACE_T DAL_GetDrawingSurface(UINT32 device) {
  P().trace().record("DAL_GetDrawingSurface", {device});
  return ahi().drawingSurface(device);
}

UINT32 AhiDispSurfGet(AHIDEVCONTEXT_T ctx, AHISURFACE_T* surface) {
  const bool ok = ahi().context(ctx) && surface;
  if (ok) *surface = phone::Ahi::kDisplaySurface;
  P().trace().record("AhiDispSurfGet", {ctx, ok ? phone::Ahi::kDisplaySurface : 0});
  return result(ok);
}

UINT32 AhiDrawSurfDstSet(AHIDEVCONTEXT_T ctx, AHISURFACE_T surface, UINT32 flags) {
  P().trace().record("AhiDrawSurfDstSet", {ctx, surface, flags});
  auto* c = ahi().context(ctx);
  if (!c) return 1;
  c->dst = surface;  // an unknown surface is kept: drawing then does nothing
  return result(phone::Ahi::validSurface(surface));
}

UINT32 AhiDrawSurfSrcSet(AHIDEVCONTEXT_T ctx, AHISURFACE_T surface, UINT32 flags) {
  P().trace().record("AhiDrawSurfSrcSet", {ctx, surface, flags});
  auto* c = ahi().context(ctx);
  if (!c) return 1;
  c->src = surface;
  return result(phone::Ahi::validSurface(surface));
}

UINT32 AhiDrawClipDstSet(AHIDEVCONTEXT_T ctx, AHIRECT_T* clip) {
  recordClip("AhiDrawClipDstSet", ctx, clip);
  auto* c = ahi().context(ctx);
  if (!c) return 1;
  c->clipDst = clipOf(clip);
  return 0;
}

UINT32 AhiDrawClipSrcSet(AHIDEVCONTEXT_T ctx, AHIRECT_T* clip) {
  recordClip("AhiDrawClipSrcSet", ctx, clip);
  auto* c = ahi().context(ctx);
  if (!c) return 1;
  c->clipSrc = clipOf(clip);
  return 0;
}

UINT32 AhiDrawRopSet(AHIDEVCONTEXT_T ctx, UINT32 rop) {
  P().trace().record("AhiDrawRopSet", {ctx, rop});
  auto* c = ahi().context(ctx);
  if (!c) return 1;
  c->rop = rop;
  return 0;
}

UINT32 AhiDrawBrushSet(AHIDEVCONTEXT_T ctx, void* pattern, void* offset, UINT32 bk_colour,
                       UINT32 flags) {
  // The brush is always solid in the brush colour; a pattern is not drawn.
  P().trace().record("AhiDrawBrushSet",
                     {ctx, pattern ? 1 : 0, offset ? 1 : 0, bk_colour, flags});
  return result(ahi().context(ctx) != nullptr);
}

UINT32 AhiDrawBrushFgColorSet(AHIDEVCONTEXT_T ctx, UINT32 colour) {
  P().trace().record("AhiDrawBrushFgColorSet", {ctx, colour});
  auto* c = ahi().context(ctx);
  if (!c) return 1;
  c->brush = static_cast<uint16_t>(colour);
  return 0;
}

UINT32 AhiDrawFgColorSet(AHIDEVCONTEXT_T ctx, UINT32 colour) {
  P().trace().record("AhiDrawFgColorSet", {ctx, colour});
  auto* c = ahi().context(ctx);
  if (!c) return 1;
  c->foreground = static_cast<uint16_t>(colour);
  return 0;
}

UINT32 AhiDrawLines(AHIDEVCONTEXT_T ctx, AHIPOINT_T* points, UINT32 count, UINT32 flags) {
  if (!points) count = 0;
  if (P().trace().enabled()) {
    phone::TraceCall call{"AhiDrawLines", {ctx}};
    for (UINT32 i = 0; i < count; ++i) {
      call.args.push_back(points[i].x);
      call.args.push_back(points[i].y);
    }
    call.args.push_back(count);
    call.args.push_back(flags);
    P().trace().record(call);
  }
  return result(ahi().lines(ctx, {points, count}, P().display()));
}

UINT32 AhiDrawSpans(AHIDEVCONTEXT_T ctx, AHIRECT_T* rects, UINT32 count, UINT32 flags) {
  if (!rects) count = 0;
  if (P().trace().enabled()) {
    phone::TraceCall call{"AhiDrawSpans", {ctx}};
    for (UINT32 i = 0; i < count; ++i)
      call.args.insert(call.args.end(), {rects[i].x1, rects[i].y1, rects[i].x2, rects[i].y2});
    call.args.push_back(count);
    call.args.push_back(flags);
    P().trace().record(call);
  }
  return result(ahi().spans(ctx, {rects, count}, P().display()));
}

UINT32 AhiDrawBitBlt(AHIDEVCONTEXT_T ctx, AHIRECT_T* dst_rect, AHIPOINT_T* src_point) {
  if (!dst_rect || !src_point) {
    P().trace().record("AhiDrawBitBlt", {ctx, 0});
    return 1;
  }
  P().trace().record("AhiDrawBitBlt", {ctx, dst_rect->x1, dst_rect->y1, dst_rect->x2,
                                       dst_rect->y2, src_point->x, src_point->y});
  return result(ahi().bitBlt(ctx, *dst_rect, *src_point, P().display()));
}

UINT32 AhiDrawChar(AHIDEVCONTEXT_T ctx, AHIPOINT_T point, AHICHAR_T* chars, UINT32 count,
                   UINT32 flags) {
  if (!chars) count = 0;
  P().trace().record("AhiDrawChar", {ctx, point.x, point.y, count, flags});
  return result(ahi().chars(ctx, point, {chars, count}, P().display()));
}

}  // extern "C"
