#include "extras/WelcomeHint.h"

#include "extras/Words.h"
#include "gfx/Surface.h"
#include "gfx/Text.h"

namespace pp {
namespace {

constexpr int kBandHeight = 15;
constexpr int kPoints = 8;
constexpr Color kHintColour = Hex(0xFFEE99);

}  // namespace

void WelcomeHint::OnEvent(const GameEvent& event) {
  if (std::holds_alternative<ChoicesEvent>(event)) buttonsShown_ = true;
  if (std::holds_alternative<ChosenEvent>(event)) begun_ = true;
}

void WelcomeHint::DrawOver(Surface& picture) {
  // Over the title's sky; on the login screen under the buttons, clear of the status lines.
  const int top = buttonsShown_ ? picture.height() - kBandHeight : 0;
  // A band a quarter as bright as the picture behind it, so the line reads over any picture.
  for (int y = top; y < top + kBandHeight; ++y)
    for (int x = 0; x < picture.width(); ++x)
      picture.SetPixel(x, y, (picture.Pixel(x, y) >> 2) & 0x3F3F3F);
  const std::string line =
      Say(buttonsShown_ ? Word::kWelcomeLogin : Word::kWelcomeTitle, language_);
  const int x = (picture.width() - text_.Width(line, kPoints, false)) / 2;
  text_.Draw(picture, x, top + (kBandHeight - text_.Height(kPoints)) / 2, line,
             TextStyle{kPoints, false, kHintColour, false, 0});
}

}  // namespace pp
