#pragma once
// Where input lands on the 390 x 260 picture: the choice buttons' hit areas, the item panel's
// area and the spot a click on the picture uses when it has no pointer of its own (Space,
// automation). Hosts, the game's input routing, the recorder and the additions share these.

namespace pp {

// A pixel of the picture, 0..389 across and 0..259 down.
struct PicturePoint {
  int x = 0, y = 0;
};

// The hit areas of choice buttons 1..3: 133 x 25 at x 256, from the tops below.
inline constexpr int kChoiceLeft = 256, kChoiceWidth = 133, kChoiceHeight = 25;
inline constexpr int kChoiceTop[3] = {156, 188, 220};
inline constexpr int kChoiceCentreX = kChoiceLeft + kChoiceWidth / 2;

// A spot on the picture away from the buttons and the item panel.
inline constexpr int kPictureClickX = 100, kPictureClickY = 100;

// The choice button (1..3) whose hit area holds (x, y), or 0.
constexpr int ChoiceButtonAt(int x, int y) {
  if (x < kChoiceLeft || x >= kChoiceLeft + kChoiceWidth) return 0;
  for (int n = 1; n <= 3; ++n)
    if (y >= kChoiceTop[n - 1] && y < kChoiceTop[n - 1] + kChoiceHeight) return n;
  return 0;
}

// The vertical centre of choice button n (1..3).
constexpr int ChoiceCentreY(int n) { return kChoiceTop[n - 1] + kChoiceHeight / 2; }

// The item panel's area (the choice buttons lie inside it).
inline constexpr int kPanelLeft = 152, kPanelTop = 0;
inline constexpr int kPanelWidth = 238, kPanelHeight = 265;

constexpr bool InPanelArea(int x, int y) {
  return x >= kPanelLeft && x < kPanelLeft + kPanelWidth && y >= kPanelTop &&
         y < kPanelTop + kPanelHeight;
}

}  // namespace pp
