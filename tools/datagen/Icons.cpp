#include "datagen/Icons.h"

#include <stdexcept>
#include <utility>
#include <vector>

#include "datagen/SourceText.h"
#include "gfx/Png.h"

namespace pp::datagen {

namespace fs = std::filesystem;

namespace {

// Clears the pixels of each corner that fall outside a quarter circle of radius size / 8, so the
// icon reads as a tile with rounded corners at every size.
void RoundCorners(IndexedImage& img) {
  const int r = img.width / 8;
  for (int y = 0; y < r; ++y)
    for (int x = 0; x < r; ++x) {
      const double dx = r - x - 0.5, dy = r - y - 0.5;
      if (dx * dx + dy * dy <= r * r) continue;
      const int right = img.width - 1 - x, bottom = img.height - 1 - y;
      for (auto [px, py] : {std::pair{x, y}, {right, y}, {x, bottom}, {right, bottom}})
        img.pixels[static_cast<size_t>(py) * img.width + px] = kTransparent;
    }
}

}  // namespace

std::map<int, IndexedImage> RenderIcons(const SceneTable& icons, const Sources& src) {
  std::map<int, IndexedImage> canvases;
  for (const auto& scene : icons.scenes) {
    if (scene.width != scene.height || scene.scale != 1)
      throw std::runtime_error("icon " + scene.file + ": a canvas is square and not enlarged");
    IndexedImage img = RenderScene(scene, icons, src.sprites, src.palette);
    RoundCorners(img);
    if (!canvases.emplace(scene.width, std::move(img)).second)
      throw std::runtime_error("icon " + scene.file + ": a second canvas of " +
                               std::to_string(scene.width) + " pixels");
  }
  std::map<int, IndexedImage> out;
  for (int size : kIconSizes) {
    const IndexedImage* best = nullptr;
    for (const auto& [canvasSize, img] : canvases)
      if (size % canvasSize == 0) best = &img;  // ascending: the last that divides is the largest
    if (!best) throw std::runtime_error("no icon canvas divides " + std::to_string(size));
    out.emplace(size, Enlarge(*best, size / best->width, size, size));
  }
  return out;
}

std::string WriteIcons(const fs::path& sourceDir, const fs::path& outDir,
                       std::string_view iconName) {
  const Sources src = LoadSources(sourceDir);
  const SceneTable icons = LoadSceneTable(sourceDir / "icons");
  // The palette's colours and one more, transparent, for the rounded corners.
  std::vector<Color> colours = src.palette.colors();
  const int transparent = static_cast<int>(colours.size());
  colours.push_back(0);
  const auto rendered = RenderIcons(icons, src);
  for (const auto& [size, img] : rendered) {
    std::vector<uint8_t> indexes(img.pixels);
    for (uint8_t& i : indexes)
      if (i == kTransparent) i = static_cast<uint8_t>(transparent);
    const std::string px = std::to_string(size);
    WriteFile(outDir / (px + "x" + px) / "apps" / (std::string(iconName) + ".png"),
              EncodePalettedPng(size, size, indexes, colours, transparent));
  }
  return std::to_string(rendered.size()) + " icon sizes written to " + outDir.string();
}

}  // namespace pp::datagen
