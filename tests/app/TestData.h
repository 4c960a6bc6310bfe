#pragma once
// Support for the app tests: a throw-away data folder (the four title pictures in solid colours,
// the name tables and a my.dat) with a save folder beside it, and event makers.

#include <filesystem>

#include "game/Game.h"
#include "platform/Host.h"

namespace pp::test {

inline constexpr Color kTitleColour = 0x203040;  // with a white pixel at the top-left corner
inline constexpr Color kTitle2Colour = 0x00A050;
inline constexpr Color kLoginColour = 0x5000A0;

class TempData {
 public:
  // my.dat is written from `saved`.
  explicit TempData(const GameState& saved = GameState{});
  ~TempData();
  TempData(const TempData&) = delete;
  TempData& operator=(const TempData&) = delete;

  GameConfig Config() const;

  std::filesystem::path root;     // the temporary folder holding both
  std::filesystem::path dataDir;  // cg/ and dat/
  std::filesystem::path saveDir;  // empty until the game saves
};

inline HostEvent Event(HostEvent::Type type, int x = 0, int y = 0, int value = 0) {
  HostEvent e;
  e.type = type;
  e.x = x;
  e.y = y;
  e.value = value;
  return e;
}

}  // namespace pp::test
