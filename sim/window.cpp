// The window front-end: the display at a whole-pixel zoom, the phone's keys on the keyboard,
// the clock in real time.
#include <SDL.h>

#include <chrono>
#include <ctime>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "display.h"
#include "editor.h"
#include "framework.h"
#include "platform.h"
#include "run.h"

namespace phone::sim {

namespace {

constexpr int W = Display::kWidth, H = Display::kHeight;
constexpr int kMinScale = 1, kMaxScale = 16;
// Held joystick keys repeat as the phone's do: after a pause, then steadily.
constexpr uint64_t kRepeatDelayMs = 500, kRepeatPeriodMs = 150;
// The character editor's cursor: on, then off, this long each.
constexpr uint64_t kBlinkMs = 500;

struct SdlDeleter {
  void operator()(SDL_Window* w) const { SDL_DestroyWindow(w); }
  void operator()(SDL_Renderer* r) const { SDL_DestroyRenderer(r); }
  void operator()(SDL_Texture* t) const { SDL_DestroyTexture(t); }
};
template <typename T>
using SdlPtr = std::unique_ptr<T, SdlDeleter>;

// SDL_Init and SDL_Quit for the life of the window.
struct SdlSession {
  bool ok = SDL_Init(SDL_INIT_VIDEO) == 0;
  ~SdlSession() { SDL_Quit(); }
};

// The phone key of a window key, or 0.
uint8_t phoneKey(SDL_Keycode key) {
  switch (key) {
    case SDLK_UP: return 0x2C;
    case SDLK_DOWN: return 0x2D;
    case SDLK_LEFT: return 0x2E;
    case SDLK_RIGHT: return 0x2F;
    case SDLK_RETURN: case SDLK_KP_ENTER: return 0x3D;
    case SDLK_F1: return 0x0E;
    case SDLK_F2: return 0x0F;
    case SDLK_ESCAPE: return 0x11;
    case SDLK_l: return 0x0A;
    default: return 0;
  }
}

bool repeats(uint8_t code) { return code >= 0x2C && code <= 0x2F; }

// A free name "phone-YYYYMMDD-HHMMSS[-N].png" in the current directory.
std::filesystem::path screenshotName() {
  const std::time_t now = std::time(nullptr);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", std::localtime(&now));
  std::filesystem::path name = std::string("phone-") + stamp + ".png";
  for (int n = 2; std::filesystem::exists(name); ++n)
    name = std::string("phone-") + stamp + "-" + std::to_string(n) + ".png";
  return name;
}

class Window {
 public:
  explicit Window(const RunOptions& options) : options_(options), scale_(options.scale) {}

  int run() {
    if (!sdl_.ok) return fail(std::string("cannot open a window: ") + SDL_GetError());
    window_.reset(SDL_CreateWindow("phone", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                   W * scale_, H * scale_, 0));
    if (!window_) return fail(std::string("cannot open a window: ") + SDL_GetError());
    updateTitle();
    // Without a screen (the offscreen and dummy drivers of CI) the software renderer does, and
    // keeps the GL stack out of the run.
    const std::string driver = SDL_GetCurrentVideoDriver() ? SDL_GetCurrentVideoDriver() : "";
    if (driver != "offscreen" && driver != "dummy")
      renderer_.reset(SDL_CreateRenderer(window_.get(), -1, 0));
    if (!renderer_) renderer_.reset(SDL_CreateRenderer(window_.get(), -1, SDL_RENDERER_SOFTWARE));
    if (!renderer_) return fail(std::string("cannot draw in the window: ") + SDL_GetError());
    texture_.reset(SDL_CreateTexture(renderer_.get(), SDL_PIXELFORMAT_RGB24,
                                     SDL_TEXTUREACCESS_STREAMING, W, H));
    if (!texture_) return fail(std::string("cannot draw in the window: ") + SDL_GetError());
    SDL_StartTextInput();

    Platform& platform = phone::platform();
    Framework& framework = platform.framework();
    ScriptRunner runner(
        platform, [&](uint32_t ms) { waitUntil_ = SDL_GetTicks64() + ms; },
        [](const std::string& note) { std::cerr << "phone: " << note << "\n"; }, &view_);
    size_t next = 0;
    uint64_t last = SDL_GetTicks64();
    bool closed = false;

    while (framework.running() && !closed) {
      SDL_Event event;
      while (SDL_PollEvent(&event)) {
        if (event.type == SDL_QUIT) closed = true;
        else handle(event);
        if (!framework.running()) break;
      }
      if (closed || !framework.running()) break;

      // The clock runs in real time.
      const uint64_t now = SDL_GetTicks64();
      if (now > last) framework.advance(static_cast<uint32_t>(now - last));
      last = now;
      if (held_ && now >= nextRepeat_ && framework.running() && !platform.editor().isOpen()) {
        framework.pressKey(held_);
        nextRepeat_ = now + kRepeatPeriodMs;
      }

      // One script command a frame, so that each step is seen.
      if (next < options_.commands.size() && now >= waitUntil_ && framework.running()) {
        try {
          runner.run(options_.commands[next++]);
        } catch (const std::exception& e) {
          const Command& c = options_.commands[next - 1];
          return fail(c.source + ", line " + std::to_string(c.line) + ": " + e.what());
        }
      }
      present();
      SDL_Delay(10);
    }

    present();
    if (options_.screenshot && !writeScreenshot(*options_.screenshot, view_)) return kExitFailure;
    // Closing the window closes the program as the phone would.
    if (framework.running()) framework.destroy();
    return kExitOk;
  }

