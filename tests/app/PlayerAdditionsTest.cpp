// The options screen, the first run's hint, and that the player's additions never change the
// game.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "app/Additions.h"
#include "app/Launch.h"
#include "app/Program.h"
#include "app/TestData.h"
#include "core/AtomicFile.h"
#include "extras/options/OptionsLayout.h"
#include "gfx/Text.h"
#include "lang/DisplayLanguage.h"
#include "platform/OutputLevel.h"
#include "platform/WindowControls.h"
#include "platform/headless/HeadlessHost.h"
#include "settings/Settings.h"
#include "support/RecordingSpeaker.h"
#include "support/SeededRun.h"
#include "support/TestHost.h"

namespace pp {
namespace {

namespace fs = std::filesystem;
using Type = HostEvent::Type;
using test::Event;

class FakeWindow final : public WindowControls {
 public:
  bool Fullscreen() const override { return fullscreen; }
  void SetFullscreen(bool on) override { fullscreen = on; }
  int Scale() const override { return scale; }
  int LargestScale() const override { return 4; }
  void SetScale(int s) override { scale = s; }

  bool fullscreen = false;
  int scale = 2;
};

HostEvent Key(int code) { return Event(Type::Key, 0, 0, code); }

// The window's rows: language, text backing, reduce flashing, speech, auto mode, auto speed,
// volume, sound, window scale, fullscreen, keys help, close.
constexpr int kRows = 12;
constexpr int kVolumeRow = 6, kSoundRow = 7, kScaleRow = 8, kHelpRow = 10;
constexpr int kBoxEdge = 0x8A7A50;

int RowY(int row) { return options::RowTop(kRows, row) + options::kRowHeight / 2; }

class PlayerAdditions : public ::testing::Test {
 protected:
  PlayerAdditions()
      : folder_(fs::temp_directory_path() / ("panipani-options-" + std::to_string(getpid()))),
        settings_(Settings::Load(folder_ / "settings.ini", warnings_)),
        language_(Catalogue{}, DisplayLanguage::Mode::Japanese),
        host_(inner_) {
    config_.language = &language_;
    PlayerSetup setup;
    setup.text = &text_;
    setup.settings = &settings_;
    setup.warnings = &warnings_;
    setup.speaker = std::make_unique<test::RecordingSpeaker>(spoken_);
    setup.volume = &volume_;
    setup.window = &window_;
    AddPlayerAdditions(host_, config_, std::move(setup));
    host_.Present(Surface(kPictureWidth, kPictureHeight, Hex(0x808080)));
  }
  ~PlayerAdditions() override { fs::remove_all(folder_); }

  // Plays `input` through the additions; the first input that reaches the game.
  HostEvent Play(std::vector<HostEvent> input) {
    inner_.script.assign(input.begin(), input.end());
    inner_.script.push_back(Event(Type::Tick));
    return host_.WaitEvent();
  }
  std::string File() const { return ReadWholeFile(folder_ / "settings.ini").value_or(""); }
  bool BoxShown() const {
    return inner_.lastFrame.Pixel(options::kBoxLeft, options::BoxTop(kRows)) == Hex(kBoxEdge);
  }

