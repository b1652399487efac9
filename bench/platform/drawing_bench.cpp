// Drawing: a full-screen fill on the canvas and on the drawing surface, and the copy of the
// drawing surface to the display.
#include <benchmark/benchmark.h>

#include <phone/ahi.h>
#include <phone/uis.h>

#include "canvas.h"
#include "display.h"
#include "platform.h"

namespace {

using phone::platform;

void reportPixels(benchmark::State& state, uint64_t before) {
  const double pixels = double(platform().display().pixelsWritten() - before);
  state.counters["pixels/s"] = benchmark::Counter(pixels, benchmark::Counter::kIsRate);
}

void BM_CanvasFullScreenFill(benchmark::State& state) {
  platform().reset();
  const UIS_DIALOG_T canvas = platform().canvas().create();
  UIS_CanvasSetFillColor(COLOR_T{0x78, 0x78, 0xFF, 0});
  const uint64_t before = platform().display().pixelsWritten();
  for (auto _ : state)
    UIS_CanvasFillRect(GRAPHIC_POINT(0, 0), GRAPHIC_POINT(175, 219), canvas);
  reportPixels(state, before);
}
BENCHMARK(BM_CanvasFullScreenFill);

struct Surface {
  AHIDEVCONTEXT_T ctx;
  AHISURFACE_T draw, disp = 0;
  Surface() : ctx(DAL_GetDeviceContext(0)), draw(DAL_GetDrawingSurface(0)) {
    AhiDispSurfGet(ctx, &disp);
    AhiDrawClipDstSet(ctx, nullptr);
    AhiDrawClipSrcSet(ctx, nullptr);
  }
};

void BM_SurfaceFullScreenFill(benchmark::State& state) {
  platform().reset();
  Surface s;
  AhiDrawSurfDstSet(s.ctx, s.draw, 0);
  AhiDrawBrushFgColorSet(s.ctx, 0x52AB);
  AhiDrawBrushSet(s.ctx, nullptr, nullptr, 0, 2);
  AhiDrawRopSet(s.ctx, AHIROP_PATCOPY);
  AHIRECT_T all{0, 0, 176, 220};
  for (auto _ : state) AhiDrawSpans(s.ctx, &all, 1, 0);
  state.counters["pixels/s"] =
      benchmark::Counter(double(state.iterations()) * 176 * 220, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SurfaceFullScreenFill);

void BM_SurfaceCopyToDisplay(benchmark::State& state) {
  platform().reset();
  Surface s;
  AhiDrawSurfSrcSet(s.ctx, s.draw, 0);
  AhiDrawSurfDstSet(s.ctx, s.disp, 0);
  AhiDrawRopSet(s.ctx, AHIROP_SRCCOPY);
  AHIRECT_T all{0, 0, 176, 220};
  AHIPOINT_T origin{0, 0};
  const uint64_t before = platform().display().pixelsWritten();
  for (auto _ : state) AhiDrawBitBlt(s.ctx, &all, &origin);
  reportPixels(state, before);
}
BENCHMARK(BM_SurfaceCopyToDisplay);

}  // namespace
