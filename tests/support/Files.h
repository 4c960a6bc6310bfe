#pragma once
// Reading the files a test compares.

#include <filesystem>
#include <string>

#include "core/AtomicFile.h"

namespace pp {

// The bytes of `path`; empty when it cannot be read (the comparison then fails).
inline std::string ReadAll(const std::filesystem::path& path) {
  return ReadWholeFile(path).value_or("");
}

}  // namespace pp