  fs::path folder_;
  std::ostringstream warnings_;
  Settings settings_;
  DisplayLanguage language_;
  GameConfig config_;
  TextRenderer text_;
  std::shared_ptr<std::vector<std::string>> spoken_ = std::make_shared<std::vector<std::string>>();
  OutputLevel volume_;
  FakeWindow window_;
  TestHost inner_;
  ExtrasHost host_;
};

TEST_F(PlayerAdditions, TheOptionsScreenWorksByKeysAndEachChangeIsWrittenAtOnce) {
  // F2 opens it (the pad's Start arrives as F2, its d-pad as the arrows, A as Space, B as
  // Escape); the game waits: the press of a button never reaches it, time does.
  EXPECT_EQ(Play({Key(HostKey::kF2), Event(Type::Choose, 0, 0, 3)}).type, Type::Tick);
  EXPECT_TRUE(BoxShown());
  EXPECT_NE(inner_.lastFrame.Pixel(5, 5), Hex(0x808080)) << "the picture behind is dimmed";
  Play({Key(HostKey::kDown), Key(HostKey::kRight), Key(HostKey::kDown), Key(HostKey::kSpace)});
  EXPECT_TRUE(config_.drawing->textBacking && config_.drawing->reduceFlashing);
  EXPECT_EQ(File(), "text-backing = true\nreduce-flashing = true\n");
  // Up wraps round to the closing row; Enter there closes.
  Play({Key(HostKey::kUp), Key(HostKey::kUp), Key(HostKey::kUp), Key(HostKey::kEnter)});
  EXPECT_FALSE(BoxShown());
  EXPECT_EQ(Play({Key(HostKey::kSpace)}).value, HostKey::kSpace) << "closed: keys reach the game";

  // Speech on, auto mode on at a slower speed, the language read: the words follow it.
  Play({Key(HostKey::kF2), Key(HostKey::kDown), Key(HostKey::kDown), Key(HostKey::kDown),
        Key(HostKey::kRight), Key(HostKey::kDown), Key(HostKey::kPadEnter), Key(HostKey::kDown),
        Key(HostKey::kLeft), Key(HostKey::kDown), Key(HostKey::kLeft), Key(HostKey::kLeft)});
  EXPECT_NE(File().find("speak = true\nauto-advance = true\nauto-reading-ms = 1600\n"
                        "auto-reading-ms-per-character = 70\nvolume = 80\n"),
            std::string::npos)
      << File();
  EXPECT_EQ(volume_.percent(), 80);
  for (int i = 0; i < 6; ++i) Play({Key(HostKey::kUp)});
  Play({Key(HostKey::kRight)});
  EXPECT_EQ(language_.mode(), DisplayLanguage::Mode::English);
  EXPECT_NE(File().find("language = en\n"), std::string::npos);
  EXPECT_EQ(Play({Key(HostKey::kEscape)}).type, Type::Tick);
  EXPECT_EQ(warnings_.str(), "");
}

TEST_F(PlayerAdditions, TheOptionsScreenWorksByMouseAndOpensTheKeysHelp) {
  const int value = options::kBarX + 1;
  // Pointing chooses a row, a click steps it: the volume takes the cell under the pointer.
  Play({Key(HostKey::kF2), Event(Type::MouseMove, 100, RowY(kVolumeRow)),
        Event(Type::MouseDown, options::kBarX + 4 * (options::kCellWidth + options::kCellGap) + 2,
              RowY(kVolumeRow))});
  EXPECT_EQ(volume_.percent(), 50);
  // The sound goes off through the game's own mute key, as if M were pressed.
  const HostEvent muted = Play({Event(Type::MouseDown, value, RowY(kSoundRow))});
  EXPECT_EQ(muted.type, Type::Key);
  EXPECT_EQ(muted.value, kMuteKey);
  Play({Event(Type::MouseDown, value, RowY(kScaleRow)),
        Event(Type::MouseDown, value, RowY(kScaleRow + 1))});
  EXPECT_EQ(window_.scale, 3);
  EXPECT_TRUE(window_.fullscreen);
  EXPECT_EQ(File(), "volume = 50\nmute = true\nscale = 3\nfullscreen = true\n");
  // A click at a value's left end steps it back.
  Play({Event(Type::MouseDown, options::kValueX + 2, RowY(kScaleRow))});
  EXPECT_EQ(window_.scale, 2);

  // The keys help opens over it; any key closes the help and the options show again.
  Play({Event(Type::MouseDown, 100, RowY(kHelpRow))});
  EXPECT_FALSE(BoxShown());
  Play({Key(HostKey::kSpace)});
  EXPECT_TRUE(BoxShown());
  // A click outside the box closes it.
  EXPECT_EQ(Play({Event(Type::MouseDown, 2, 2)}).type, Type::Tick);
  EXPECT_FALSE(BoxShown());

  // Escape is the item panel's while it is open, the options' otherwise.
  host_.Report(PanelEvent{"使う", {}});
  EXPECT_EQ(Play({Key(HostKey::kEscape)}).value, HostKey::kEscape);
  host_.Report(PanelHiddenEvent{});
  EXPECT_EQ(Play({Key(HostKey::kEscape)}).type, Type::Tick);
  EXPECT_TRUE(BoxShown());
}

// What the options stored wins at the end unless the player changed it again afterwards (F11):
// then the value at the end is kept.
TEST(PlayerAdditionsLaunch, TheValueAtTheEndIsWhatTheRunKeeps) {
  test::TempData temp;
  const fs::path file = temp.root / "settings.ini";
  ProgramOptions o;
  o.dataDir = temp.dataDir;
  o.settingsFile = file;
  std::ostringstream warnings;
  LaunchResult r = PrepareLaunch(
      o, UserEnvironment{(temp.root / "home").string(), "", "", temp.root / "bin", ""}, warnings);
  ASSERT_EQ(r.error, "");
  r.launch.settings->Set(SettingKeys::kFullscreen, true);
  ASSERT_EQ(r.launch.settings->Save(), std::nullopt);
  RememberChoices(r.launch, false, false, warnings);
  EXPECT_EQ(ReadWholeFile(file), "fullscreen = false\n");
}

TEST(WelcomeHint, ShowsOnASaveFoldersFirstRunUntilTheFirstButtonIsPressed) {
  test::TempData temp;
  GameConfig config = temp.Config();
  ASSERT_TRUE(IsFirstRun(config.saveDir));
  TestHost inner;
  ExtrasHost host(inner);
  TextRenderer text;
  PlayerSetup setup;
  setup.text = &text;
  setup.firstRun = true;
  AddPlayerAdditions(host, config, std::move(setup));
  const Surface plain(kPictureWidth, kPictureHeight, Hex(0xFFFFFF));
  auto bandAt = [&](int y) {
    host.Present(plain);
    return inner.lastFrame.Pixel(0, y) != Hex(0xFFFFFF);
  };
  EXPECT_TRUE(bandAt(2) && !bandAt(kPictureHeight - 2)) << "over the title: at the top";
  host.Report(ChoicesEvent{{"", "", "旅立つ"}});
  EXPECT_TRUE(!bandAt(2) && bandAt(kPictureHeight - 2)) << "the login screen: at the foot";
  host.Report(ChosenEvent{3, "旅立つ"});
  EXPECT_FALSE(bandAt(kPictureHeight - 2)) << "gone once the player began";

  // A run leaves my.dat behind: the next run is not the first.
  std::istringstream script("tick 5\nclose\n");
  std::ostringstream events;
  HeadlessHost headless(script, events, true);
  ASSERT_EQ(RunGame(headless, config, 1), 0);
  EXPECT_FALSE(IsFirstRun(config.saveDir));
}

// A long seeded run through every player addition, the options screen opened now and then to
// switch the drawing options and the sound, gives the very events of the run without them.
TEST(PlayerAdditionsRun, ASeededRunGivesTheSameEventsWithTheOptionsSwitched) {
  const std::string plainScript = test::LongScript(150);
  std::string optionsScript;
  std::istringstream lines(plainScript);
  int line = 0;
  for (std::string text; std::getline(lines, text);) {
    optionsScript += text + "\n";
    // Rows without a language, speech, volume or window: text backing, reduce flashing, auto
    // mode, auto speed, sound, keys help, close.
    if (text.starts_with("tick") && ++line % 50 == 0)
      optionsScript +=
          "key f2\nkey right\nkey down\nkey right\nkey down\nkey down\nkey down\n"
          "key right\nkey escape\nkey f2\nkey escape\n";
  }
  const std::vector<std::string> plain = test::PlaySeeded(plainScript, 5);

  test::SeededRunOptions options;
  GameConfig shared;
  options.configure = [&shared](GameConfig& c) { shared = c; };
  TextRenderer text;
  options.addExtras = [&](ExtrasHost& host) {
    PlayerSetup setup;
    setup.text = &text;
    setup.firstRun = true;
    AddPlayerAdditions(host, shared, std::move(setup));
  };
  const std::vector<std::string> withOptions = test::PlaySeeded(optionsScript, 5, options);
  ASSERT_GT(plain.size(), 300u);
  EXPECT_EQ(plain, withOptions);
  EXPECT_TRUE(shared.drawing->reduceFlashing) << "the options reached the game's drawing";
}

}  // namespace
}  // namespace pp
