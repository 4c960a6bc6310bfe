#include "ui/Picture.h"

#include "core/FileLookup.h"
#include "game/Game.h"
#include "gfx/Bitmap.h"

namespace pp {

void ShowPicture(Game& g, std::string_view fileName) {
  bool ok = false;
  if (auto path = FindDataFile(g.config.dataDir, "cg", fileName)) {
    BitmapResult loaded = LoadBmp(*path);
    if (loaded.surface) {
      g.haikei = std::move(*loaded.surface);
      ok = true;
    }
  }
  g.host.Report(PictureEvent{std::string(fileName), ok});
}

}  // namespace pp
