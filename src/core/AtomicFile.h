#pragma once
// Replacing a file whole: the new contents go to a temporary file in the same folder, which is
// then renamed over the old file, so a failed write never leaves a half-written file behind.

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace pp {

// Reads the whole of a regular file; nullopt when it cannot be opened or read, or is a folder
// or some other kind of file.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

// Writes `bytes` as the new contents of `path`. Returns an error text naming the file, or
// nothing on success; on failure the old file is left as it was.
std::optional<std::string> WriteFileAtomic(const std::filesystem::path& path,
                                           std::string_view bytes);

// Removes the temporary files that WriteFileAtomic left in `folder` for any of `names` when it
// was killed half-way: regular files named "." + name + "." + six letters or digits, and no
// others. Returns how many were removed.
int RemoveLeftoverTemporaries(const std::filesystem::path& folder,
                              std::span<const std::string> names);

}  // namespace pp
