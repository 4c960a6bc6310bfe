#pragma once
// The frame renderer: composes the picture `cg` from the scene, the status orb and its spark
// ring, the choice buttons, the message lines and the status overlay.

#include <cstdint>

namespace pp {

class Game;

struct Point {
  int x = 0, y = 0;
};

// Radius of the status corner: statusSlideX + 70, at least 0.
int32_t CornerRadius(int32_t statusSlideX);
// Centre of the spark at `degrees` on the ring of corner radius r: cos and sin on the
// ellipse with half-axes r + 80 and r, rounded half to even.
Point SparkCentre(int32_t degrees, int32_t r);
// One complete frame on cg. Does not present it: the frame tick does, after ClampState.
void RenderFrame(Game& g);
// Whether frames are drawn. Off, every frame still runs all of its logic (the slides, the easing,
// the ageing lines, every draw of the random generator) but leaves the pixels as they were: for
// a run caught up to where its player left it, which nobody watches.
void SetDrawing(Game& g, bool drawing);
// Ages every live message line by one step and draws it on bak2; frees lines above the top.
void UpdateEffects(Game& g);

}  // namespace pp
