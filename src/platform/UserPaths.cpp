#include "platform/UserPaths.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>

namespace pp {
namespace {

namespace fs = std::filesystem;

constexpr const char* kAppFolder = "panipani";

std::string EnvValue(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// The XDG base folder: `xdgValue` when it is an absolute path (the XDG rules ignore relative
// ones), else `fallback` below $HOME. Empty when neither can be had.
fs::path BaseFolder(const std::string& xdgValue, const std::string& home, const char* fallback) {
  if (!xdgValue.empty() && fs::path(xdgValue).is_absolute()) return xdgValue;
  if (!home.empty() && fs::path(home).is_absolute()) return fs::path(home) / fallback;
  return {};
}

FoundPath Found(fs::path path) { return FoundPath{std::move(path), {}}; }
FoundPath NotFound(std::string error) { return FoundPath{{}, std::move(error)}; }

}  // namespace

UserEnvironment CurrentUserEnvironment(const char* argv0) {
  UserEnvironment env;
  env.home = EnvValue("HOME");
  env.xdgDataHome = EnvValue("XDG_DATA_HOME");
  env.xdgConfigHome = EnvValue("XDG_CONFIG_HOME");
  for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
    env.languages = EnvValue(name);
    if (!env.languages.empty()) break;
  }
  std::error_code ec;
  fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (ec) self = fs::absolute(argv0, ec);
  env.programDir = self.parent_path();
  return env;
}

FoundPath FindDataDir(const std::optional<fs::path>& given, const fs::path& programDir) {
  if (given) return Found(*given);
  std::error_code ec;
  const fs::path buildTree = programDir / "data";
  if (fs::is_directory(buildTree, ec)) return Found(buildTree);
  const fs::path installed = (programDir / ".." / "share" / kAppFolder).lexically_normal();
  if (fs::is_directory(installed, ec)) return Found(installed);
  return NotFound("no data folder found (neither " + buildTree.string() + " nor " +
                  installed.string() + "); give one with --data DIR");
}

FoundPath FindSaveDir(const std::optional<fs::path>& given, const UserEnvironment& env) {
  if (given) return Found(*given);
  fs::path base = BaseFolder(env.xdgDataHome, env.home, ".local/share");
  if (base.empty())
    return NotFound(
        "no save folder: neither XDG_DATA_HOME nor HOME names a folder; give one with "
        "--save-dir DIR");
  return Found(base / kAppFolder);
}

FoundPath FindSettingsFile(const UserEnvironment& env) {
  fs::path base = BaseFolder(env.xdgConfigHome, env.home, ".config");
  if (base.empty())
    return NotFound("no settings file: neither XDG_CONFIG_HOME nor HOME names a folder");
  return Found(base / kAppFolder / "settings.ini");
}

std::optional<std::string> PrepareSaveDir(const fs::path& dir) {
  auto failure = [&dir](const std::string& why) {
    return "cannot use the save folder " + dir.string() + ": " + why;
  };
  std::error_code ec;
  fs::create_directories(dir, ec);
  if (ec) return failure(ec.message());
  if (!fs::is_directory(dir, ec)) return failure("it is not a folder");
  // Only making a file proves that files can be made (permissions, read-only file systems).
  std::string probe = (dir / ".panipani-probe.XXXXXX").string();
  int fd = mkstemp(probe.data());
  if (fd < 0) return failure(std::strerror(errno));
  close(fd);
  unlink(probe.c_str());
  return std::nullopt;
}

}  // namespace pp
