#pragma once
// Continuing where the player left off. A run in the window or the page is recorded as it is
// played into the save folder (run.replay, with the save it started from beside it). When the
// program stops in the middle of a run (the window closed, the page reloaded, the process
// killed), the next start plays the recording again, quickly and unseen, from the same seed and
// starting save (replay/CatchUpHost.h). Only when that replay arrives at exactly the save the run
// left is the player offered to continue; otherwise the save stays as it was and a new character
// begins as always. A run that ends in a game over, or a new character, drops the recording.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "game/Game.h"
#include "replay/ReplayFile.h"

namespace pp {

// The program's version, as recordings name it.
extern const char* const kProgramVersion;

// Where a run keeps its recording in the save folder.
std::filesystem::path RunRecordingPath(const std::filesystem::path& saveDir);

// Whether a closed game stopped in the middle of a run (a character on its way), so that it can
// be continued.
bool InTheMiddleOfARun(const Game& g);

// The save folder's recording of a run left in the middle, when this program on this data folder
// can continue it; nullopt when there is none, or with `note` saying why it cannot be used.
std::optional<ReplayHeader> FindLeftRun(const std::filesystem::path& saveDir,
                                        const std::filesystem::path& dataDir, std::string& note);

// Makes a left run's recording ready to go on: a cut-off last line and a last `close` are
// dropped. Returns whether it ended with a close (the save was then written at that close).
bool TrimForContinuing(const std::filesystem::path& recording);

// What the window and the page do differently when a left run is continued.
struct ContinueSetup {
  // Where a left run is caught up, apart from the player's saves: a folder of its own, made and
  // removed on the way. Empty for `.catch-up` in the save folder. (The page's save folder is
  // copied into the browser's storage as it changes; its catch-up runs outside it.)
  std::filesystem::path catchUpDir;
  // Hears why a left run cannot be continued (or this run later), a line at a time; empty for
  // stderr.
  std::function<void(const std::string&)> tell;
  // Sees each game as soon as it exists (RunGame's `onCreated`), the ones that catch up included.
  std::function<void(Game&)> onCreated;
};

// Runs the game on `host` as RunGame does, continuing a run left in the middle when the player
// wishes, and recording the run for the next start. `freshSeed` seeds a new character.
int RunContinuable(Host& host, const GameConfig& config, uint32_t freshSeed,
                   const std::function<void(const Game&)>& onClosed = {},
                   const ContinueSetup& setup = {});

}  // namespace pp
