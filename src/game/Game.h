#pragma once
// The game object: plays the part of the original main window. It owns the state, the tables,
// the drawing surfaces, the text renderer and the sound system, and talks to the platform only
// through `host`. Operations are free functions in the folders, taking Game&.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "core/Random.h"
#include "gfx/Surface.h"
#include "gfx/Text.h"
#include "items/Catalogue.h"
#include "items/PanelState.h"
#include "platform/Host.h"
#include "state/GameState.h"

namespace pp {

class DisplayLanguage;
class SoundSystem;

// Drawing only, for eyes that need it; every random draw and every rule stays the same.
struct DrawingOptions {
  bool reduceFlashing = false;  // the title's black frames, hurt and button flashes drawn steady
  bool textBacking = false;     // a one-pixel black outline behind the message lines
};

// What the command line chooses.
struct GameConfig {
  std::filesystem::path dataDir;  // holds cg/ and dat/
  std::filesystem::path saveDir;  // holds my.dat and the score report; empty: saving is refused
  std::filesystem::path recordAudioPath;  // non-empty: also write the audio output to this WAVE
  bool mute = false;                      // silence the output; the game behaves the same
  std::filesystem::path fontPath;         // non-empty: the font the texts are drawn with first
  // Shared by every copy of the configuration (the game's and the program's), so that the
  // program may switch them at any time; never null.
  std::shared_ptr<DrawingOptions> drawing = std::make_shared<DrawingOptions>();
  // The language the texts are drawn in (the program owns it and may switch it at any time);
  // null draws the game's own Japanese.
  DisplayLanguage* language = nullptr;
};

class Game {
 public:
  Game(Host& host, GameConfig config, uint32_t seed);
  ~Game();
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  Host& host;
  GameConfig config;
  GameState state;
  RandomGenerator random;
  TextRenderer text;            // opens its font on first use; the program opens it at start-up
  ItemCatalogue itemCatalogue;  // filled by InitItemCatalogue at start-up

  Surface cg{kPictureWidth, kPictureHeight};  // the visible picture
  Surface bak{400, 300};    // glow layer: title picture at start-up, then sparks and prompt
  Surface bak2{400, 300};   // glow layer: message lines
  Surface haikei{100, 60};  // the current scene picture

  std::unique_ptr<SoundSystem> sound;  // null until start-up opens it
  bool closing = false;                // the window is closing: leave every event loop
  int exitStatus = 0;                  // what the program returns once it has closed
  std::string goldLabel;               // gold_l: money + "円", rewritten on every timer tick
  ItemPanel itemPanel;                 // item_box: the inventory and shop panel
};

// The game's Random(n): 0..n-1, 0 when n <= 0; always steps the generator.
inline int32_t Random(Game& g, int32_t n) { return g.random.Next(n); }

}  // namespace pp
