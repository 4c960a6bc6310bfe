#include "automation/KeyNames.h"

#include <array>
#include <charconv>
#include <utility>

#include "platform/Host.h"

namespace pp {
namespace {

constexpr int kMaxKeyCode = 0x1FF;

constexpr std::array<std::pair<std::string_view, int>, 21> kKeyNames{{
    {"enter", HostKey::kEnter},   {"padenter", HostKey::kPadEnter},
    {"space", HostKey::kSpace},   {"escape", HostKey::kEscape},
    {"tab", HostKey::kTab},       {"ctrl", HostKey::kControl},
    {"up", HostKey::kUp},         {"down", HostKey::kDown},
    {"left", HostKey::kLeft},     {"right", HostKey::kRight},
    {"pageup", HostKey::kPageUp}, {"pagedown", HostKey::kPageDown},
    {"home", HostKey::kHome},     {"end", HostKey::kEnd},
    {"a", HostKey::kA},           {"l", HostKey::kL},
    {"m", HostKey::kM},           {"s", HostKey::kS},
    {"t", HostKey::kT},           {"f1", HostKey::kF1},
    {"f2", HostKey::kF2},
}};

}  // namespace

std::string KeyName(int code) {
  for (const auto& [name, known] : kKeyNames)
    if (known == code) return std::string(name);
  return std::to_string(code);
}

std::optional<int> KeyCode(std::string_view text) {
  for (const auto& [name, code] : kKeyNames)
    if (name == text) return code;
  int code = 0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, code);
  if (text.empty() || ec != std::errc() || ptr != end || code < 1 || code > kMaxKeyCode)
    return std::nullopt;
  return code;
}

}  // namespace pp
