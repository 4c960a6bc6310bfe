// The synthesiser's own arithmetic, which must give the same bytes natively and in the browser:
// close to the C library's functions everywhere it is used, exact where a recipe relies on it.

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "datagen/SourceText.h"
#include "datagen/SynthMath.h"

namespace pp::datagen {
namespace {

TEST(SynthMath, AgreesWithTheCLibraryToTheLastBitsOverTheRangesUsed) {
  for (double t = -3; t < 3; t += 0.000731)
    ASSERT_NEAR(SinTurns(t), std::sin(2 * M_PI * (t - std::floor(t))), 2e-15) << t;
  for (double p = 0; p < 1; p += 0.0000731)
    ASSERT_NEAR(TableSine(p), std::sin(2 * M_PI * p), 3e-7) << p;
  // Envelopes fall over 13 halvings; slides span a few octaves either way.
  for (double x = -14; x < 6; x += 0.000917) ASSERT_NEAR(Exp2(x) / std::exp2(x), 1, 4e-16) << x;
  for (double x = 0.01; x < 200; x *= 1.0137) ASSERT_NEAR(Log2(x), std::log2(x), 4e-15) << x;
}

TEST(SynthMath, WholeOctavesAndQuarterTurnsAreExact) {
  EXPECT_EQ(Exp2(0), 1.0);
  EXPECT_EQ(Exp2(-3), 0.125);
  EXPECT_EQ(440 * Exp2(1), 880.0);  // A5 from A4
  EXPECT_EQ(Log2(0.25), -2.0);
  EXPECT_EQ(SinTurns(0), 0.0);
  EXPECT_EQ(SinTurns(0.5), 0.0);
  EXPECT_EQ(SinTurns(0.25), 1.0);
  EXPECT_EQ(SinTurns(-0.25), -1.0);
}

TEST(SynthMath, NumbersReadAsTheCorrectlyRoundedDecimalAndNothingElse) {
  EXPECT_EQ(ParseNumber("0.1", "n"), 0.1);
  EXPECT_EQ(ParseNumber("-0.008", "n"), -0.008);
  EXPECT_EQ(ParseNumber("2500", "n"), 2500.0);
  EXPECT_EQ(ParseNumber("0.000000000000000000001", "n"), 1e-21);
  EXPECT_EQ(ParseNumber("123456789012345", "n"), 123456789012345.0);
  for (const char* bad : {"", "-", ".", "1e3", "1.2.3", "+1", "0x10", "1234567890123456", "nan"})
    EXPECT_THROW(ParseNumber(bad, "n"), std::runtime_error) << bad;
}

}  // namespace
}  // namespace pp::datagen
