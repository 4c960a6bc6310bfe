#include "app/Options.h"

#include <charconv>
#include <chrono>
#include <ctime>
#include <system_error>

namespace pp {

const char* const kUsage =
    "usage: panipani [--data DIR] [--save-dir DIR] [--settings FILE] [--seed N] [--scale N] "
    "[--fullscreen] [--headless [--auto-click]] [--mute] [--record-audio FILE.wav]";

namespace {

constexpr int kMaxScale = 16;

// The whole of `text` as a decimal number in [low, high].
std::optional<int64_t> ParseNumber(std::string_view text, int64_t low, int64_t high) {
  int64_t value = 0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end || value < low || value > high)
    return std::nullopt;
  return value;
}

}  // namespace

OptionsResult ParseOptions(std::span<const std::string_view> args) {
  OptionsResult result;
  ProgramOptions& o = result.options;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    // The value after an option that takes one; sets the error when it is missing.
    auto value = [&]() -> std::optional<std::string_view> {
      if (i + 1 >= args.size()) {
        result.error = "option " + std::string(arg) + " needs a value";
        return std::nullopt;
      }
      return args[++i];
    };
    if (arg == "--data" || arg == "--save-dir" || arg == "--settings" || arg == "--record-audio") {
      auto v = value();
      if (!v) return result;
      if (v->empty()) {
        result.error = "option " + std::string(arg) + " needs a non-empty path";
        return result;
      }
      std::filesystem::path p{std::string(*v)};
      if (arg == "--data")
        o.dataDir = p;
      else if (arg == "--save-dir")
        o.saveDir = p;
      else if (arg == "--settings")
        o.settingsFile = p;
      else
        o.recordAudioPath = p;
    } else if (arg == "--seed") {
      auto v = value();
      if (!v) return result;
      auto n = ParseNumber(*v, 0, UINT32_MAX);
      if (!n) {
        result.error =
            "option --seed needs a number from 0 to 4294967295, not '" + std::string(*v) + "'";
        return result;
      }
      o.seed = static_cast<uint32_t>(*n);
    } else if (arg == "--scale") {
      auto v = value();
      if (!v) return result;
      auto n = ParseNumber(*v, 1, kMaxScale);
      if (!n) {
        result.error = "option --scale needs a number from 1 to " + std::to_string(kMaxScale) +
                       ", not '" + std::string(*v) + "'";
        return result;
      }
      o.scale = static_cast<int>(*n);
    } else if (arg == "--fullscreen") {
      o.fullscreen = true;
    } else if (arg == "--headless") {
      o.headless = true;
    } else if (arg == "--auto-click") {
      o.autoClick = true;
    } else if (arg == "--mute") {
      o.mute = true;
    } else if (arg == "--help") {
      o.help = true;
    } else {
      result.error = "unknown option '" + std::string(arg) + "'";
      return result;
    }
  }
  if (o.autoClick && !o.headless) result.error = "option --auto-click needs --headless";
  return result;
}

uint32_t TimeOfDaySeed() {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const std::time_t t = system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&t, &local);
  const auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
  return static_cast<uint32_t>(((local.tm_hour * 60 + local.tm_min) * 60 + local.tm_sec) * 1000 +
                               ms);
}

}  // namespace pp
