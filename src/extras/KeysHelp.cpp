#include "extras/KeysHelp.h"

#include "extras/Dim.h"
#include "gfx/Surface.h"
#include "gfx/Text.h"

namespace pp {
namespace {

constexpr int kPoints = 8;
constexpr int kRowHeight = 12;
constexpr int kKeysX = 10, kActionX = 128, kTop = 22;
constexpr Color kTitleColour = Hex(0xFFDD66);
constexpr Color kKeysColour = Hex(0xEECC55);
constexpr Color kActionColour = Hex(0xCCCCCC);
constexpr Color kFootColour = Hex(0x8899AA);

}  // namespace

bool KeysHelp::OnInput(const HostEvent& e) {
  using Type = HostEvent::Type;
  if (!open_) {
    if (e.type != Type::Key || e.value != HostKey::kF1) return false;
    open_ = true;
    return true;
  }
  // Keys 1-3 arrive as a press of their button: a key too.
  if (e.type == Type::Key || e.type == Type::MouseDown || e.type == Type::Choose) open_ = false;
  return true;
}

void KeysHelp::DrawOver(Surface& picture) {
  DimPicture(picture);
  text_.Draw(picture, kKeysX, 6, "Keys and mouse",
             TextStyle{kPoints, true, kTitleColour, false, 0});
  int y = kTop;
  for (const HelpLine& line : lines_) {
    text_.Draw(picture, kKeysX, y, line.keys, TextStyle{kPoints, false, kKeysColour, false, 0});
    text_.Draw(picture, kActionX, y, line.action,
               TextStyle{kPoints, false, kActionColour, false, 0});
    y += kRowHeight;
  }
  text_.Draw(picture, kKeysX, picture.height() - 16, "Any key or click closes this help.",
             TextStyle{7, false, kFootColour, false, 0});
}

}  // namespace pp
