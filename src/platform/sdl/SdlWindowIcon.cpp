#include "platform/sdl/SdlWindowIcon.h"

#include "gfx/Bitmap.h"
#include "platform/WindowIcon.h"

namespace pp {

void SetWindowIconFrom(SDL_Window* window, const std::filesystem::path& file) {
  std::error_code ec;
  if (file.empty() || !std::filesystem::is_regular_file(file, ec)) return;
  BitmapResult icon = LoadBmp(file);
  if (!icon.surface) return;
  Surface& s = *icon.surface;
  SDL_Surface* picture = SDL_CreateRGBSurfaceWithFormatFrom(s.data(), s.width(), s.height(), 32,
                                                            s.width() * 4, SDL_PIXELFORMAT_RGB888);
  if (!picture) return;
  SDL_SetColorKey(picture, SDL_TRUE, kWindowIconClear);
  SDL_SetWindowIcon(window, picture);
  SDL_FreeSurface(picture);
}

}  // namespace pp
