#include "platform/sdl/SdlClipboard.h"

#include <SDL.h>

#include <cstdio>

namespace pp {
namespace {

class SdlClipboard final : public Clipboard {
 public:
  void Copy(const std::string& utf8) override {
    // A failure is said once: the hook's printed lines go on either way.
    if (SDL_SetClipboardText(utf8.c_str()) != 0 && !warned_) {
      std::fprintf(stderr, "panipani: cannot copy to the clipboard: %s\n", SDL_GetError());
      warned_ = true;
    }
  }

 private:
  bool warned_ = false;
};

}  // namespace

std::unique_ptr<Clipboard> CreateSdlClipboard() { return std::make_unique<SdlClipboard>(); }

}  // namespace pp
