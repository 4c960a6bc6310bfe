#include "platform/sdl/SdlMessageBox.h"

#include <algorithm>
#include <cstdio>

#include "platform/window/DialogText.h"

namespace pp {
namespace {

constexpr const char* kTitle = "ぱにぱにらん";
// The desktop's box draws about 6 pixels a column (12 for a kanji) with a 16-pixel margin
// on each side; a little is kept in hand for wider fonts.
constexpr int kBoxMargins = 48;
constexpr int kPixelsPerColumn = 7;
// Narrower than this the box would be no better for the wrapping.
constexpr int kMinColumns = 30;

std::string FitToWindow(SDL_Window* window, const std::string& text) {
  int w = 0, h = 0;
  if (window) SDL_GetWindowSize(window, &w, &h);
  const int columns = std::max(kMinColumns, (w - kBoxMargins) / kPixelsPerColumn);
  return FitDialogText(text, columns);
}

}  // namespace

bool AskYesNo(SDL_Window* window, const std::string& text) {
  const SDL_MessageBoxButtonData buttons[] = {
      {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 0,
       "いいえ(N)"},
      {0, 1, "はい(Y)"},
  };
  const std::string message = FitToWindow(window, text);
  SDL_MessageBoxData box{};
  box.flags = SDL_MESSAGEBOX_WARNING;
  box.window = window;
  box.title = kTitle;
  box.message = message.c_str();
  box.numbuttons = 2;
  box.buttons = buttons;
  int pressed = -1;
  // Closing the box reports -1: that, Escape and Enter all count as No.
  if (SDL_ShowMessageBox(&box, &pressed) != 0) return false;
  return pressed == 1;
}

void ShowErrorBox(SDL_Window* window, const std::string& text) {
  std::fprintf(stderr, "panipani: %s\n", text.c_str());
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, kTitle, FitToWindow(window, text).c_str(), window);
}

}  // namespace pp
