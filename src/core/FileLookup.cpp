#include "core/FileLookup.h"

#include <system_error>

namespace pp {
namespace {

bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

}  // namespace

std::optional<std::filesystem::path> FindFileNoCase(const std::filesystem::path& dir,
                                                    std::string_view name) {
  std::error_code ec;
  std::filesystem::path exact = dir / std::filesystem::path(std::string(name));
  if (std::filesystem::exists(exact, ec)) return exact;
  for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    if (EqualNoCase(it->path().filename().string(), name)) return it->path();
  }
  return std::nullopt;
}

std::optional<std::filesystem::path> FindDataFile(const std::filesystem::path& dataDir,
                                                  std::string_view sub, std::string_view name) {
  auto folder = FindFileNoCase(dataDir, sub);
  if (!folder) return std::nullopt;
  return FindFileNoCase(*folder, name);
}

}  // namespace pp
