// Linked into every test program: before any test runs, HOME and the XDG folders point into the
// build folder, so that nothing a test starts (the program included) reads or writes a player's
// saves and settings, under CTest or run by hand.

#include <stdlib.h>

#include <filesystem>

namespace {

[[maybe_unused]] const bool kScratchHome = [] {
  const std::filesystem::path home = std::filesystem::path(PANIPANI_BINARY_DIR) / "test-home";
  std::error_code ec;
  std::filesystem::create_directories(home, ec);
  setenv("HOME", home.c_str(), 1);
  setenv("XDG_DATA_HOME", (home / ".local" / "share").c_str(), 1);
  setenv("XDG_CONFIG_HOME", (home / ".config").c_str(), 1);
  return true;
}();

}  // namespace
