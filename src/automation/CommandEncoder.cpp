#include "automation/CommandEncoder.h"

#include "automation/KeyNames.h"
#include "platform/InputLayout.h"

namespace pp {
namespace {

std::string Mouse(std::string_view action, const HostEvent& e) {
  return "mouse " + std::string(action) + " " + std::to_string(e.x) + " " + std::to_string(e.y);
}

bool AtClickSpot(const HostEvent& e) { return e.x == kPictureClickX && e.y == kPictureClickY; }

// The button n (1..3) whose hover spot `e` is at, or 0.
int HoverSpot(const HostEvent& e) {
  for (int n = 1; n <= 3; ++n)
    if (e.x == kChoiceCentreX && e.y == ChoiceCentreY(n)) return n;
  return 0;
}

}  // namespace

std::optional<std::string> CommandLineFor(const HostEvent& e) {
  using T = HostEvent::Type;
  switch (e.type) {
    case T::Tick:
      return "tick";
    case T::MouseDown:
      return AtClickSpot(e) ? "click" : Mouse("down", e);
    case T::MouseMove:
      if (AtClickSpot(e)) return "hover 0";
      if (const int n = HoverSpot(e)) return "hover " + std::to_string(n);
      return Mouse("move", e);
    case T::MouseUp:
      return Mouse("up", e);
    case T::Wheel:
      return "wheel " + std::to_string(e.value);
    case T::Key:
      return "key " + KeyName(e.value);
    case T::KeyUp:
      return "keyup " + KeyName(e.value);
    case T::Choose:
      return "choose " + std::to_string(e.value);
    case T::Command:
      return e.text;
    case T::Close:
      return "close";
    case T::AudioDone:
      return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace pp
