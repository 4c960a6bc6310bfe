#include "app/Options.h"

#include <charconv>
#include <chrono>
#include <ctime>
#include <system_error>

namespace pp {

const char* const kUsage =
    "usage: panipani [--data DIR] [--save-dir DIR] [--settings FILE] [--seed N] [--scale N] "
    "[--fullscreen] [--headless [--auto-click]] [--mute] [--record-audio FILE.wav] "
    "[--record FILE] [--replay FILE [--replay-speed K]] [--final-state FILE] [--speak] "
    "[--font FILE] [--text-hook print|copy] [--reduce-flashing] [--text-backing] "
    "[--lang ja|en|both|FILE]";

namespace {

constexpr int kMaxScale = 16;
constexpr int kMaxReplaySpeed = 1000;

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
  bool replaySpeedGiven = false;
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
    if (arg == "--data" || arg == "--save-dir" || arg == "--settings" || arg == "--record-audio" ||
        arg == "--record" || arg == "--replay" || arg == "--final-state" || arg == "--font") {
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
      else if (arg == "--record")
        o.recordPath = p;
      else if (arg == "--replay")
        o.replayPath = p;
      else if (arg == "--final-state")
        o.finalStatePath = p;
      else if (arg == "--font")
        o.fontPath = p;
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
    } else if (arg == "--replay-speed") {
      auto v = value();
      if (!v) return result;
      auto n = ParseNumber(*v, 1, kMaxReplaySpeed);
      if (!n) {
        result.error = "option --replay-speed needs a number from 1 to " +
                       std::to_string(kMaxReplaySpeed) + ", not '" + std::string(*v) + "'";
        return result;
      }
      o.replaySpeed = static_cast<int>(*n);
      replaySpeedGiven = true;
    } else if (arg == "--fullscreen") {
      o.fullscreen = true;
    } else if (arg == "--headless") {
      o.headless = true;
    } else if (arg == "--auto-click") {
      o.autoClick = true;
    } else if (arg == "--mute") {
      o.mute = true;
    } else if (arg == "--speak") {
      o.speak = true;
    } else if (arg == "--text-hook") {
      auto v = value();
      if (!v) return result;
      o.textHook = ParseTextHookMode(*v);
      if (o.textHook == TextHookMode::Off) {
        result.error = "option --text-hook needs print or copy, not '" + std::string(*v) + "'";
        return result;
      }
    } else if (arg == "--lang") {
      auto v = value();
      if (!v) return result;
      if (v->empty()) {
        result.error = "option --lang needs ja, en, both or a catalogue file";
        return result;
      }
      o.language = *v;
    } else if (arg == "--reduce-flashing") {
      o.reduceFlashing = true;
    } else if (arg == "--text-backing") {
      o.textBacking = true;
    } else if (arg == "--help") {
      o.help = true;
    } else {
      result.error = "unknown option '" + std::string(arg) + "'";
      return result;
    }
  }
  if (o.autoClick && !o.headless) result.error = "option --auto-click needs --headless";
  const bool replay = !o.replayPath.empty();
  if (replay && !o.saveDir)
    result.error = "option --replay needs --save-dir, so that a replay never writes over a save";
  if (replay && o.seed)
    result.error = "option --seed cannot be used with --replay: the seed is in the recording";
  if (replay && o.autoClick) result.error = "option --auto-click cannot be used with --replay";
  if (replaySpeedGiven && (!replay || o.headless))
    result.error = "option --replay-speed needs --replay in the window";
  if (replay && !o.recordPath.empty() && o.recordPath == o.replayPath)
    result.error = "option --record cannot overwrite the recording being replayed";
  // Standard output is the event stream there; the hook's lines go to standard error instead.
  if (o.headless && o.textHook == TextHookMode::Copy)
    result.error = "option --text-hook copy needs the window (headless has no clipboard)";
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
