#pragma once
// The scene table: each picture composed from drawing commands and sprites, written as text.
//
//   template NAME ... end             commands shared by several scenes ("use NAME")
//   scene FILE [W H [SCALE]] ... end  a picture of W x H (default 100 x 60) drawn on a canvas
//                                      SCALE times smaller and enlarged with sharp pixels
//
// Commands (C is a palette character; coordinates on the canvas):
//   fill C | rect X Y W H C | frame X Y W H C | oval X Y W H C | line X0 Y0 X1 Y1 C
//   tri X0 Y0 X1 Y1 X2 Y2 C   a filled triangle
//   grad Y0 Y1 C1 C2 ...   bands from top to bottom, dithered where two colours meet
//   dither X Y W H C       every other pixel
//   stars SEED N C X Y W H single dots at places drawn from SEED
//   floor Y C STEP         a receding grid from the horizon at Y to the bottom
//   ridge SEED Y AMP C     a hill line around Y, filled down to the bottom
//   sprite NAME X Y [flip] [scale N] [swap AB ...] [tint C]
//   scatter NAME SEED N X Y W H [flip] [swap AB ...] [tint C]
//   text X Y C WORDS...    the pixel font (sprites "glyph_X")
//   use TEMPLATE

#include <string>
#include <string_view>
#include <vector>

#include "datagen/IndexedImage.h"
#include "datagen/Palette.h"
#include "datagen/Sprites.h"

namespace pp::datagen {

struct Scene {
  std::string file;
  int width = 100, height = 60, scale = 1;
  std::vector<std::pair<int, std::string>> commands;  // source line and text
};

struct SceneTable {
  std::vector<Scene> scenes;
  std::vector<Scene> templates;  // width, height and scale unused
};

// Throws std::runtime_error naming the line for a malformed header or a missing "end".
SceneTable ParseScenes(std::string_view text);

// Draws `scene` at its final size (W x H). Throws std::runtime_error naming the scene and the
// source line for an unknown command, sprite, template or colour.
IndexedImage RenderScene(const Scene& scene, const SceneTable& table, const SpriteSet& sprites,
                         const Palette& palette);

// `img` enlarged `scale` times with sharp pixels, cut or padded (transparent) to width x height.
IndexedImage Enlarge(const IndexedImage& img, int scale, int width, int height);

}  // namespace pp::datagen
