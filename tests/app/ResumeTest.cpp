// Continuing a run the player left: closed at any point, it continues to exactly where the run
// would have gone; refused when the recording is of another version or data folder; abandoned,
// with the save kept, when the replay does not arrive at the save the run left.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "app/Resume.h"
#include "core/AtomicFile.h"
#include "platform/headless/HeadlessHost.h"
#include "state/SaveFile.h"
#include "state/StateFields.h"
#include "support/Scratch.h"
#include "support/Files.h"

namespace pp {
namespace {

namespace fs = std::filesystem;

// Played by hand: time passes, the buttons are pressed, the panel opens.
std::string HandScript() {
  std::string s = "tick 60\nclick\ntick 60\nclick\ntick 60\nchoose 3\ntick 40\n";
  for (int i = 0; i < 120; ++i) {
    s += "tick " + std::to_string(3 + i % 11) + "\n";
    s += i % 5 == 4 ? "click\n" : "choose " + std::to_string(3 - (i * 7) % 3) + "\n";
    if (i % 13 == 6) s += "panel close\n";
  }
  return s;
}

struct Outcome {
  std::vector<std::string> events;
  std::string state;  // the closing state's JSON
  int status = -1;
};

// One start of the program on `saveDir`: `script` played on the headless host as the window's
// input, continuing a left run when there is one.
Outcome Start(const fs::path& saveDir, const std::string& script, uint32_t freshSeed) {
  Outcome o;
  std::istringstream in(script);
  std::ostringstream out;
  HeadlessHost host(in, out);
  GameConfig config;
  config.dataDir = std::getenv("PANIPANI_DATA");
  config.saveDir = saveDir;
  o.status = RunContinuable(host, config, freshSeed,
                            [&o](const Game& g) { o.state = StateJson(g.state); });
  std::istringstream lines(out.str());
  for (std::string line; std::getline(lines, line);) o.events.push_back(line);
  return o;
}

// The script's commands, one a line.
std::vector<std::string> Commands(const std::string& script) {
  std::vector<std::string> out;
  std::istringstream in(script);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

std::string Join(const std::vector<std::string>& lines, size_t from, size_t to) {
  std::string out;
  for (size_t i = from; i < to; ++i) out += lines[i] + "\n";
  return out;
}

TEST(Resume, ARunClosedAnywhereContinuesToWhereItWouldHaveGone) {
  const std::vector<std::string> commands = Commands(HandScript());
  const fs::path whole = test::ScratchPath("whole");
  const Outcome uninterrupted = Start(whole, Join(commands, 0, commands.size()), 777);
  ASSERT_EQ(uninterrupted.status, 0);
  const std::string finalSave = ReadAll(whole / "my.dat");

  for (size_t cut : {commands.size() / 3, commands.size() / 2, commands.size() - 5}) {
    SCOPED_TRACE(cut);
    const fs::path saveDir = test::ScratchPath("left");
    const Outcome first = Start(saveDir, Join(commands, 0, cut), 777);
    ASSERT_TRUE(fs::exists(RunRecordingPath(saveDir))) << "closed in the middle: kept";
    // The next start (another fresh seed) catches up, is asked, and goes on.
    const Outcome second =
        Start(saveDir, "confirm yes\n" + Join(commands, cut, commands.size()), 5);
    EXPECT_EQ(second.state, uninterrupted.state);
    EXPECT_EQ(ReadAll(saveDir / "my.dat"), finalSave);
    // The events after the catch-up are the uninterrupted run's last ones.
    ASSERT_LE(second.events.size(), uninterrupted.events.size());
    const size_t tail = second.events.size() - 2;  // less the choices and panel told again
    EXPECT_TRUE(std::equal(second.events.end() - static_cast<long>(tail), second.events.end(),
                           uninterrupted.events.end() - static_cast<long>(tail)));
    EXPECT_FALSE(fs::exists(saveDir / ".catch-up"));
    fs::remove_all(saveDir);
  }
  fs::remove_all(whole);
}

TEST(Resume, NoRunIsContinuedOnAnotherVersionOrDataFolderOrWhenThePlayerSaysNo) {
  const std::vector<std::string> commands = Commands(HandScript());
  const std::string firstHalf = Join(commands, 0, commands.size() / 2);
  const fs::path saveDir = test::ScratchPath("refused");
  const fs::path recording = RunRecordingPath(saveDir);

  Start(saveDir, firstHalf, 11);
  std::string text = ReadAll(recording);
  const std::string version = "# panipani version " + std::string(kProgramVersion);
  ASSERT_NE(text.find(version), std::string::npos);
  text.replace(text.find(version), version.size(), "# panipani version 0.0.1");
  ASSERT_FALSE(WriteFileAtomic(recording, text));
  std::string note;
  EXPECT_FALSE(FindLeftRun(saveDir, std::getenv("PANIPANI_DATA"), note));
  EXPECT_NE(note.find("another version (0.0.1)"), std::string::npos) << note;

  Start(saveDir, firstHalf, 11);
  EXPECT_FALSE(FindLeftRun(saveDir, saveDir, note));
  EXPECT_NE(note.find("another data folder"), std::string::npos) << note;

  // Asked, the player wants a new character: the recording goes, the save stays.
  const Outcome declined = Start(saveDir, "confirm no\nclose\n", 12);
  EXPECT_EQ(declined.status, 0);
  EXPECT_EQ(declined.state.find("\"titlePhase\":1"), std::string::npos) << "a new start";
  EXPECT_FALSE(fs::exists(recording)) << "closed before any run: nothing to continue";
  EXPECT_NE(ReadAll(saveDir / "my.dat"), "");
  fs::remove_all(saveDir);
}

TEST(Resume, AReplayThatMissesTheSaveIsAbandonedAndTheSaveKept) {
  const std::vector<std::string> commands = Commands(HandScript());
  const fs::path saveDir = test::ScratchPath("missed");
  Start(saveDir, Join(commands, 0, commands.size() / 2), 21);
  // The save no longer is the one the run left (another program wrote it, say).
  GameState s;
  ASSERT_FALSE(ParseMyDat(ReadAll(saveDir / "my.dat"), s));
  s.deathCount += 1;
  const std::string changed = SerializeMyDat(s);
  ASSERT_FALSE(WriteFileAtomic(saveDir / "my.dat", changed));
  const Outcome next = Start(saveDir, "close\n", 22);
  EXPECT_EQ(next.status, 0);
  EXPECT_EQ(next.state.find("\"titlePhase\":1"), std::string::npos) << "a new start";
  EXPECT_FALSE(fs::exists(saveDir / ".catch-up"));
  GameState after;
  ASSERT_FALSE(ParseMyDat(ReadAll(saveDir / "my.dat"), after));
  EXPECT_EQ(after.deathCount, s.deathCount) << "the records the folder held are kept";
  fs::remove_all(saveDir);
}

TEST(Resume, TrimmingDropsTheCloseAndACutOffLine) {
  const fs::path file = test::ScratchPath("trim");
  std::ofstream(file) << "# panipani replay seed 1 data /d\ntick 5\nclick\nclose\n";
  EXPECT_TRUE(TrimForContinuing(file));
  EXPECT_EQ(ReadAll(file), "# panipani replay seed 1 data /d\ntick 5\nclick\n");
  std::ofstream(file) << "tick 5\nchoose 3\nmouse mo";
  EXPECT_FALSE(TrimForContinuing(file));
  EXPECT_EQ(ReadAll(file), "tick 5\nchoose 3\n");
  fs::remove(file);
}

}  // namespace
}  // namespace pp
