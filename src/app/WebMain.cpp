// panipani in the browser: the page passes its address's options (?seed=N&headless=1&autoclick=1
// &mute=1) and the language the game is read in (--lang ja|en|both) as the command line; the game
// runs on the data folder packaged at /data and keeps its save and the player's settings in the
// page's own storage, mounted at /save, where the real-time page also records each run so that a
// reload can continue it (app/Resume.h). The page's text panel follows the game in the language
// read (PageTextFeed).

#include <emscripten.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/Additions.h"
#include "app/Launch.h"
#include "app/Options.h"
#include "app/Program.h"
#include "app/Resume.h"
#include "core/AtomicFile.h"
#include "core/FileLookup.h"
#include "extras/ExtrasHost.h"
#include "gfx/Text.h"
#include "lang/DisplayLanguage.h"
#include "platform/web/PageTextFeed.h"
#include "platform/web/WebHost.h"
#include "platform/web/WebPage.h"
#include "settings/Settings.h"
#include "state/SaveFile.h"

namespace {

constexpr const char* kPackagedDataDir = "/data";
constexpr const char* kPageSaveDir = "/save";
// Beside the save, so that the page keeps it as it keeps the save (each replacement is synced).
constexpr const char* kPageSettingsFile = "/save/settings.ini";
// A left run is caught up in memory only: the browser's storage never holds its saves.
constexpr const char* kPageCatchUpDir = "/tmp/catch-up";

}  // namespace

// Called by the page before it takes an uploaded my.dat: why the file at `path` cannot be loaded,
// in the loader's own words, or an empty text when it can. The caller frees the result.
extern "C" EMSCRIPTEN_KEEPALIVE char* pp_check_save(const char* path) {
  std::string error;
  if (std::optional<std::string> bytes = pp::ReadWholeFile(path)) {
    pp::GameState state;
    if (auto parseError = pp::ParseMyDat(*bytes, state)) error = "my.dat: " + *parseError;
  } else {
    error = "my.dat: the file cannot be read";
  }
  return strdup(error.c_str());
}

int main(int argc, char** argv) {
  pp::LetThePageRun();
  std::vector<std::string_view> args(argv + 1, argv + argc);
  const pp::OptionsResult parsed = pp::ParseOptions(args);
  if (!parsed.error.empty()) {
    pp::ShowPageError("panipani: " + parsed.error);
    pp::ReportGameEnded(2);
    return 2;
  }
  const pp::ProgramOptions& o = parsed.options;
  pp::GameConfig config;
  config.dataDir = kPackagedDataDir;
  config.saveDir = kPageSaveDir;
  config.mute = o.mute;
  const uint32_t seed = o.seed ? *o.seed : pp::TimeOfDaySeed();
  // The page passes ja, en or both; an automation page without ?lang= passes none and stays in
  // Japanese, as headless runs do.
  const pp::DisplayLanguage::Mode mode =
      pp::ParseDisplayMode(o.language).value_or(pp::DisplayLanguage::Mode::Japanese);
  const std::optional<std::filesystem::path> catalogue =
      pp::FindDataFile(kPackagedDataDir, "lang", "en.po");
  pp::DisplayLanguage language(pp::LoadCatalogue(catalogue.value_or(""), mode, std::cerr), mode);
  config.language = &language;
  pp::LetThePageRun();
  // The page reads the saves from the browser's storage while the catalogue is read.
  pp::WaitForPageSaves();
  // The sound worker makes the sounds while the catalogue, the glyphs and the game are read; the
  // start-up opens the first of them next.
  const auto afterCreated = [](pp::Game&) {
    pp::LetThePageRun();
    pp::WaitForPageSounds();
  };
  int status = 0;
  if (o.headless) {
    // No key switches the language here, as in headless runs: the feed only follows the events.
    pp::PageTextFeed panelText(language, pp::SendPageText);
    const std::unique_ptr<pp::Host> host = pp::CreateWebAutomationHost(
        o.autoClick, [&panelText](const pp::GameEvent& event) { panelText.OnEvent(event); });
    status = pp::RunGame(*host, config, seed, {}, afterCreated);
  } else {
    pp::Settings settings = pp::Settings::Load(kPageSettingsFile, std::cerr);
    config.mute = config.mute || settings.Get(pp::SettingKeys::kMute);
    config.drawing->reduceFlashing = settings.Get(pp::SettingKeys::kReduceFlashing);
    config.drawing->textBacking = settings.Get(pp::SettingKeys::kTextBacking);
    const std::unique_ptr<pp::Host> page = pp::CreateWebHost();
    pp::ExtrasHost host(*page);
    // The window's additions from the same glyphs the game draws with; the page has no speech,
    // no volume of its own and no window to scale, so the options leave those out. The page
    // remembers the language itself (it passes it on every start).
    pp::TextRenderer text;
    pp::PlayerSetup setup;
    setup.text = &text;
    setup.settings = &settings;
    setup.warnings = &std::cerr;
    setup.storeLanguage = false;
    setup.firstRun = pp::IsFirstRun(config.saveDir);
    pp::AddPlayerAdditions(host, config, std::move(setup));
    host.Add(std::make_unique<pp::PageTextFeed>(language, pp::SendPageText));
    // Every run is recorded into the save folder, to be continued after a reload, as the
    // window's are; a run that cannot be continued says why in the page's notes.
    pp::ContinueSetup resume;
    resume.catchUpDir = kPageCatchUpDir;
    resume.tell = [](const std::string& line) {
      std::cerr << "panipani: " << line << '\n';
      pp::ShowPageError(line);
    };
    resume.onCreated = afterCreated;
    status = pp::RunContinuable(host, config, seed, {}, resume);
  }
  pp::ReportGameEnded(status);
  return status;
}
