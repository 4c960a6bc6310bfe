#include "game/Startup.h"

#include "core/FileLookup.h"
#include "game/Game.h"
#include "game/LoadSave.h"
#include "game/Sound.h"
#include "gfx/Bitmap.h"
#include "items/Catalogue.h"

namespace pp {
namespace {

// A start-up picture from the data folder's cg/, or why it cannot be had.
std::optional<std::string> LoadStartPicture(const Game& g, std::string_view name, Surface& out) {
  std::optional<std::filesystem::path> path = FindDataFile(g.config.dataDir, "cg", name);
  if (!path)
    return "cannot find the picture cg/" + std::string(name) + " in the data folder " +
           g.config.dataDir.string();
  BitmapResult bmp = LoadBmp(*path);
  if (!bmp.surface) return "cannot read the picture " + path->string() + ": " + bmp.error;
  out = std::move(*bmp.surface);
  return std::nullopt;
}

// Puts `picture` at the top-left corner of a black `layer`, which keeps its own size.
void Place(Surface& layer, const Surface& picture) {
  layer.Fill(0);
  layer.CopyFrom(picture, Rect{0, 0, picture.width(), picture.height()}, 0, 0);
}

}  // namespace

std::optional<std::string> FormCreate(Game& g) {
  GameState& s = g.state;
  StartSound(g);

  Surface title, messageLayer;
  if (auto error = LoadStartPicture(g, "title.bmp", title)) return error;
  if (auto error = LoadStartPicture(g, "00.bmp", messageLayer)) return error;
  Place(g.cg, title);
  Place(g.bak, title);
  Place(g.bak2, messageLayer);

  s.clickState = 1;
  if (auto error = LoadGame(g)) return error;
  // The static tables, in their order: the item catalogue, then the conversations.
  InitItemCatalogue(g);

  s.frameIntervalMs = 90;
  s.titlePhase = -2;
  s.statusSlideX = -200;
  s.enemyBarX = 400;
  s.choiceSlide = -200;
  s.choicesEnabled = 1;
  s.choiceLabel3 = "旅立つ";
  s.choiceLabel2 = s.records[7] != 0 ? "Promortion" : "";
  s.choiceLabel1 = "";
  NewGame(g);
  return std::nullopt;
}

bool FormClose(Game& g) {
  g.state.clickState = -1;
  return SaveGame(g);
}

void FormDestroy(Game& g) { StopSound(g); }

}  // namespace pp
