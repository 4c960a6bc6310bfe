#include "platform/sdl/SdlInput.h"

#include <utility>

#include "platform/sdl/SdlAudioDevice.h"

namespace pp {
namespace {

HostEvent TypedEvent(HostEvent::Type type, int value = 0) {
  HostEvent e;
  e.type = type;
  e.value = value;
  return e;
}

HostEvent MouseEvent(HostEvent::Type type, const PictureLayout& layout, int x, int y) {
  const PicturePoint p = WindowToPicture(layout, x, y);
  HostEvent e = TypedEvent(type);
  e.x = p.x;
  e.y = p.y;
  return e;
}

WindowInput ForGame(HostEvent e) { return WindowInput{std::move(e), WindowCommand::kNone}; }

WindowInput TranslateKey(const SDL_KeyboardEvent& key) {
  using Type = HostEvent::Type;
  const SDL_Keycode sym = key.keysym.sym;
  const bool alt = (key.keysym.mod & KMOD_ALT) != 0;
  if (sym == SDLK_F11 || (alt && (sym == SDLK_RETURN || sym == SDLK_KP_ENTER)))
    return {std::nullopt, key.repeat ? WindowCommand::kNone : WindowCommand::kToggleFullscreen};
  if (sym == SDLK_F12)
    return {std::nullopt, key.repeat ? WindowCommand::kNone : WindowCommand::kScreenshot};
  // Keys that act once per press.
  static constexpr std::pair<SDL_Keycode, int> kOncePerPress[] = {
      {SDLK_SPACE, HostKey::kSpace},   {SDLK_KP_ENTER, HostKey::kPadEnter},
      {SDLK_ESCAPE, HostKey::kEscape}, {SDLK_m, kMuteKey},
      {SDLK_a, HostKey::kA},           {SDLK_l, HostKey::kL},
      {SDLK_s, HostKey::kS},           {SDLK_t, HostKey::kT},
      {SDLK_F1, HostKey::kF1},         {SDLK_F2, HostKey::kF2},
      {SDLK_1, HostKey::kDigit1},      {SDLK_2, HostKey::kDigit2},
      {SDLK_3, HostKey::kDigit3},      {SDLK_KP_1, HostKey::kDigit1},
      {SDLK_KP_2, HostKey::kDigit2},   {SDLK_KP_3, HostKey::kDigit3},
      {SDLK_PAGEUP, HostKey::kPageUp}, {SDLK_PAGEDOWN, HostKey::kPageDown},
      {SDLK_HOME, HostKey::kHome},     {SDLK_END, HostKey::kEnd},
      {SDLK_RETURN, HostKey::kEnter},  {SDLK_LCTRL, HostKey::kControl},
      {SDLK_RCTRL, HostKey::kControl},
  };
  for (const auto& [keycode, code] : kOncePerPress) {
    if (sym != keycode) continue;
    if (key.repeat) return {};
    return ForGame(TypedEvent(Type::Key, code));
  }
  switch (sym) {
    // The arrows and Tab repeat while held.
    case SDLK_UP:
      return ForGame(TypedEvent(Type::Key, HostKey::kUp));
    case SDLK_DOWN:
      return ForGame(TypedEvent(Type::Key, HostKey::kDown));
    case SDLK_LEFT:
      return ForGame(TypedEvent(Type::Key, HostKey::kLeft));
    case SDLK_RIGHT:
      return ForGame(TypedEvent(Type::Key, HostKey::kRight));
    case SDLK_TAB:
      return ForGame(TypedEvent(Type::Key, HostKey::kTab));
    default:
      return {};
  }
}

}  // namespace

WindowInput TranslateInput(const SDL_Event& ev, const PictureLayout& layout) {
  using Type = HostEvent::Type;
  switch (ev.type) {
    case SDL_QUIT:
      return ForGame(TypedEvent(Type::Close));
    case SDL_MOUSEBUTTONDOWN:
      return ForGame(MouseEvent(Type::MouseDown, layout, ev.button.x, ev.button.y));
    case SDL_MOUSEBUTTONUP:
      return ForGame(MouseEvent(Type::MouseUp, layout, ev.button.x, ev.button.y));
    case SDL_MOUSEMOTION:
      return ForGame(MouseEvent(Type::MouseMove, layout, ev.motion.x, ev.motion.y));
    case SDL_MOUSEWHEEL:
      return ForGame(TypedEvent(
          Type::Wheel, ev.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -ev.wheel.y : ev.wheel.y));
    case SDL_KEYDOWN:
      return TranslateKey(ev.key);
    case SDL_KEYUP:
      // Of the keys that are held, only Ctrl (fast-forward) matters.
      if (ev.key.keysym.sym == SDLK_LCTRL || ev.key.keysym.sym == SDLK_RCTRL)
        return ForGame(TypedEvent(Type::KeyUp, HostKey::kControl));
      return {};
    default:
      if (ev.type == SdlAudioDoneEventType()) return ForGame(TypedEvent(Type::AudioDone));
      return {};
  }
}

}  // namespace pp
