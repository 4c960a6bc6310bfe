#pragma once
// A throw-away data folder for start-up tests: the four title pictures in solid colours, the
// name tables and a my.dat, plus a save folder beside it. Removed when the object goes.

#include <filesystem>

#include "gfx/Surface.h"
#include "state/GameState.h"

namespace pp::test {

// Colours of the pictures (the title picture has a white pixel at its top-left corner).
inline constexpr Color kTitleColour = 0x203040;
inline constexpr Color kTitle2Colour = 0x00A050;
inline constexpr Color kLoginColour = 0x5000A0;

class TempData {
 public:
  // my.dat is written from `saved` (a fresh state unless given).
  explicit TempData(const GameState& saved = GameState{});
  ~TempData();
  TempData(const TempData&) = delete;
  TempData& operator=(const TempData&) = delete;

  std::filesystem::path root;     // the temporary folder holding both
  std::filesystem::path dataDir;  // cg/ and dat/
  std::filesystem::path saveDir;  // empty until the game saves
};

}  // namespace pp::test
