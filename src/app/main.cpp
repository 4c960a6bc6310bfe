// panipani: the program. Parses the command line, picks the window or the headless host and
// runs the game on it.

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "app/Options.h"
#include "app/Program.h"
#include "platform/headless/HeadlessHost.h"
#include "platform/sdl/SdlHost.h"

namespace {

// The folder the program file lies in.
std::filesystem::path ProgramDir(const char* argv0) {
  std::error_code ec;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) self = std::filesystem::absolute(argv0, ec);
  return self.parent_path();
}

}  // namespace

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

  pp::GameConfig config;
  config.dataDir = o.dataDir ? *o.dataDir : pp::DefaultDataDir(ProgramDir(argv[0]));
  config.saveDir = o.saveDir;
  config.recordAudioPath = o.recordAudioPath;
  config.mute = o.mute;
  const uint32_t seed = o.seed ? *o.seed : pp::TimeOfDaySeed();

  if (o.headless) {
    pp::HeadlessHost host(std::cin, std::cout, o.autoClick);
    return pp::RunGame(host, config, seed);
  }
  pp::SdlHostOptions windowOptions;
  windowOptions.scale = o.scale;
  windowOptions.fullscreen = o.fullscreen;
  std::error_code ec;
  windowOptions.screenshotDir = std::filesystem::current_path(ec);
  std::string error;
  std::unique_ptr<pp::Host> host = pp::CreateSdlHost(windowOptions, error);
  if (!host) {
    std::fprintf(stderr, "panipani: %s\n", error.c_str());
    return 1;
  }
  return pp::RunGame(*host, config, seed);
}
