#pragma once
// Plays a seeded automation script headless on the build's generated data folder, in a fresh
// save folder, and returns every event the game wrote: the ground truth for the tests that show
// an addition never changes the game.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/Program.h"
#include "extras/ExtrasHost.h"
#include "platform/headless/HeadlessHost.h"
#include "replay/RecordingHost.h"

namespace pp::test {

// A long script through the title and many decisions: ticks, clicks, hovers, every button and
// the item panel (a `panel close` while it is shut is only an error event).
inline std::string LongScript(int decisions = 300) {
  std::string script = "tick 5\nclick\ntick 5\nclick\ntick 20\nchoose 3\n";
  for (int i = 0; i < decisions; ++i) {
    script += "tick " + std::to_string(1 + i % 4) + "\n";
    script += "hover " + std::to_string(1 + i % 3) + "\n";
    const int button = 3 - (i * 5) % 3;
    script += i % 7 == 3 ? "click\n" : "choose " + std::to_string(button) + "\n";
    // The camp's item button opens the panel, which covers the buttons until it is closed.
    if (button == 2) script += "panel close\n";
  }
  return script + "state\nclose\n";
}

// How a seeded script is played: with --auto-click or not, with additions around the headless
// host (put there before the game starts), recorded or not.
struct SeededRunOptions {
  bool autoClick = true;
  std::function<void(ExtrasHost&)> addExtras;
  std::ostream* record = nullptr;  // when set, the run is recorded here as a replay
  std::filesystem::path fontPath;  // when set, the texts are drawn with this font first
  // Changes the game's configuration (its drawing options, say) after the folders are set.
  std::function<void(GameConfig&)> configure;
  // Wraps the headless host in a host of the test's own under the additions (a player's input
  // slipped in, say).
  std::function<std::unique_ptr<Host>(Host&)> between;
};

// The event lines of `script` played with `seed` as `options` say.
inline std::vector<std::string> PlaySeeded(const std::string& script, uint32_t seed,
                                           const SeededRunOptions& options) {
  const char* data = std::getenv("PANIPANI_DATA");
  EXPECT_TRUE(data && std::filesystem::exists(std::filesystem::path(data) / "cg" / "title.bmp"))
      << "the generated data folder is needed";
  if (!data) return {};
  const std::filesystem::path saveDir = std::filesystem::temp_directory_path() /
                                        ("panipani-seeded-" + std::to_string(getpid()) + "-" +
                                         std::to_string(seed) + (options.addExtras ? "-x" : ""));
  std::filesystem::remove_all(saveDir);
  GameConfig config;
  config.dataDir = data;
  config.saveDir = saveDir;
  config.fontPath = options.fontPath;
  if (options.configure) options.configure(config);

  std::istringstream in(script);
  std::ostringstream out;
  HeadlessHost headless(in, out, options.autoClick);
  std::unique_ptr<Host> wrapped = options.between ? options.between(headless) : nullptr;
  Host& inner = wrapped ? *wrapped : static_cast<Host&>(headless);
  ExtrasHost extras(inner);
  if (options.addExtras) options.addExtras(extras);
  Host& host = options.addExtras ? static_cast<Host&>(extras) : inner;
  if (options.record) {
    RecordingHost recorder(host, *options.record, {seed, config.dataDir, ""});
    EXPECT_EQ(RunGame(recorder, config, seed), 0);
  } else {
    EXPECT_EQ(RunGame(host, config, seed), 0);
  }
  std::filesystem::remove_all(saveDir);
  std::vector<std::string> lines;
  std::istringstream text(out.str());
  for (std::string line; std::getline(text, line);) lines.push_back(line);
  return lines;
}

// The event lines of `script` played with `seed` and --auto-click, through the additions that
// `addExtras` puts around the headless host when it is given.
inline std::vector<std::string> PlaySeeded(const std::string& script, uint32_t seed,
                                           const std::function<void(ExtrasHost&)>& addExtras = {}) {
  SeededRunOptions options;
  options.addExtras = addExtras;
  return PlaySeeded(script, seed, options);
}

}  // namespace pp::test
