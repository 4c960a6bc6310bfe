#pragma once
// The program's icon for a desktop's icon theme, drawn from the sources' icons/ folder: scenes in
// the syntax of Scenes.h, each a square canvas (`scene NAME N N`) drawn at N x N pixels. Every
// icon size is drawn from the largest canvas that divides it, enlarged with sharp pixels, with
// its corners rounded off to transparency.

#include <array>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>

#include "datagen/Generate.h"

namespace pp::datagen {

// The sizes in pixels of the hicolor theme's application icons that the program ships.
inline constexpr std::array<int, 7> kIconSizes = {16, 24, 32, 48, 64, 128, 256};

// Every size of kIconSizes drawn from `icons` over the sprites and palette of `src`. Throws
// std::runtime_error when a canvas is not square, two canvases have one size, or no canvas divides
// a size.
std::map<int, IndexedImage> RenderIcons(const SceneTable& icons, const Sources& src);

// Reads `sourceDir` (palette, sprites and icons/*.txt) and writes
// `outDir`/NxN/apps/`iconName`.png for every size. Throws std::runtime_error on the first fault;
// returns a one-line summary.
std::string WriteIcons(const std::filesystem::path& sourceDir, const std::filesystem::path& outDir,
                       std::string_view iconName);

}  // namespace pp::datagen
