#include "state/SaveFolder.h"

#include <system_error>

#include "core/AtomicFile.h"
#include "core/Cp932.h"
#include "core/FileLookup.h"
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

fs::path SaveFilePath(const fs::path& saveDir) {
  if (saveDir.empty()) return {};
  if (auto found = FindFileNoCase(saveDir, "my.dat")) return *found;
  return saveDir / "my.dat";
}

fs::path ScoreReportPath(const fs::path& saveDir) {
  if (saveDir.empty()) return {};
  return saveDir / fs::path(u8"成績.txt");
}

std::optional<std::string> LoadRecords(const fs::path& dataDir, const fs::path& saveDir,
                                       GameState& state) {
  const fs::path savePath = SaveFilePath(saveDir);
  if (!savePath.empty()) {
    const std::string temporaries[] = {savePath.filename().string(),
                                       ScoreReportPath(saveDir).filename().string()};
    RemoveLeftoverTemporaries(saveDir, temporaries);
  }
  std::error_code ec;
  // A save folder without my.dat starts from the data folder's: the shipped first save, or the
  // player's own records when the data folder is theirs (or an older build's).
  const bool startSaveFolder = !savePath.empty() && !fs::exists(savePath, ec);
  const fs::path readPath =
      savePath.empty() || startSaveFolder ? DataFilePath(dataDir, "my.dat") : savePath;

  GameState loaded = state;
  auto load = [&]() -> std::optional<std::string> {
    std::string bytes;
    if (auto error = ReadDataFile(readPath, bytes)) return error;
    if (auto error = ParseMyDat(bytes, loaded)) return readPath.string() + ": " + *error;
    if (auto error = ReadTable(DataFilePath(dataDir, "name.dat"), loaded.nameSyllables))
      return error;
    if (auto error =
            ReadTable(DataFilePath(dataDir, "map.dat"), loaded.levelNames, loaded.levelNameBytes))
      return error;
    if (startSaveFolder) {
      fs::create_directories(saveDir, ec);
      if (auto error = WriteFileAtomic(savePath, bytes)) return error;
    }
    return std::nullopt;
  };
  if (auto error = load()) {
    state.savesBlocked = true;
    return error;
  }
  loaded.savesBlocked = false;
  state = std::move(loaded);
  return std::nullopt;
}

std::optional<std::string> SaveRecords(const fs::path& saveDir, const GameState& state) {
  if (saveDir.empty()) return std::string("Cannot save: no save folder was given");
  std::error_code ec;
  fs::create_directories(saveDir, ec);
  if (auto error = WriteFileAtomic(SaveFilePath(saveDir), SerializeMyDat(state))) return error;
  return WriteFileAtomic(ScoreReportPath(saveDir), ScoreReport(state));
}

}  // namespace pp
