#pragma once
// Building the default data folder: cg/ with every picture, dat/ with every sound, the name
// tables and the first save, and whatever data/static holds, copied as it is.

#include <filesystem>
#include <map>
#include <string>

#include "datagen/IndexedImage.h"
#include "datagen/Palette.h"
#include "datagen/Scenes.h"
#include "datagen/Sprites.h"
#include "datagen/Synth.h"

namespace pp::datagen {

// Everything read from a source folder (data/).
struct Sources {
  Palette palette;
  SpriteSet sprites;
  SceneTable scenes;
  std::vector<SoundRecipe> sounds;
};

// The scenes and templates of every .txt file of `dir`, in name order. Throws
// std::runtime_error naming the file and line of the first fault.
SceneTable LoadSceneTable(const std::filesystem::path& dir);

// Reads palette.txt, sprites/*.txt, scenes/*.txt and sounds/*.txt of `dir`. Throws
// std::runtime_error naming the file and line of the first fault.
Sources LoadSources(const std::filesystem::path& dir);

// Every picture of the game, rendered, by file name. Throws when a scene is not one of the
// game's pictures, is written twice, or a picture of the game has no scene.
std::map<std::string, IndexedImage> RenderPictures(const Sources& src);

// Writes the whole data folder into `out` (cg/, dat/ and the static files). A dat/my.dat that
// holds a played save (an earlier version kept the player's save there) is left as it is; any
// first save is replaced. Throws std::runtime_error on the first fault; returns a one-line
// summary.
std::string GenerateDataFolder(const std::filesystem::path& sourceDir,
                               const std::filesystem::path& out);

}  // namespace pp::datagen
