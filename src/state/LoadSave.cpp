#include "state/LoadSave.h"

#include <system_error>

#include "core/Cp932.h"
#include "core/FileLookup.h"
#include "game/Game.h"
#include "state/AtomicFile.h"
#include "state/SaveFile.h"
#include "state/ScoreReport.h"

namespace pp {
namespace {

namespace fs = std::filesystem;

// dataDir/dat/name, each step found case-insensitively; the plain path when it does not exist.
fs::path DataFilePath(const fs::path& dataDir, std::string_view name) {
  if (auto found = FindDataFile(dataDir, "dat", name)) return *found;
  auto folder = FindFileNoCase(dataDir, "dat");
  return (folder ? *folder : dataDir / "dat") / std::string(name);
}

// Reads the whole file into `bytes`, or returns a message naming it.
std::optional<std::string> ReadDataFile(const fs::path& path, std::string& bytes) {
  std::error_code ec;
  if (!fs::exists(path, ec)) return path.string() + ": the file is missing";
  auto read = ReadWholeFile(path);
  if (!read) return path.string() + ": the file cannot be read";
  bytes = std::move(*read);
  return std::nullopt;
}

std::optional<std::string> ReadTable(const fs::path& path, std::span<std::string> table,
                                     std::span<std::string> rawTable = {}) {
  std::string bytes;
  if (auto error = ReadDataFile(path, bytes)) return error;
  if (auto error = ParseTextTable(bytes, table, rawTable)) return path.string() + ": " + *error;
  return std::nullopt;
}

}  // namespace

fs::path SaveFilePath(const Game& g) {
  if (g.config.saveDir.empty()) return {};
  if (auto found = FindFileNoCase(g.config.saveDir, "my.dat")) return *found;
  return g.config.saveDir / "my.dat";
}

fs::path ScoreReportPath(const Game& g) {
  if (g.config.saveDir.empty()) return {};
  return g.config.saveDir / fs::path(u8"成績.txt");
}

std::optional<std::string> LoadGame(Game& g) {
  const fs::path savePath = SaveFilePath(g);
  if (!savePath.empty()) {
    const std::string temporaries[] = {savePath.filename().string(),
                                       ScoreReportPath(g).filename().string()};
    RemoveLeftoverTemporaries(g.config.saveDir, temporaries);
  }
  std::error_code ec;
  // A save folder without my.dat starts from the data folder's: the shipped first save, or the
  // player's own records when the data folder is theirs (or an older build's).
  const bool startSaveFolder = !savePath.empty() && !fs::exists(savePath, ec);
  const fs::path readPath =
      savePath.empty() || startSaveFolder ? DataFilePath(g.config.dataDir, "my.dat") : savePath;

  GameState loaded = g.state;
  auto load = [&]() -> std::optional<std::string> {
    std::string bytes;
    if (auto error = ReadDataFile(readPath, bytes)) return error;
    if (auto error = ParseMyDat(bytes, loaded)) return readPath.string() + ": " + *error;
    if (auto error = ReadTable(DataFilePath(g.config.dataDir, "name.dat"), loaded.nameSyllables))
      return error;
    if (auto error = ReadTable(DataFilePath(g.config.dataDir, "map.dat"), loaded.levelNames,
                               loaded.levelNameBytes))
      return error;
    if (startSaveFolder) {
      fs::create_directories(g.config.saveDir, ec);
      if (auto error = WriteFileAtomic(savePath, bytes)) return error;
    }
    return std::nullopt;
  };
  if (auto error = load()) {
    g.state.savesBlocked = true;
    return error;
  }
  loaded.savesBlocked = false;
  g.state = std::move(loaded);
  return std::nullopt;
}

bool SaveGame(Game& g) {
  if (g.state.savesBlocked) return false;
  auto fail = [&g](const std::string& error) {
    g.host.ShowError(error);
    return false;
  };
  if (g.config.saveDir.empty()) return fail("Cannot save: no save folder was given");
  std::error_code ec;
  fs::create_directories(g.config.saveDir, ec);
  if (auto error = WriteFileAtomic(SaveFilePath(g), SerializeMyDat(g.state))) return fail(*error);
  if (auto error = WriteFileAtomic(ScoreReportPath(g), ScoreReport(g.state))) return fail(*error);
  return true;
}

}  // namespace pp
