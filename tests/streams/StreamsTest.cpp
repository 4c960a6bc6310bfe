// The events of forty seeded scripts (walks with automatic clicks, jumps through the world with
// `set`, play by hand with the clock, pointer and keys, the item panel and the shops) must stay
// byte for byte what record.sh wrote: whatever is rebuilt around the game, it plays the same.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "support/SeededRun.h"
#include "support/Files.h"

namespace pp {
namespace {

const std::filesystem::path kHere = std::filesystem::path(PANIPANI_SOURCE_DIR) / "tests/streams";

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<std::filesystem::path> Scripts() {
  std::vector<std::filesystem::path> scripts;
  for (const auto& entry : std::filesystem::directory_iterator(kHere / "scripts"))
    scripts.push_back(entry.path());
  std::sort(scripts.begin(), scripts.end());
  return scripts;
}

class Streams : public testing::TestWithParam<std::filesystem::path> {};

TEST_P(Streams, EqualTheRecordedEvents) {
  const std::string script = ReadAll(GetParam());
  // First line: "# seed N" and, for automatic clicks, "auto-click".
  std::istringstream header(script.substr(0, script.find('\n')));
  std::string hash, word;
  uint32_t seed = 0;
  header >> hash >> word >> seed;
  ASSERT_EQ(word, "seed") << GetParam();
  test::SeededRunOptions options;
  options.autoClick = script.substr(0, script.find('\n')).find("auto-click") != std::string::npos;

  const std::vector<std::string> actual = test::PlaySeeded(script, seed, options);
  const std::vector<std::string> expected =
      Lines(ReadAll(kHere / "expected" / (GetParam().stem().string() + ".jsonl")));
  ASSERT_FALSE(expected.empty());
  for (size_t i = 0; i < std::min(actual.size(), expected.size()); ++i)
    ASSERT_EQ(actual[i], expected[i]) << GetParam().filename() << " event " << i + 1;
  EXPECT_EQ(actual.size(), expected.size()) << GetParam().filename();
}

INSTANTIATE_TEST_SUITE_P(Recorded, Streams, testing::ValuesIn(Scripts()),
                         [](const testing::TestParamInfo<std::filesystem::path>& info) {
                           std::string name = info.param.stem().string();
                           std::replace(name.begin(), name.end(), '-', '_');
                           return name;
                         });

}  // namespace
}  // namespace pp
