#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "app/Options.h"
#include "extras/KeyboardChoices.h"
#include "replay/RecordingHost.h"
#include "replay/ReplayFile.h"
#include "support/SeededRun.h"
#include "support/TestHost.h"

namespace pp {
namespace {

using Type = HostEvent::Type;

// A seeded run through the keyboard additions is written as the protocol's own commands, one
// repeated pointer move dropped, the confirmation's answer kept; played again it gives the same
// events.
TEST(Replay, ARecordedRunIsItsOwnScriptAndPlaysBackTheSame) {
  const std::string script =
      "tick 5\nkey space\ntick 5\nclick\ntick 20\nkey down\nkey space\nkey enter\nconfirm no\n"
      "hover 0\nhover 0\nmouse move 300 170\nmouse move 301 171\nmouse down 10 10\nwheel 1\n"
      "state\nclose\n";
  std::ostringstream recording;
  test::SeededRunOptions keyboard;
  keyboard.autoClick = false;
  keyboard.addExtras = [](ExtrasHost& h) { h.Add(std::make_unique<KeyboardChoices>()); };
  keyboard.record = &recording;
  const std::vector<std::string> played = test::PlaySeeded(script, 3, keyboard);

  const std::string data = std::getenv("PANIPANI_DATA") ? std::getenv("PANIPANI_DATA") : "";
  EXPECT_EQ(recording.str(), "# panipani replay seed 3 data " + data +
                                 "\ntick 5\nkey space\ntick 5\nclick\ntick 20\nhover 3\nchoose "
                                 "3\nkey enter\nconfirm no\nhover 0\nhover 1\nclick\nwheel "
                                 "1\nstate\nclose\n");
  test::SeededRunOptions plain;
  plain.autoClick = false;
  EXPECT_EQ(test::PlaySeeded(recording.str(), 3, plain), played);
  EXPECT_NE(
      std::find(played.begin(), played.end(), R"({"ev":"chosen","button":3,"label":"旅立つ"})"),
      played.end());
}

TEST(Replay, RecordingNeverChangesTheGame) {
  const std::string script = test::LongScript(120);
  std::ostringstream recording;
  test::SeededRunOptions recorded;
  recorded.record = &recording;
  const std::vector<std::string> plain = test::PlaySeeded(script, 5);
  ASSERT_GT(plain.size(), 500u);
  EXPECT_EQ(test::PlaySeeded(script, 5, recorded), plain);
  EXPECT_GT(recording.str().size(), 1000u);
}

// A window's ticks come when its clock says: the time the game read at each tick is written
// (`at` where it is not 20 ms after the last), and the script gives the game the same readings.
TEST(Replay, TheClockTheGameReadAtEachTickIsKept) {
  class Clocked : public TestHost {
   public:
    HostEvent WaitEvent() override {
      HostEvent e;
      e.type = next < times.size() ? Type::Tick : Type::Close;
      if (next < times.size()) nowMs = times[next++];
      return e;
    }
    std::vector<int64_t> times{20, 40, 75, 95, 115, 300, 300, 320};
    size_t next = 0;
  } window;
  std::ostringstream out;
  {
    RecordingHost recorder(window, out, {9, "/data dir", ""});
    std::vector<int64_t> seen;
    while (recorder.WaitEvent().type == Type::Tick) seen.push_back(recorder.NowMs());
    EXPECT_EQ(seen, window.times) << "the game reads the window's own clock";
    recorder.NowMs();  // a reading between ticks is not a tick
  }
  EXPECT_EQ(out.str(),
            "# panipani replay seed 9 data /data dir\ntick 2\nat 75\ntick 3\nat 300\ntick\nat "
            "300\ntick 2\nclose\n");

  std::istringstream in(out.str());
  std::vector<std::string> errors;
  CommandScript script(in, [&](const std::string& e) { errors.push_back(e); });
  std::vector<int64_t> replayed;
  while (script.Next().type == Type::Tick) replayed.push_back(script.NowMs());
  EXPECT_EQ(replayed, window.times);
  EXPECT_TRUE(errors.empty());
}

TEST(Replay, HeadersCommentsAndTheClockAreCheckedAsRead) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("panipani-replay-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  auto file = [&](const std::string& name, const std::string& text) {
    std::ofstream(dir / name, std::ios::binary) << text;
    return dir / name;
  };
  std::string error;
  const ReplayHeader written{4294967295u, "/a folder/with spaces", "2.1.0"};
  auto header = ReadReplayHeader(file("good", FormatReplayHeader(written) + "\r\ntick\n"), error);
  ASSERT_TRUE(header) << error;
  EXPECT_EQ(header->seed, written.seed);
  EXPECT_EQ(header->dataDir, written.dataDir);
  EXPECT_EQ(header->version, "2.1.0");
  header = ReadReplayHeader(file("older", "# panipani replay seed 5 data /d\ntick\n"), error);
  ASSERT_TRUE(header) << error;
  EXPECT_EQ(header->version, "") << "a recording from before versions were named";
  for (const char* bad :
       {"tick 5\n", "# panipani replay seed x data d\n",
        "# panipani replay seed 99999999999 data d\n", "# panipani replay seed 1 data \n", ""}) {
    EXPECT_FALSE(ReadReplayHeader(file("bad", bad), error)) << bad;
    EXPECT_NE(error.find((dir / "bad").string()), std::string::npos) << error;
  }
  EXPECT_FALSE(ReadReplayHeader(dir / "missing", error));
  EXPECT_NE(error.find("missing"), std::string::npos);

