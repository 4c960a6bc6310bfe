#include "replay/ReplayFile.h"

#include <charconv>
#include <fstream>
#include <string_view>

namespace pp {
namespace {

constexpr std::string_view kSeedPrefix = "# panipani replay seed ";
constexpr std::string_view kDataMark = " data ";

}  // namespace

std::string FormatReplayHeader(const ReplayHeader& header) {
  return std::string(kSeedPrefix) + std::to_string(header.seed) + std::string(kDataMark) +
         header.dataDir.string();
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
      return header;
    }
  }
  error = path.string() + " line 1: not a recording (it must begin '" + std::string(kSeedPrefix) +
          "N" + std::string(kDataMark) + "DIR')";
  return std::nullopt;
}

}  // namespace pp
