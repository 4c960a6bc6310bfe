#pragma once
// Data folders made on other systems differ in letter case: names are found case-insensitively.

#include <filesystem>
#include <optional>
#include <string_view>

namespace pp {

// dir/name when it exists; otherwise the one entry of dir whose name equals `name` ignoring
// ASCII case; nullopt when there is none.
std::optional<std::filesystem::path> FindFileNoCase(const std::filesystem::path& dir,
                                                    std::string_view name);

// dataDir/sub/name, each step found case-insensitively.
std::optional<std::filesystem::path> FindDataFile(const std::filesystem::path& dataDir,
                                                  std::string_view sub, std::string_view name);

}  // namespace pp
