#include "app/Launch.h"

#include <ostream>

#include "core/FileLookup.h"

namespace pp {

LaunchResult PrepareLaunch(const ProgramOptions& o, const UserEnvironment& env,
                           std::ostream& warnings) {
  LaunchResult result;
  Launch& launch = result.launch;
  FoundPath data = FindDataDir(o.dataDir, env.programDir);
  FoundPath save = FindSaveDir(o.saveDir, env);
  if (!data.error.empty() || !save.error.empty()) {
    result.error = !data.error.empty() ? data.error : save.error;
    return result;
  }
  if (auto error = PrepareSaveDir(save.path)) {
    result.error = *error;
    return result;
  }
  launch.config.dataDir = data.path;
  launch.config.saveDir = save.path;
  launch.config.recordAudioPath = o.recordAudioPath;

  if (o.settingsFile) {
    launch.settings = Settings::Load(*o.settingsFile, warnings);
  } else if (!o.headless) {
    FoundPath file = FindSettingsFile(env);
    if (file.error.empty())
      launch.settings = Settings::Load(file.path, warnings);
    else
      warnings << "panipani: " << file.error << "; the settings are not remembered\n";
  }
  const Settings defaults;
  const Settings& settings = launch.settings ? *launch.settings : defaults;
  launch.scale = o.scale > 0 ? o.scale : settings.Get(SettingKeys::kScale);
  launch.fullscreen = o.fullscreen || settings.Get(SettingKeys::kFullscreen);
  launch.config.mute = o.mute || settings.Get(SettingKeys::kMute);
  launch.config.fontPath =
      o.fontPath.empty() ? std::filesystem::path(settings.Get(SettingKeys::kFont)) : o.fontPath;
  launch.speak = o.speak || settings.Get(SettingKeys::kSpeak);
  launch.config.drawing->reduceFlashing =
      o.reduceFlashing || settings.Get(SettingKeys::kReduceFlashing);
  launch.config.drawing->textBacking = o.textBacking || settings.Get(SettingKeys::kTextBacking);
  // Headless runs stay Japanese unless the command line asks, so that automation is the same
  // wherever it runs.
  const std::string chosen =
      !o.language.empty() || o.headless ? o.language : settings.Get(SettingKeys::kLanguage);
  launch.catalogue = FindCatalogue(data.path, env.programDir);
  if (chosen.empty()) {
    const bool japanese = o.headless || PrefersJapanese(env.languages);
    launch.languageMode =
        japanese ? DisplayLanguage::Mode::Japanese : DisplayLanguage::Mode::English;
  } else if (std::optional<DisplayLanguage::Mode> mode = ParseDisplayMode(chosen)) {
    launch.languageMode = *mode;
  } else {
    launch.languageMode = DisplayLanguage::Mode::English;
    launch.catalogue = chosen;
    launch.languageIsMode = false;
  }
  launch.textHook = o.textHook;
  if (launch.textHook == TextHookMode::Off) {
    const std::string hook = settings.Get(SettingKeys::kTextHook);
    launch.textHook = ParseTextHookMode(hook);
    if (launch.textHook == TextHookMode::Off && hook != "off")
      warnings << "panipani: " << settings.path().string()
               << ": text-hook is off, print or copy, not '" << hook << "'; the hook stays off\n";
  }
  return result;
}

void RememberChoices(Launch& launch, bool fullscreen, bool mute, std::ostream& warnings,
                     std::optional<DisplayLanguage::Mode> language) {
  if (!launch.settings) return;
  Settings& settings = *launch.settings;
  bool changed = false;
  // A value is stored when the run changed it, or when the options screen stored it during the
  // run (the value at the end wins); one the command line gave and nobody changed is not.
  const auto remember = [&](const auto& key, const auto& now, auto& atStart) {
    const bool wanted = now != atStart || settings.SetSinceLoad(key.name);
    atStart = now;
    if (!wanted || settings.Get(key) == now) return;
    settings.Set(key, now);
    changed = true;
  };
  remember(SettingKeys::kFullscreen, fullscreen, launch.fullscreen);
  remember(SettingKeys::kMute, mute, launch.config.mute);
  if (language && launch.languageIsMode) {
    std::string atStart(DisplayModeName(launch.languageMode));
    remember(SettingKeys::kLanguage, std::string(DisplayModeName(*language)), atStart);
    launch.languageMode = *language;
  }
  if (!changed) return;
  if (auto error = settings.Save()) warnings << "panipani: " << *error << "\n";
}

bool PrefersJapanese(std::string_view languages) {
  const std::string_view first = languages.substr(0, languages.find(':'));
  return first == "ja" || first.starts_with("ja_") || first.starts_with("ja.") ||
         first.starts_with("ja-");
}

std::filesystem::path FindCatalogue(const std::filesystem::path& dataDir,
                                    const std::filesystem::path& programDir) {
  if (auto found = FindDataFile(dataDir, "lang", "en.po")) return *found;
  const FoundPath builtIn = FindDataDir(std::nullopt, programDir);
  if (!builtIn.error.empty()) return {};
  if (auto found = FindDataFile(builtIn.path, "lang", "en.po")) return *found;
  return {};
}

Catalogue LoadCatalogue(const std::filesystem::path& file, DisplayLanguage::Mode mode,
                        std::ostream& warnings) {
  if (file.empty()) {
    if (mode != DisplayLanguage::Mode::Japanese)
      warnings << "panipani: no English catalogue was found; the game shows Japanese\n";
    return {};
  }
  Catalogue catalogue = Catalogue::Load(file);
  for (const std::string& fault : catalogue.faults()) warnings << "panipani: " << fault << "\n";
  return catalogue;
}

}  // namespace pp
