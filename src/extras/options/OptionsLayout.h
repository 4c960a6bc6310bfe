#pragma once
// Where the options screen's parts lie on the 390 x 260 picture: a box in the middle with a
// title, one row per entry and a line of keys at the foot. Input and drawing share it.

#include "platform/Host.h"

namespace pp::options {

inline constexpr int kBoxWidth = 300, kBoxLeft = (kPictureWidth - kBoxWidth) / 2;
inline constexpr int kTitleHeight = 22, kRowHeight = 15, kFootHeight = 18;
// The entries' names and their values.
inline constexpr int kNameX = kBoxLeft + 14, kValueX = kBoxLeft + 128;
inline constexpr int kValueRight = kBoxLeft + kBoxWidth - 10;
// A click this close to the value's left end steps back.
inline constexpr int kStepBackWidth = 14;
// A level's bar: cells of this width and gap, after the step-back arrow.
inline constexpr int kCellWidth = 6, kCellGap = 2;
inline constexpr int kBarX = kValueX + kStepBackWidth;

constexpr int BoxHeight(int rows) { return kTitleHeight + rows * kRowHeight + kFootHeight; }
constexpr int BoxTop(int rows) { return (kPictureHeight - BoxHeight(rows)) / 2; }
constexpr int RowTop(int rows, int row) { return BoxTop(rows) + kTitleHeight + row * kRowHeight; }

constexpr bool InBox(int rows, int x, int y) {
  return x >= kBoxLeft && x < kBoxLeft + kBoxWidth && y >= BoxTop(rows) &&
         y < BoxTop(rows) + BoxHeight(rows);
}

// The row (0..rows-1) at (x, y), or -1.
constexpr int RowAt(int rows, int x, int y) {
  if (x < kBoxLeft || x >= kBoxLeft + kBoxWidth || y < RowTop(rows, 0)) return -1;
  const int row = (y - RowTop(rows, 0)) / kRowHeight;
  return row < rows ? row : -1;
}

}  // namespace pp::options
