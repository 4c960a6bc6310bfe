#include "app/Launch.h"

#include <ostream>

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
  return result;
}

void RememberChoices(Launch& launch, bool fullscreen, bool mute, std::ostream& warnings) {
  if (!launch.settings) return;
  bool changed = false;
  if (fullscreen != launch.fullscreen) {
    launch.settings->Set(SettingKeys::kFullscreen, fullscreen);
    launch.fullscreen = fullscreen;
    changed = true;
  }
  if (mute != launch.config.mute) {
    launch.settings->Set(SettingKeys::kMute, mute);
    launch.config.mute = mute;
    changed = true;
  }
  if (!changed) return;
  if (auto error = launch.settings->Save()) warnings << "panipani: " << *error << "\n";
}

}  // namespace pp
