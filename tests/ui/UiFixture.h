#pragma once
// A fresh game on the test host for every ui test, with helpers to read events and pixels.

#include <gtest/gtest.h>

#include <string>

#include "game/Game.h"
#include "platform/AudioDevice.h"
#include "support/TestHost.h"

namespace pp {

class UiTest : public ::testing::Test {
 protected:
  // Pixels of colour c inside the box [x0, x1) x [y0, y1) of s.
  static int CountColour(const Surface& s, Color c, int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) n += s.Pixel(x, y) == c;
    return n;
  }
  // Leftmost column in [x0, x1) holding colour c between rows y0 and y1; -1 when none.
  static int LeftmostColour(const Surface& s, Color c, int x0, int y0, int x1, int y1) {
    for (int x = x0; x < x1; ++x)
      for (int y = y0; y < y1; ++y)
        if (s.Pixel(x, y) == c) return x;
    return -1;
  }

  TestHost host;
  Game g{host, GameConfig{}, 1};
};

}  // namespace pp
