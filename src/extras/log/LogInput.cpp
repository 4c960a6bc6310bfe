#include "extras/log/LogInput.h"

#include <algorithm>

namespace pp {
namespace {

using Action = LogCommand::Action;
using Type = HostEvent::Type;

LogCommand WhenClosed(const HostEvent& e, bool panelOpen) {
  const bool opens =
      (e.type == Type::Key && (e.value == HostKey::kL || e.value == HostKey::kPageUp)) ||
      (e.type == Type::Wheel && e.value > 0 && !panelOpen);
  return LogCommand{opens ? Action::Open : Action::Pass, 0};
}

LogCommand WhenOpen(const HostEvent& e, bool atNewest) {
  switch (e.type) {
    case Type::MouseDown:
      return {Action::Close, 0};
    case Type::Wheel:
      if (e.value < 0 && atNewest) return {Action::Close, 0};
      // A wild notch count from a device cannot overflow the row count.
      return {Action::Scroll, std::clamp(e.value, -1000, 1000) * kLogRowsPerNotch};
    case Type::Key:
      switch (e.value) {
        case HostKey::kEscape:
        case HostKey::kL:
          return {Action::Close, 0};
        case HostKey::kUp:
          return {Action::Scroll, 1};
        case HostKey::kDown:
          return {Action::Scroll, -1};
        case HostKey::kPageUp:
          return {Action::Page, 1};
        case HostKey::kPageDown:
          return {Action::Page, -1};
        case HostKey::kHome:
          return {Action::ToOldest, 0};
        case HostKey::kEnd:
          return {Action::ToNewest, 0};
        default:
          return {Action::Swallow, 0};
      }
    default:
      return {Action::Swallow, 0};
  }
}

}  // namespace

LogCommand ReadLogInput(const HostEvent& e, bool logOpen, bool panelOpen, bool atNewest) {
  // Time, sound, automation and the close are never the player's to hold.
  if (e.type == Type::Tick || e.type == Type::AudioDone || e.type == Type::Command ||
      e.type == Type::Close)
    return {Action::Pass, 0};
  return logOpen ? WhenOpen(e, atNewest) : WhenClosed(e, panelOpen);
}

}  // namespace pp
