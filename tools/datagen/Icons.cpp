#include "datagen/Icons.h"

#include <stdexcept>
#include <utility>
#include <vector>

#include "datagen/SourceText.h"
#include "gfx/Bitmap.h"
#include "gfx/Png.h"
#include "gfx/Surface.h"

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

// `img` as a paletted PNG over the palette of `src`, its transparent pixels one colour more.
std::string IconPng(const IndexedImage& img, const Sources& src) {
  std::vector<Color> colours = src.palette.colors();
  const int transparent = static_cast<int>(colours.size());
  colours.push_back(0);
  std::vector<uint8_t> indexes(img.pixels);
  for (uint8_t& i : indexes)
    if (i == kTransparent) i = static_cast<uint8_t>(transparent);
  return EncodePalettedPng(img.width, img.height, indexes, colours, transparent);
}

}  // namespace

std::map<int, IndexedImage> RenderIcons(const SceneTable& icons, const Sources& src,
                                        std::span<const int> sizes, bool roundCorners) {
  std::map<int, IndexedImage> canvases;
  for (const auto& scene : icons.scenes) {
    if (scene.width != scene.height || scene.scale != 1)
      throw std::runtime_error("icon " + scene.file + ": a canvas is square and not enlarged");
    IndexedImage img = RenderScene(scene, icons, src.sprites, src.palette);
    if (roundCorners) RoundCorners(img);
    if (!canvases.emplace(scene.width, std::move(img)).second)
      throw std::runtime_error("icon " + scene.file + ": a second canvas of " +
                               std::to_string(scene.width) + " pixels");
  }
  std::map<int, IndexedImage> out;
  for (int size : sizes) {
    const IndexedImage* best = nullptr;
    for (const auto& [canvasSize, img] : canvases)
      if (size % canvasSize == 0) best = &img;  // ascending: the last that divides is the largest
    if (!best) throw std::runtime_error("no icon canvas divides " + std::to_string(size));
    out.emplace(size, Enlarge(*best, size / best->width, size, size));
  }
  return out;
}

void WriteWindowIcon(const Sources& src, const fs::path& sourceDir, const fs::path& file) {
  const IndexedImage img =
      RenderIcons(LoadSceneTable(sourceDir / "icons"), src).at(kWindowIconSize);
  Surface icon(img.width, img.height);
  for (int y = 0; y < img.height; ++y)
    for (int x = 0; x < img.width; ++x) {
      const uint8_t v = img.At(x, y);
      icon.SetPixel(x, y, v == kTransparent ? kWindowIconClear : src.palette.color(v));
    }
  if (!SaveBmp(icon, file)) throw std::runtime_error("cannot write " + file.string());
}

std::string WriteIcons(const fs::path& sourceDir, const fs::path& outDir,
                       std::string_view iconName) {
  const Sources src = LoadSources(sourceDir);
  const auto rendered = RenderIcons(LoadSceneTable(sourceDir / "icons"), src);
  for (const auto& [size, img] : rendered) {
    const std::string px = std::to_string(size);
    WriteFile(outDir / (px + "x" + px) / "apps" / (std::string(iconName) + ".png"),
              IconPng(img, src));
  }
  return std::to_string(rendered.size()) + " icon sizes written to " + outDir.string();
}

std::string WriteWebIcons(const fs::path& sourceDir, const fs::path& outDir) {
  const Sources src = LoadSources(sourceDir);
  const auto icons = RenderIcons(LoadSceneTable(sourceDir / "icons"), src, kWebIconSizes);
  for (const auto& [size, img] : icons)
    WriteFile(outDir / ("icon-" + std::to_string(size) + ".png"), IconPng(img, src));
  const auto maskable =
      RenderIcons(LoadSceneTable(sourceDir / "icons" / "maskable"), src, kMaskableIconSizes, false);
  for (const auto& [size, img] : maskable) {
    for (uint8_t v : img.pixels)
      if (v == kTransparent)
        throw std::runtime_error("the maskable icon of " + std::to_string(size) +
                                 " pixels leaves a pixel transparent");
    WriteFile(outDir / ("icon-maskable-" + std::to_string(size) + ".png"), IconPng(img, src));
  }
  return std::to_string(icons.size() + maskable.size()) + " page icons written to " +
         outDir.string();
}

}  // namespace pp::datagen
