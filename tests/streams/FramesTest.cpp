// Every frame of seeded runs played by hand (the clock running, the pointer, keys, the panel),
// hashed as it is shown, must stay the frames recorded in frames.txt: whatever is drawn around
// the game or over it, the game's own picture is the same, pixel for pixel.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "app/Program.h"
#include "gfx/Surface.h"
#include "platform/headless/HeadlessHost.h"
#include "support/Scratch.h"
#include "support/Files.h"

namespace pp {
namespace {

const std::filesystem::path kHere = std::filesystem::path(PANIPANI_SOURCE_DIR) / "tests/streams";

struct FrameDigest {
  uint64_t hash = 1469598103934665603ull;  // FNV-1a over every pixel of every frame
  int64_t frames = 0;
};

// Plays `script` with `seed` headless (no automatic clicks) and digests every frame shown.
FrameDigest PlayFrames(const std::string& script, uint32_t seed, const GameConfig& base) {
  FrameDigest digest;
  GameConfig config = base;
  config.dataDir = std::getenv("PANIPANI_DATA");
  config.saveDir = test::ScratchPath("frames");
  std::istringstream in(script);
  HeadlessHost host(
      LinesOf(in), [](std::string_view) {}, false,
      [&digest](const Surface& frame) {
        ++digest.frames;
        for (size_t i = 0; i < size_t(frame.width()) * frame.height(); ++i) {
          digest.hash ^= frame.data()[i];
          digest.hash *= 1099511628211ull;
        }
      });
  EXPECT_EQ(RunGame(host, config, seed), 0);
  std::filesystem::remove_all(config.saveDir);
  return digest;
}

TEST(Frames, EqualTheRecordedFrames) {
  std::istringstream recorded(ReadAll(kHere / "frames.txt"));
  int checked = 0;
  for (std::string name, hash; recorded >> name >> hash;) {
    uint32_t seed = 0;
    const std::string script = ReadAll(kHere / "scripts" / (name + ".txt"));
    std::istringstream(script.substr(7)) >> seed;  // "# seed N"
    const FrameDigest d = PlayFrames(script, seed, GameConfig{});
    std::ostringstream actual;
    actual << std::hex << d.hash << ":" << std::dec << d.frames;
    EXPECT_EQ(actual.str(), hash) << name;
    ++checked;
  }
  EXPECT_GE(checked, 3);
}

}  // namespace
}  // namespace pp
