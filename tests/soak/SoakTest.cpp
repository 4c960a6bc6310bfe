#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

#include "soak/Soak.h"

namespace pp {
namespace {

TEST(Vocabulary, KnowsTheGameLabelsAndNothingElse) {
  EXPECT_TRUE(IsVocabularyLabel("修行 \\-50"));
  EXPECT_TRUE(IsVocabularyLabel("ブロック解除"));
  EXPECT_FALSE(IsVocabularyLabel("修行 -50"));
  EXPECT_FALSE(IsVocabularyLabel(""));
}

// Whole lives of random choices. PANIPANI_SOAK_LIVES asks for a longer run (lives per seed
// over four seeds); the figures go to the test's output.
TEST(Soak, RandomLivesNeverCrashStickOrLeaveTheRanges) {
  int64_t lives = 3;
  if (const char* env = std::getenv("PANIPANI_SOAK_LIVES")) lives = std::atoll(env);
  SoakResult total;
  const auto start = std::chrono::steady_clock::now();
  for (uint32_t seed : {11u, 222u, 3333u, 44444u}) {
    const SoakResult r = Soak(seed, lives, lives * 20000);
    for (const auto& f : r.faults) ADD_FAILURE() << f;
    EXPECT_EQ(r.lives, lives) << "seed " << seed;
    total.lives += r.lives;
    total.choices += r.choices;
    total.frames += r.frames;
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_GT(total.frames, 0);
  std::printf("soak: %lld lives, %lld choices, %lld frames, %.1f s, %.0f choices/s\n",
              static_cast<long long>(total.lives), static_cast<long long>(total.choices),
              static_cast<long long>(total.frames), seconds, total.choices / seconds);
}

}  // namespace
}  // namespace pp