 private:
  static int fail(const std::string& message) {
    std::cerr << "phone: " << message << "\n";
    return kExitFailure;
  }

  void handle(const SDL_Event& event) {
    Platform& platform = phone::platform();
    if (event.type == SDL_KEYUP) {
      if (phoneKey(event.key.keysym.sym) == held_) held_ = 0;
      return;
    }
    if (platform.editor().isOpen()) return handleEditor(event);
    if (event.type != SDL_KEYDOWN || event.key.repeat) return;
    const SDL_Keycode key = event.key.keysym.sym;
    switch (key) {
      case SDLK_PLUS: case SDLK_EQUALS: case SDLK_KP_PLUS: return zoom(+1);
      case SDLK_MINUS: case SDLK_KP_MINUS: return zoom(-1);
      case SDLK_F12: return screenshot();
      default: break;
    }
    const uint8_t code = phoneKey(key);
    if (!code) return;
    platform.framework().pressKey(code);
    if (repeats(code)) {
      held_ = code;
      nextRepeat_ = SDL_GetTicks64() + kRepeatDelayMs;
    }
  }

  // The character editor has the keyboard: typed text goes in at the cursor (so + and - are
  // text here, not zoom), the editing keys repeat as the host's keyboard does, Enter or F2
  // (the right soft key) confirms, Esc goes back; F1 does nothing.
  void handleEditor(const SDL_Event& event) {
    Editor& editor = phone::platform().editor();
    held_ = 0;
    if (event.type == SDL_TEXTINPUT) {
      std::u16string text;
      try {
        text = utf16(event.text.text);
      } catch (const std::invalid_argument&) {
        return;
      }
      // The line holds no control characters.
      std::erase_if(text, [](char16_t u) { return u < 0x20 || u == 0x7F; });
      editor.insert(text);
      return restartBlink();
    }
    if (event.type != SDL_KEYDOWN) return;
    const SDL_Keycode key = event.key.keysym.sym;
    const bool repeat = event.key.repeat != 0;
    switch (key) {
      case SDLK_BACKSPACE: editor.backspace(); break;
      case SDLK_DELETE: editor.del(); break;
      case SDLK_LEFT: editor.left(); break;
      case SDLK_RIGHT: editor.right(); break;
      case SDLK_HOME: editor.home(); break;
      case SDLK_END: editor.end(); break;
      case SDLK_RETURN: case SDLK_KP_ENTER: case SDLK_F2:
        if (!repeat) editor.ok();
        break;
      case SDLK_ESCAPE:
        if (!repeat) editor.back();
        break;
      case SDLK_F12:
        if (!repeat) screenshot();
        break;
      default: return;
    }
    restartBlink();
  }

  // The cursor shows at once after each key, then blinks.
  void restartBlink() { blinkStart_ = SDL_GetTicks64(); }
  bool cursorShown() const { return (SDL_GetTicks64() - blinkStart_) / kBlinkMs % 2 == 0; }

  void zoom(int step) {
    scale_ = std::clamp(scale_ + step, kMinScale, kMaxScale);
    SDL_SetWindowSize(window_.get(), W * scale_, H * scale_);
    updateTitle();
  }

  void updateTitle() {
    const std::string title = "phone - " + options_.image.stem().string() + " (x" +
                              std::to_string(scale_) + ")";
    SDL_SetWindowTitle(window_.get(), title.c_str());
  }

  void screenshot() {
    const std::filesystem::path name = screenshotName();
    if (writeScreenshot(name, view_)) std::cerr << "phone: screenshot " << name.string() << "\n";
  }

  // What the screen shows (the frame, or the character editor over it), dimmed while the
  // backlight is off.
  void present() {
    Platform& platform = phone::platform();
    const std::vector<Rgb>& frame = view_.compose(platform, cursorShown());
    const bool dim = !platform.display().backlight();
    void* pixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(texture_.get(), nullptr, &pixels, &pitch) != 0) return;
    for (int y = 0; y < H; ++y) {
      auto* row = static_cast<uint8_t*>(pixels) + y * pitch;
      for (int x = 0; x < W; ++x) {
        const Rgb c = frame[y * W + x];
        row[3 * x] = dim ? c.r / 4 : c.r;
        row[3 * x + 1] = dim ? c.g / 4 : c.g;
        row[3 * x + 2] = dim ? c.b / 4 : c.b;
      }
    }
    SDL_UnlockTexture(texture_.get());
    SDL_RenderClear(renderer_.get());
    SDL_RenderCopy(renderer_.get(), texture_.get(), nullptr, nullptr);
    SDL_RenderPresent(renderer_.get());
  }

  const RunOptions& options_;
  int scale_;
  SdlSession sdl_;  // first in, last out: SDL outlives the window's parts
  SdlPtr<SDL_Window> window_;
  SdlPtr<SDL_Renderer> renderer_;
  SdlPtr<SDL_Texture> texture_;
  ScreenView view_;
  uint64_t blinkStart_ = 0;
  uint8_t held_ = 0;
  uint64_t nextRepeat_ = 0;
  uint64_t waitUntil_ = 0;
};

}  // namespace

bool windowAvailable() { return true; }

int runWindow(const RunOptions& options) { return Window(options).run(); }

}  // namespace phone::sim