  // The starting save goes beside the recording and into a replay's empty save folder, never
  // over a save that is there.
  const std::filesystem::path save = dir / "save", fresh = dir / "fresh", data = dir / "data";
  std::filesystem::create_directories(save);
  std::filesystem::create_directories(fresh);
  std::filesystem::create_directories(data / "dat");
  file("save/My.DAT", "played");
  file("data/dat/my.dat", "shipped");
  EXPECT_FALSE(KeepStartingSave(dir / "run", save, data));
  EXPECT_TRUE(RestoreStartingSave(dir / "run", save)) << "the folder's own save stays";
  EXPECT_FALSE(RestoreStartingSave(dir / "run", fresh));
  auto read = [](const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  };
  EXPECT_EQ(read(fresh / "my.dat"), "played");
  EXPECT_EQ(read(save / "My.DAT"), "played");
  EXPECT_FALSE(KeepStartingSave(dir / "new", fresh / "none", data)) << "no save: the data's";
  EXPECT_EQ(read(dir / "new.my.dat"), "shipped");
  EXPECT_TRUE(RestoreStartingSave(dir / "other", fresh / "none"));
  std::filesystem::remove_all(dir);

  // Comments are skipped; the clock never runs backwards.
  std::istringstream in("# a comment\n   # another\ntick\nat 10\nat 100\ntick 2\nkey nosuch\n");
  std::vector<std::string> errors;
  CommandScript script(in, [&](const std::string& e) { errors.push_back(e); });
  std::vector<int64_t> times;
  while (script.Next().type == Type::Tick) times.push_back(script.NowMs());
  EXPECT_EQ(times, (std::vector<int64_t>{20, 100, 120}));
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_EQ(errors[0], "at: the clock already reads 20: at 10");
  EXPECT_EQ(errors[1], "command not understood: key nosuch");

  const std::vector<std::string_view> refused[] = {
      {"--replay", "r"},
      {"--replay", "r", "--save-dir", "d", "--seed", "1"},
      {"--replay", "r", "--save-dir", "d", "--headless", "--auto-click"},
      {"--replay-speed", "2"},
      {"--replay", "r", "--save-dir", "d", "--replay-speed", "0"},
      {"--replay", "r", "--save-dir", "d", "--headless", "--replay-speed", "2"},
      {"--replay", "r", "--save-dir", "d", "--record", "r"},
  };
  for (const auto& args : refused) EXPECT_NE(ParseOptions(args).error, "") << args[0];
  const std::vector<std::string_view> fine = {"--replay",       "r", "--save-dir", "d",
                                              "--replay-speed", "8", "--record",   "s",
                                              "--final-state",  "f"};
  const OptionsResult ok = ParseOptions(fine);
  EXPECT_EQ(ok.error, "");
  EXPECT_EQ(ok.options.replaySpeed, 8);
  EXPECT_EQ(ok.options.finalStatePath, std::filesystem::path("f"));
}

}  // namespace
}  // namespace pp
