#pragma once
// The program's icon for a desktop's icon theme, drawn from the sources' icons/ folder: scenes in
// the syntax of Scenes.h, each a square canvas (`scene NAME N N`) drawn at N x N pixels. Every
// icon size is drawn from the largest canvas that divides it, enlarged with sharp pixels, with
// its corners rounded off to transparency.

#include <array>
#include <filesystem>
#include <map>
#include <span>
#include <string>
#include <string_view>

#include "datagen/Generate.h"
#include "platform/WindowIcon.h"

namespace pp::datagen {

// The sizes in pixels of the hicolor theme's application icons that the program ships.
inline constexpr std::array<int, 7> kIconSizes = {16, 24, 32, 48, 64, 128, 256};

// The sizes of the browser page's icons (its manifest's and the tab's), and of its maskable icon:
// one square picture without rounded corners, from the canvases of icons/maskable/, that the
// system cuts its own shape out of.
inline constexpr std::array<int, 3> kWebIconSizes = {32, 192, 512};
inline constexpr std::array<int, 2> kMaskableIconSizes = {192, 512};

// Every size of `sizes` drawn from `icons` over the sprites and palette of `src`, its corners
// rounded off when `roundCorners`. Throws std::runtime_error when a canvas is not square, two
// canvases have one size, or no canvas divides a size.
std::map<int, IndexedImage> RenderIcons(const SceneTable& icons, const Sources& src,
                                        std::span<const int> sizes = kIconSizes,
                                        bool roundCorners = true);

// Writes the kWindowIconSize icon (platform/WindowIcon.h) as a 24-bit BMP to `file`, from the icons
// of `src` in `sourceDir`/icons. Throws std::runtime_error when it cannot be drawn or written.
void WriteWindowIcon(const Sources& src, const std::filesystem::path& sourceDir,
                     const std::filesystem::path& file);

// Reads `sourceDir` (palette, sprites and icons/*.txt) and writes
// `outDir`/NxN/apps/`iconName`.png for every size. Throws std::runtime_error on the first fault;
// returns a one-line summary.
std::string WriteIcons(const std::filesystem::path& sourceDir, const std::filesystem::path& outDir,
                       std::string_view iconName);

// Reads `sourceDir` and writes the browser page's icons into `outDir`: icon-N.png for each of
// kWebIconSizes and icon-maskable-N.png for each of kMaskableIconSizes. Throws
// std::runtime_error on the first fault, also when a maskable icon leaves a pixel transparent;
// returns a one-line summary.
std::string WriteWebIcons(const std::filesystem::path& sourceDir,
                          const std::filesystem::path& outDir);

}  // namespace pp::datagen
