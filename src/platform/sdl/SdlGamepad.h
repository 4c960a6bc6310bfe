#pragma once
// Game controllers through SDL (any controller SDL has a mapping for, plugged in or out while
// the game runs), read as the keyboard's keys: the d-pad (all four ways) or left stick up and down
// (repeating while held) as the arrows, A as Space, B as Escape, Start as F2 (the options
// screen), Back as A (auto mode), the right shoulder as Ctrl held (fast-forward).
//
// For the window test, PANIPANI_TEST_GAMEPAD attaches SDL's virtual controller and presses its
// buttons on a schedule: "BUTTON@MS ..." with BUTTON one of a b back start up down left right rb
// and MS the milliseconds after the window opened (each press lasts 100 ms).

#include <SDL.h>

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "platform/Host.h"

namespace pp {

class SdlGamepads {
 public:
  // Controllers are opened as SDL reports them added (those attached at start too); SDL's game
  // controller part must be initialised.
  SdlGamepads() = default;
  ~SdlGamepads();
  SdlGamepads(const SdlGamepads&) = delete;
  SdlGamepads& operator=(const SdlGamepads&) = delete;

  // Attaches the virtual test controller when PANIPANI_TEST_GAMEPAD asks for it; a schedule it
  // cannot read is reported in `error`.
  bool AttachTestPad(std::string& error);
  // Translates one SDL event into key events for the game; true when it was a controller's.
  bool Translate(const SDL_Event& ev, std::deque<HostEvent>& out);
  // As time passes (`nowMs`, the host clock): repeats of a held direction and the test pad's
  // scheduled presses.
  void Update(int64_t nowMs, std::deque<HostEvent>& out);

 private:
  struct TestPress {
    SDL_GameControllerButton button;
    int64_t atMs;
    bool down;
  };

  // A direction (an arrow's key code, or 0) began or ended on the d-pad or the stick.
  void SetDirection(int source, int key, std::deque<HostEvent>& out);

  std::map<SDL_JoystickID, SDL_GameController*> open_;
  // The direction each source holds (0 the d-pad, 1 the stick) and when it repeats next.
  int held_[2] = {0, 0};
  int64_t nextRepeatMs_ = 0;
  int64_t lastNowMs_ = 0;
  SDL_Joystick* testPad_ = nullptr;
  std::vector<TestPress> testPresses_;
};

}  // namespace pp
