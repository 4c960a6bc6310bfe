// panipani: the program. Parses the command line, finds its folders and settings, picks the
// window or the headless host, puts the additions and the recorder around it and runs the game
// on it.

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "app/Additions.h"
#include "app/Launch.h"
#include "app/Options.h"
#include "app/Program.h"
#include "app/Resume.h"
#include "extras/ExtrasHost.h"
#include "extras/ReadAloud.h"
#include "gfx/Text.h"
#include "lang/DisplayLanguage.h"
#include "lang/Roles.h"
#include "platform/OutputLevel.h"
#include "platform/WindowIcon.h"
#include "platform/headless/HeadlessHost.h"
#include "platform/sdl/SdlClipboard.h"
#include "platform/sdl/SdlHost.h"
#include "platform/speechd/SpeechDispatcherSpeaker.h"
#include "replay/PacedReplayHost.h"
#include "replay/RecordingHost.h"
#include "replay/ReplayFile.h"
#include "state/StateFields.h"

namespace {

// Runs the game on `host`, recorded into `o.recordPath` when it is given; `onClosed` and the
// --final-state file see the game once it has closed. A `continuable` run can be left and
// continued at the next start.
int RunRecorded(pp::Host& host, const pp::ProgramOptions& o, const pp::GameConfig& config,
                uint32_t seed, const std::function<void(const pp::Game&)>& onClosed,
                bool continuable = false) {
  bool stateWritten = true;
  auto closed = [&](const pp::Game& g) {
    onClosed(g);
    if (o.finalStatePath.empty()) return;
    std::ofstream out(o.finalStatePath, std::ios::binary | std::ios::trunc);
    out << pp::StateJson(g.state) << '\n';
    if (!out.flush()) {
      std::fprintf(stderr, "panipani: cannot write the final state %s\n", o.finalStatePath.c_str());
      stateWritten = false;
    }
  };
  auto finish = [&](int status) { return status == 0 && !stateWritten ? 1 : status; };
  auto run = [&](pp::Host& on) {
    return continuable ? pp::RunContinuable(on, config, seed, closed)
                       : pp::RunGame(on, config, seed, closed);
  };
  if (o.recordPath.empty()) return finish(run(host));
  std::ofstream out(o.recordPath, std::ios::binary | std::ios::trunc);
  if (!out) {
    std::fprintf(stderr, "panipani: cannot write the recording %s\n", o.recordPath.c_str());
    return 1;
  }
  if (auto error = pp::KeepStartingSave(o.recordPath, config.saveDir, config.dataDir))
    std::fprintf(stderr, "panipani: %s\n", error->c_str());
  std::error_code ec;
  pp::RecordingHost recorder(
      host, out, {seed, std::filesystem::absolute(config.dataDir, ec), pp::kProgramVersion});
  const int status = finish(run(recorder));
  if (!out) {
    std::fprintf(stderr, "panipani: the recording %s is incomplete\n", o.recordPath.c_str());
    return status == 0 ? 1 : status;
  }
  return status;
}

// A voice through speech-dispatcher; a missing daemon is told once on stderr and the game goes
// on.
std::unique_ptr<pp::Speaker> MakeSpeaker() {
  return pp::CreateSpeechDispatcherSpeaker([](const std::string& why) {
    std::fprintf(stderr, "panipani: no speech: %s; the game goes on without it\n", why.c_str());
  });
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string_view> args(argv + 1, argv + argc);
  const pp::OptionsResult parsed = pp::ParseOptions(args);
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "panipani: %s\n", parsed.error.c_str());
    return 2;
  }
  pp::ProgramOptions o = parsed.options;
  if (o.help) {
    std::puts(pp::kUsage);
    return 0;
  }

  std::optional<uint32_t> replaySeed;
  std::ifstream replay;
  if (!o.replayPath.empty()) {
    std::string error;
    const std::optional<pp::ReplayHeader> header = pp::ReadReplayHeader(o.replayPath, error);
    if (!header) {
      std::fprintf(stderr, "panipani: %s\n", error.c_str());
      return 1;
    }
    replaySeed = header->seed;
    if (!o.dataDir) o.dataDir = header->dataDir;
    replay.open(o.replayPath, std::ios::binary);
  }

  pp::LaunchResult prepared = pp::PrepareLaunch(o, pp::CurrentUserEnvironment(argv[0]), std::cerr);
  if (!prepared.error.empty()) {
    std::fprintf(stderr, "panipani: %s\n", prepared.error.c_str());
    return 1;
  }
  pp::Launch& launch = prepared.launch;
  const uint32_t seed = replaySeed ? *replaySeed : o.seed ? *o.seed : pp::TimeOfDaySeed();
  if (replaySeed) {
    if (auto note = pp::RestoreStartingSave(o.replayPath, launch.config.saveDir))
      std::fprintf(stderr, "panipani: %s\n", note->c_str());
  }
  pp::DisplayLanguage language(pp::LoadCatalogue(launch.catalogue, launch.languageMode, std::cerr),
                               launch.languageMode);
  launch.config.language = &language;

  if (o.headless) {
    pp::HeadlessHost host(replay.is_open() ? replay : std::cin, std::cout, o.autoClick);
    const auto remember = [&launch](const pp::Game& g) {
      pp::RememberChoices(launch, launch.fullscreen, g.config.mute, std::cerr);
    };
    if (!launch.speak && launch.textHook == pp::TextHookMode::Off)
      return RunRecorded(host, o, launch.config, seed, remember);
    pp::ExtrasHost extras(host);
    if (launch.speak) extras.Add(std::make_unique<pp::ReadAloud>(MakeSpeaker(), true, &language));
    pp::AddHeadlessAdditions(extras, launch.config, launch.textHook, std::cerr);
    return RunRecorded(extras, o, launch.config, seed, remember);
  }
  const pp::Settings defaults;
  const pp::Settings& settings = launch.settings ? *launch.settings : defaults;
  // Made before the window, whose sound output plays at it.
  pp::OutputLevel volume;
  volume.Set(settings.Get(pp::SettingKeys::kVolume));
  pp::SdlHostOptions windowOptions;
  windowOptions.scale = launch.scale;
  windowOptions.fullscreen = launch.fullscreen;
  windowOptions.screenshotDir = launch.config.saveDir / "screenshots";
  windowOptions.iconFile = launch.config.dataDir / pp::kWindowIconFile;
  bool fullscreen = launch.fullscreen;
  windowOptions.onFullscreenChange = [&fullscreen](bool now) { fullscreen = now; };
  windowOptions.noticeText = [&language](const std::string& line) {
    return language.Shown(line, pp::role::kNotice);
  };
  windowOptions.outputLevel = &volume;
  std::string error;
  std::unique_ptr<pp::WindowHost> window = pp::CreateSdlHost(windowOptions, error);
  if (!window) {
    std::fprintf(stderr, "panipani: %s\n", error.c_str());
    return 1;
  }
  auto remember = [&](const pp::Game& g) {
    pp::RememberChoices(launch, fullscreen, g.config.mute, std::cerr, language.mode());
  };
  if (replay.is_open()) {
    pp::PacedReplayHost host(*window, replay, o.replaySpeed);
    return RunRecorded(host, o, launch.config, seed, remember);
  }
  // The additions draw with the game's own font, opened a second time for them.
  std::unique_ptr<pp::TextRenderer> text;
  try {
    text = std::make_unique<pp::TextRenderer>(launch.config.fontPath.string());
  } catch (const std::exception& e) {
    window->ShowError(e.what());
    return 1;
  }
  std::unique_ptr<pp::Clipboard> clipboard = pp::CreateSdlClipboard();
  pp::ExtrasHost host(*window);
  pp::PlayerSetup setup;
  setup.text = text.get();
  setup.settings = launch.settings ? &*launch.settings : nullptr;
  setup.warnings = &std::cerr;
  setup.storeLanguage = launch.languageIsMode;
  setup.catalogue = launch.catalogue;
  setup.hook = launch.textHook;
  setup.hookOut = &std::cout;
  setup.clipboard = clipboard.get();
  // Key S and the options switch speech on and off in the window, so it is always there.
  setup.speaker = MakeSpeaker();
  setup.speak = launch.speak;
  setup.volume = &volume;
  setup.window = window.get();
  setup.firstRun = pp::IsFirstRun(launch.config.saveDir);
  pp::AddPlayerAdditions(host, launch.config, std::move(setup));
  return RunRecorded(host, o, launch.config, seed, remember, /*continuable=*/true);
}
