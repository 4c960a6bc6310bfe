#pragma once
// Scratch files and folders for tests: names in the system's temporary folder that no other test,
// test program or concurrent test run uses.

#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <string>
#include <string_view>

namespace pp::test {

// temp/panipani-NAME-PID-N; nothing is created there.
inline std::filesystem::path ScratchPath(std::string_view name) {
  static std::atomic<int> counter = 0;
  return std::filesystem::temp_directory_path() /
         ("panipani-" + std::string(name) + "-" + std::to_string(::getpid()) + "-" +
          std::to_string(++counter));
}

}  // namespace pp::test
