#include "replay/ReplayFile.h"

#include <charconv>
#include <fstream>
#include <string_view>
#include <system_error>

#include "core/FileLookup.h"

namespace pp {

namespace fs = std::filesystem;

namespace {

fs::path StartingSavePath(const fs::path& recording) {
  return fs::path(recording.string() + ".my.dat");
}

constexpr std::string_view kSeedPrefix = "# panipani replay seed ";
constexpr std::string_view kDataMark = " data ";
constexpr std::string_view kVersionPrefix = "# panipani version ";

}  // namespace

std::string FormatReplayHeader(const ReplayHeader& header) {
  std::string lines = std::string(kSeedPrefix) + std::to_string(header.seed) +
                      std::string(kDataMark) + header.dataDir.string();
  if (!header.version.empty()) lines += "\n" + std::string(kVersionPrefix) + header.version;
  return lines;
}

std::optional<ReplayHeader> ReadReplayHeader(const std::filesystem::path& path,
                                             std::string& error) {
  std::ifstream in(path, std::ios::binary);
  std::string line;
  if (!in || !std::getline(in, line)) {
    error = "cannot read the recording " + path.string();
    return std::nullopt;
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  std::string_view rest = line;
  ReplayHeader header;
  if (rest.starts_with(kSeedPrefix)) {
    rest.remove_prefix(kSeedPrefix.size());
    auto [ptr, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), header.seed);
    rest.remove_prefix(static_cast<size_t>(ptr - rest.data()));
    if (ec == std::errc() && rest.starts_with(kDataMark) && rest.size() > kDataMark.size()) {
      header.dataDir = std::string(rest.substr(kDataMark.size()));
      if (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.starts_with(kVersionPrefix)) header.version = line.substr(kVersionPrefix.size());
      }
      return header;
    }
  }
  error = path.string() + " line 1: not a recording (it must begin '" + std::string(kSeedPrefix) +
          "N" + std::string(kDataMark) + "DIR')";
  return std::nullopt;
}

std::optional<std::string> KeepStartingSave(const fs::path& recording, const fs::path& saveDir,
                                            const fs::path& dataDir) {
  std::optional<fs::path> start = FindFileNoCase(saveDir, "my.dat");
  if (!start) {
    std::optional<fs::path> dat = FindFileNoCase(dataDir, "dat");
    if (dat) start = FindFileNoCase(*dat, "my.dat");
  }
  // No save to start from: the game reports that itself.
  if (!start) return std::nullopt;
  std::error_code ec;
  fs::copy_file(*start, StartingSavePath(recording), fs::copy_options::overwrite_existing, ec);
  if (ec) return "cannot keep the starting save in " + StartingSavePath(recording).string();
  return std::nullopt;
}

std::optional<std::string> RestoreStartingSave(const fs::path& recording, const fs::path& saveDir) {
  const fs::path kept = StartingSavePath(recording);
  std::error_code ec;
  if (!fs::exists(kept, ec))
    return "no starting save beside the recording (" + kept.string() +
           "): the replay starts from the save folder's";
  if (FindFileNoCase(saveDir, "my.dat"))
    return "the replay starts from " + saveDir.string() + "'s own my.dat, not from " +
           kept.string();
  fs::copy_file(kept, saveDir / "my.dat", ec);
  if (ec) return "cannot copy " + kept.string() + " into " + saveDir.string();
  return std::nullopt;
}

}  // namespace pp
