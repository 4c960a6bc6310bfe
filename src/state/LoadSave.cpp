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

std::optional<std::string> ReadTable(const fs::path& path, std::span<std::string> table) {
  std::string bytes;
  if (auto error = ReadDataFile(path, bytes)) return error;
  if (auto error = ParseTextTable(bytes, table)) return path.string() + ": " + *error;
  return std::nullopt;
}

}  // namespace

fs::path SaveFilePath(const Game& g) {
  if (g.config.saveDir.empty()) return DataFilePath(g.config.dataDir, "my.dat");
  if (auto found = FindFileNoCase(g.config.saveDir, "my.dat")) return *found;
  return g.config.saveDir / "my.dat";
}

fs::path ScoreReportPath(const Game& g) {
  const fs::path& folder = g.config.saveDir.empty() ? g.config.dataDir : g.config.saveDir;
  return folder / fs::path(u8"成績.txt");
}

std::optional<std::string> LoadGame(Game& g) {
  fs::path savePath = SaveFilePath(g);
  std::error_code ec;
  bool startSaveFolder = !g.config.saveDir.empty() && !fs::exists(savePath, ec);
  fs::path readPath = startSaveFolder ? DataFilePath(g.config.dataDir, "my.dat") : savePath;

  GameState loaded = g.state;
  auto load = [&]() -> std::optional<std::string> {
    std::string bytes;
    if (auto error = ReadDataFile(readPath, bytes)) return error;
    if (auto error = ParseMyDat(bytes, loaded)) return readPath.string() + ": " + *error;
    if (auto error = ReadTable(DataFilePath(g.config.dataDir, "name.dat"), loaded.nameSyllables))
      return error;
    if (auto error = ReadTable(DataFilePath(g.config.dataDir, "map.dat"), loaded.levelNames))
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
  if (!g.config.saveDir.empty()) {
    std::error_code ec;
    fs::create_directories(g.config.saveDir, ec);
  }
  auto fail = [&g](const std::string& error) {
    g.host.ShowError(error);
    return false;
  };
  if (auto error = WriteFileAtomic(SaveFilePath(g), SerializeMyDat(g.state))) return fail(*error);
  fs::path reportPath = ScoreReportPath(g);
  auto report = Utf8ToCp932(ScoreReport(g.state));
  if (!report)
    return fail("Cannot write " + reportPath.string() + ": a level name has no CP932 code");
  if (auto error = WriteFileAtomic(reportPath, *report)) return fail(*error);
  return true;
}

}  // namespace pp
