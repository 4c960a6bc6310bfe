#include "platform/sdl/SdlGamepad.h"

#include <charconv>
#include <cstdlib>
#include <string_view>

namespace pp {
namespace {

// The stick counts as pushed beyond this, and as let go again below the smaller value.
constexpr int kStickPush = 16000, kStickRelease = 8000;
// A held direction repeats after the first delay, then at the interval.
constexpr int64_t kRepeatDelayMs = 400, kRepeatIntervalMs = 120;
constexpr int64_t kTestPressMs = 100;

HostEvent Key(HostEvent::Type type, int code) {
  HostEvent e;
  e.type = type;
  e.value = code;
  return e;
}

// The key a controller button stands for; 0 for buttons the game has no use for.
int ButtonKey(Uint8 button) {
  switch (button) {
    case SDL_CONTROLLER_BUTTON_A:
      return HostKey::kSpace;
    case SDL_CONTROLLER_BUTTON_B:
      return HostKey::kEscape;
    case SDL_CONTROLLER_BUTTON_START:
      return HostKey::kF2;
    case SDL_CONTROLLER_BUTTON_BACK:
      return HostKey::kA;
    case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER:
      return HostKey::kControl;
    default:
      return 0;
  }
}

// The arrow key a d-pad button stands for; 0 for the other buttons.
int DirectionKey(Uint8 button) {
  switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
      return HostKey::kUp;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
      return HostKey::kDown;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
      return HostKey::kLeft;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
      return HostKey::kRight;
    default:
      return 0;
  }
}

SDL_GameControllerButton TestButton(std::string_view name) {
  if (name == "a") return SDL_CONTROLLER_BUTTON_A;
  if (name == "b") return SDL_CONTROLLER_BUTTON_B;
  if (name == "back") return SDL_CONTROLLER_BUTTON_BACK;
  if (name == "start") return SDL_CONTROLLER_BUTTON_START;
  if (name == "up") return SDL_CONTROLLER_BUTTON_DPAD_UP;
  if (name == "down") return SDL_CONTROLLER_BUTTON_DPAD_DOWN;
  if (name == "left") return SDL_CONTROLLER_BUTTON_DPAD_LEFT;
  if (name == "right") return SDL_CONTROLLER_BUTTON_DPAD_RIGHT;
  if (name == "rb") return SDL_CONTROLLER_BUTTON_RIGHTSHOULDER;
  return SDL_CONTROLLER_BUTTON_INVALID;
}

}  // namespace

SdlGamepads::~SdlGamepads() {
  for (auto& [id, controller] : open_) SDL_GameControllerClose(controller);
  if (testPad_) SDL_JoystickClose(testPad_);
}

bool SdlGamepads::AttachTestPad(std::string& error) {
  const char* schedule = std::getenv("PANIPANI_TEST_GAMEPAD");
  if (!schedule || !*schedule) return true;
  std::string_view rest = schedule;
  while (!rest.empty()) {
    const size_t space = rest.find(' ');
    const std::string_view item = rest.substr(0, space);
    rest = space == std::string_view::npos ? std::string_view{} : rest.substr(space + 1);
    if (item.empty()) continue;
    const size_t at = item.find('@');
    const SDL_GameControllerButton button = TestButton(item.substr(0, at));
    int64_t ms = -1;
    if (at != std::string_view::npos) {
      const std::string_view number = item.substr(at + 1);
      auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), ms);
      if (ec != std::errc() || ptr != number.data() + number.size()) ms = -1;
    }
    if (button == SDL_CONTROLLER_BUTTON_INVALID || ms < 0) {
      error = "PANIPANI_TEST_GAMEPAD: cannot read '" + std::string(item) + "'";
      return false;
    }
    testPresses_.push_back({button, ms, true});
    testPresses_.push_back({button, ms + kTestPressMs, false});
  }
  SDL_VirtualJoystickDesc desc{};
  desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
  desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
  desc.naxes = SDL_CONTROLLER_AXIS_MAX;
  desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
  desc.button_mask = (1u << SDL_CONTROLLER_BUTTON_MAX) - 1;
  desc.axis_mask = (1u << SDL_CONTROLLER_AXIS_MAX) - 1;
  desc.name = "panipani test pad";
  const int index = SDL_JoystickAttachVirtualEx(&desc);
  if (index < 0 || !(testPad_ = SDL_JoystickOpen(index))) {
    error = std::string("PANIPANI_TEST_GAMEPAD: no virtual controller: ") + SDL_GetError();
    return false;
  }
  return true;
}

bool SdlGamepads::Translate(const SDL_Event& ev, std::deque<HostEvent>& out) {
  switch (ev.type) {
    case SDL_CONTROLLERDEVICEADDED:
      if (SDL_GameController* c = SDL_GameControllerOpen(ev.cdevice.which))
        open_[SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(c))] = c;
      return true;
    case SDL_CONTROLLERDEVICEREMOVED:
      if (auto it = open_.find(ev.cdevice.which); it != open_.end()) {
        SDL_GameControllerClose(it->second);
        open_.erase(it);
        // What was held on the controller that left is let go.
        SetDirection(0, 0, out);
        SetDirection(1, 0, out);
        out.push_back(Key(HostEvent::Type::KeyUp, HostKey::kControl));
      }
      return true;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP: {
      const bool down = ev.type == SDL_CONTROLLERBUTTONDOWN;
      if (const int key = DirectionKey(ev.cbutton.button)) {
        if (down)
          SetDirection(0, key, out);
        else if (held_[0] == key)
          SetDirection(0, 0, out);
      } else if (const int key = ButtonKey(ev.cbutton.button)) {
        // Only Ctrl is held; the other keys act when they go down.
        if (down || key == HostKey::kControl)
          out.push_back(Key(down ? HostEvent::Type::Key : HostEvent::Type::KeyUp, key));
      }
      return true;
    }
    case SDL_CONTROLLERAXISMOTION:
      if (ev.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY) {
        const int v = ev.caxis.value;
        if (v <= -kStickPush)
          SetDirection(1, HostKey::kUp, out);
        else if (v >= kStickPush)
          SetDirection(1, HostKey::kDown, out);
        else if (v > -kStickRelease && v < kStickRelease)
          SetDirection(1, 0, out);
      }
      return true;
    default:
      return false;
  }
}

void SdlGamepads::SetDirection(int source, int key, std::deque<HostEvent>& out) {
  if (held_[source] == key) return;
  held_[source] = key;
  if (key == 0) return;
  out.push_back(Key(HostEvent::Type::Key, key));
  nextRepeatMs_ = lastNowMs_ + kRepeatDelayMs;
}

void SdlGamepads::Update(int64_t nowMs, std::deque<HostEvent>& out) {
  lastNowMs_ = nowMs;
  for (const int key : held_) {
    if (key != 0 && nowMs >= nextRepeatMs_) {
      out.push_back(Key(HostEvent::Type::Key, key));
      nextRepeatMs_ = nowMs + kRepeatIntervalMs;
      break;
    }
  }
  if (!testPad_) return;
  for (TestPress& press : testPresses_) {
    if (press.atMs < 0 || nowMs < press.atMs) continue;
    SDL_JoystickSetVirtualButton(testPad_, press.button, press.down ? 1 : 0);
    // Each change becomes its event at once, so that a press and its release are never merged.
    SDL_JoystickUpdate();
    press.atMs = -1;
  }
}

}  // namespace pp
