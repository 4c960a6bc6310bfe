#include "platform/OutputLevel.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace pp {
namespace {

// The level scales the samples' distance from silence in either format and leaves them alone at
// full level; silence stays silence.
TEST(OutputLevel, ScalesSamplesTowardSilenceInBothFormats) {
  std::vector<uint8_t> eight{0, 64, 128, 200, 255};
  ScaleSamples(eight, 8, 50);
  EXPECT_EQ(eight, (std::vector<uint8_t>{64, 96, 128, 164, 191}));
  ScaleSamples(eight, 8, OutputLevel::kFull);
  EXPECT_EQ(eight, (std::vector<uint8_t>{64, 96, 128, 164, 191}));

  // -32768, -2, 0, 1000, 32767 little-endian.
  std::vector<uint8_t> sixteen{0x00, 0x80, 0xFE, 0xFF, 0x00, 0x00, 0xE8, 0x03, 0xFF, 0x7F};
  ScaleSamples(sixteen, 16, 25);
  // -8192, 0 (toward silence), 0, 250, 8191.
  EXPECT_EQ(sixteen,
            (std::vector<uint8_t>{0x00, 0xE0, 0x00, 0x00, 0x00, 0x00, 0xFA, 0x00, 0xFF, 0x1F}));
  ScaleSamples(sixteen, 16, 0);
  EXPECT_EQ(sixteen, std::vector<uint8_t>(10, 0));

  OutputLevel level;
  EXPECT_EQ(level.percent(), OutputLevel::kFull);
  level.Set(140);
  EXPECT_EQ(level.percent(), OutputLevel::kFull);
  level.Set(-5);
  EXPECT_EQ(level.percent(), 0);
}

}  // namespace
}  // namespace pp
