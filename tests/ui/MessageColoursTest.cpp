#include "ui/MessageColours.h"

#include <gtest/gtest.h>

namespace pp {
namespace {

TEST(MessageColours, PlainCyclesOverNineAgesColouredOverTen) {
  const Color plain[] = {0xCCCCCC, 0xBBBBBB, 0xAAAAAA, 0x999999, 0x888888,
                         0x888888, 0x999999, 0xAAAAAA, 0xBBBBBB};
  for (int age = 0; age < 18; ++age) EXPECT_EQ(MessageColour(4, age), plain[age % 9]) << age;
  const Color red[] = {0xFF4646, 0xFF2626, 0xFF0606, 0xD90000, 0xC40000,
                       0xB50000, 0xC40000, 0xD90000, 0xFF0606, 0xFF2626};
  for (int age = 0; age < 20; ++age) EXPECT_EQ(MessageColour(307, age), red[age % 10]) << age;
  EXPECT_EQ(MessageColour(301, 11), 0x00DB10u);
  EXPECT_EQ(MessageColour(309, 4), 0x550000u);
  EXPECT_EQ(MessageColour(311, 3), 0x55CC22u);
  EXPECT_EQ(MessageColour(312, 7), 0x9900DDu);
}

}  // namespace
}  // namespace pp
