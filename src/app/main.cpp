// panipani: the program. Parses the command line, finds its folders and settings, picks the
// window or the headless host and runs the game on it.

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/Launch.h"
#include "app/Options.h"
#include "app/Program.h"
#include "platform/headless/HeadlessHost.h"
#include "platform/sdl/SdlHost.h"

int main(int argc, char** argv) {
  std::vector<std::string_view> args(argv + 1, argv + argc);
  const pp::OptionsResult parsed = pp::ParseOptions(args);
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "panipani: %s\n", parsed.error.c_str());
    return 2;
  }
  const pp::ProgramOptions& o = parsed.options;
  if (o.help) {
    std::puts(pp::kUsage);
    return 0;
  }

  pp::LaunchResult prepared = pp::PrepareLaunch(o, pp::CurrentUserEnvironment(argv[0]), std::cerr);
  if (!prepared.error.empty()) {
    std::fprintf(stderr, "panipani: %s\n", prepared.error.c_str());
    return 1;
  }
  pp::Launch& launch = prepared.launch;
  const uint32_t seed = o.seed ? *o.seed : pp::TimeOfDaySeed();

  if (o.headless) {
    pp::HeadlessHost host(std::cin, std::cout, o.autoClick);
    return pp::RunGame(host, launch.config, seed, [&launch](const pp::Game& g) {
      pp::RememberChoices(launch, launch.fullscreen, g.config.mute, std::cerr);
    });
  }
  pp::SdlHostOptions windowOptions;
  windowOptions.scale = launch.scale;
  windowOptions.fullscreen = launch.fullscreen;
  windowOptions.screenshotDir = launch.config.saveDir / "screenshots";
  bool fullscreen = launch.fullscreen;
  windowOptions.onFullscreenChange = [&fullscreen](bool now) { fullscreen = now; };
  std::string error;
  std::unique_ptr<pp::Host> host = pp::CreateSdlHost(windowOptions, error);
  if (!host) {
    std::fprintf(stderr, "panipani: %s\n", error.c_str());
    return 1;
  }
  return pp::RunGame(*host, launch.config, seed, [&](const pp::Game& g) {
    pp::RememberChoices(launch, fullscreen, g.config.mute, std::cerr);
  });
}
