// The English layer around the game: what is drawn, logged, hooked and spoken in each language,
// and that no language changes the game.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "extras/ExtrasHost.h"
#include "extras/LanguageSwitch.h"
#include "extras/ReadAloud.h"
#include "extras/TextHook.h"
#include "extras/log/LogExtra.h"
#include "game/Game.h"
#include "gfx/Text.h"
#include "lang/DisplayLanguage.h"
#include "support/RecordingSpeaker.h"
#include "support/Scratch.h"
#include "support/SeededRun.h"
#include "support/TestHost.h"
#include "ui/ChoiceButtons.h"
#include "ui/Choices.h"
#include "ui/MessageColours.h"
#include "ui/Messages.h"
#include "ui/Renderer.h"
#include "support/Files.h"

namespace pp {
namespace {

namespace fs = std::filesystem;
using Mode = DisplayLanguage::Mode;

const fs::path kSource = PANIPANI_SOURCE_DIR;

Catalogue Shipped() { return Catalogue::Load(kSource / "data/lang/en.po"); }

bool SamePixels(const Surface& a, const Surface& b) {
  return a.width() == b.width() && a.height() == b.height() &&
         std::equal(a.data(), a.data() + size_t(a.width()) * a.height(), b.data());
}

// A catalogue of a few entries, written to a scratch file.
fs::path WriteCatalogue(const std::string& entries) {
  const fs::path path = test::ScratchPath("en.po");
  std::ofstream(path) << "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n\n"
                      << entries;
  return path;
}

// The events of `name`'s recorded script played with `seed` in `mode`, with every addition that
// follows the language when `additions`; `hooked` gets the hook's lines.
std::vector<std::string> Play(const std::string& name, Mode mode, bool additions,
                              std::ostringstream& hooked) {
  const std::string script = ReadAll(kSource / "tests/streams/scripts" / (name + ".txt"));
  uint32_t seed = 0;
  std::istringstream(script.substr(7)) >> seed;
  DisplayLanguage language(Shipped(), mode);
  auto said = std::make_shared<std::vector<std::string>>();
  TextRenderer text;
  test::SeededRunOptions options;
  options.autoClick = script.find("auto-click") < script.find('\n');
  options.configure = [&](GameConfig& c) { c.language = &language; };
  if (additions)
    options.addExtras = [&](ExtrasHost& h) {
      h.Add(std::make_unique<LogExtra>(text, &language));
      h.Add(std::make_unique<TextHook>(hooked, nullptr, &language));
      h.Add(std::make_unique<ReadAloud>(std::make_unique<test::RecordingSpeaker>(said), true,
                                        &language));
      h.Add(std::make_unique<LanguageSwitch>(language, text, [] { return int64_t{0}; }));
    };
  return test::PlaySeeded(script, seed, options);
}

TEST(English, NoLanguageChangesTheGame) {
  for (const std::string name : {"walk-01", "hand-02", "panel-03", "jump-04"}) {
    std::vector<std::string> recorded;
    std::istringstream lines(ReadAll(kSource / "tests/streams/expected" / (name + ".jsonl")));
    for (std::string line; std::getline(lines, line);) recorded.push_back(line);
    std::ostringstream japaneseHook;
    const std::vector<std::string> japanese = Play(name, Mode::Japanese, true, japaneseHook);
    for (Mode mode : {Mode::English, Mode::Both}) {
      std::ostringstream hooked, unused;
      EXPECT_EQ(Play(name, mode, false, unused), recorded) << name << " drawn only";
      EXPECT_EQ(Play(name, mode, true, hooked), japanese) << name << " with the additions";
      EXPECT_NE(hooked.str(), japaneseHook.str()) << name << " hooks the language read";
    }
  }
}

// A game with the shipped catalogue in `mode`, on the login screen's scene.
struct Drawn {
  explicit Drawn(Mode mode) : language(Shipped(), mode) {
    GameConfig config;
    config.dataDir = std::getenv("PANIPANI_DATA");
    config.language = &language;
    game = std::make_unique<Game>(host, config, 1);
    game->state.titlePhase = 0;
    game->state.statusSlideX = 0;
  }
  // Pixels of `colour` in rows [top, bottom) of the picture.
  int Lit(Color colour, int top, int bottom) const {
    int n = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = 0; x < 390; ++x) n += game->cg.Pixel(x, y) == colour;
    return n;
  }
  DisplayLanguage language;
  TestHost host;
  std::unique_ptr<Game> game;
};

TEST(English, AWrappedMessageRisesWholeAndLiftsTheOlderLines) {
  // A red line, then a plain one whose English wraps to two rows under it.
  const std::string longLine = "どこにでも転がっている普通の石。何かの穴にぴったり合いそうだ";
  for (Mode mode : {Mode::Japanese, Mode::English}) {
    Drawn d(mode);
    AddColorMessage(*d.game, "宝箱だ！！", "red");
    AddMessage(*d.game, longLine);
    RenderFrame(*d.game);
    const Color red = MessageColour(307, d.game->state.overlayRing[1].age);
    // The red line stands 10 pixels above the newest in Japanese; in English the newest takes
    // two rows, so the red line stands 20 pixels above it.
    const int lowest = d.game->state.overlayRing[2].y - d.game->state.overlayRing[2].age;
    const int redTop = mode == Mode::Japanese ? lowest - 10 : lowest - 20;
    EXPECT_GT(d.Lit(red, redTop, redTop + 11), 20) << DisplayModeName(mode);
    EXPECT_EQ(d.Lit(red, redTop + 11, 260), 0) << DisplayModeName(mode);
  }
}

TEST(English, LabelsAndStatusAreDrawnFromTheCatalogueAndJapaneseStaysAsItWas) {
  Drawn japanese(Mode::Japanese), english(Mode::English), both(Mode::Both);
  GameConfig plain;
  plain.dataDir = std::getenv("PANIPANI_DATA");
  TestHost host;
  Game none(host, plain, 1);
  none.state.titlePhase = 0;
  none.state.statusSlideX = 0;
  for (Game* g : {&none, japanese.game.get(), english.game.get(), both.game.get()}) {
    SetChoices(*g, "", "アイテム", "冒険!!!!");
    g->state.choiceSlide = 0;
    RenderFrame(*g);
  }
  EXPECT_TRUE(SamePixels(japanese.game->cg, none.cg))
      << "Japanese draws exactly what no language draws";
  EXPECT_FALSE(SamePixels(english.game->cg, none.cg));
  EXPECT_TRUE(SamePixels(english.game->cg, both.game->cg))
      << "without messages both languages draw English";

  // The third button's label is the catalogue's English, drawn as the game draws a label in the
  // Latin face.
  const std::string label = english.language.Shown("冒険!!!!", "choice");
  ASSERT_NE(label, "冒険!!!!");
  Game& g = *english.game;
  const int width = g.text.Width(label, 10, true, Face::Latin), height = g.text.Height(10);
  Surface expected(width, height, 0);
  g.text.Draw(expected, 0, 0, label,
              TextStyle{10, true, ChoiceGlow(g.state.frameCounter), true, 0, Face::Latin});
  const int left = 256 + 5, top = 220 + 12 - height / 2;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      ASSERT_EQ(g.cg.Pixel(left + x, top + y), expected.Pixel(x, y)) << x << "," << y;
}

TEST(English, TheHookTheLogAndSpeechFollowTheLanguage) {
  DisplayLanguage language(Shipped(), Mode::Japanese);
  std::ostringstream hooked;
  auto said = std::make_shared<std::vector<std::string>>();
  TextRenderer text;
  TestHost inner;
  ExtrasHost host(inner);
  host.Add(std::make_unique<TextHook>(hooked, nullptr, &language));
  host.Add(
      std::make_unique<ReadAloud>(std::make_unique<test::RecordingSpeaker>(said), true, &language));
  LogExtra& log = host.Add(std::make_unique<LogExtra>(text, &language));
  const GameEvent line = MessageEvent{4, "plain", 0, "宝箱だ！！"};
  const GameEvent labels = ChoicesEvent{{"", "開ける", "放置する"}};
  for (Mode mode : {Mode::Japanese, Mode::English, Mode::Both}) {
    language.SetMode(mode);
    host.Report(line);
    host.Report(labels);
    host.Report(ClickWaitEvent{});
  }
  const std::string chest = *language.English("宝箱だ！！", "message");
  const std::string open = language.Shown("開ける", "choice");
  const std::string leave = language.Shown("放置する", "choice");
  EXPECT_EQ(hooked.str(), "宝箱だ！！\n開ける / 放置する\n" + chest + "\n" + open + " / " + leave +
                              "\n宝箱だ！！\t" + chest + "\n開ける / 放置する\t" + open + " / " +
                              leave + "\n");
  // The labels are read when they change: here only the first time.
  EXPECT_EQ(*said, (std::vector<std::string>{"say 宝箱だ！！", "say 開ける、放置する", "cancel",
                                             "say:en " + chest, "cancel", "say 宝箱だ！！",
                                             "say:en " + chest}));
  // The log shows its lines in the language read when it is looked at.
  host.Present(Surface(390, 260, 0));
  language.SetMode(Mode::English);
  inner.script = {};
  HostEvent key;
  key.type = HostEvent::Type::Key;
  key.value = HostKey::kL;
  inner.script.push_back(key);
  inner.script.push_back(HostEvent{});
  EXPECT_EQ(host.WaitEvent().type, HostEvent::Type::Tick);
  ASSERT_TRUE(log.open());
  EXPECT_EQ(log.view().row(0).text, chest);
  language.SetMode(Mode::Both);
  host.Present(Surface(390, 260, 0));
  EXPECT_EQ(log.view().row(0).text, "宝箱だ！！");
  EXPECT_EQ(log.view().row(1).text, chest);
}

TEST(English, TCyclesTheLanguageAndTheQuestionIsAskedInIt) {
  DisplayLanguage language(Shipped(), Mode::Japanese);
  TextRenderer text;
  int64_t now = 0;
  TestHost inner;
  ExtrasHost host(inner);
  host.Add(std::make_unique<LanguageSwitch>(language, text, [&now] { return now; }));
  HostEvent t;
  t.type = HostEvent::Type::Key;
  t.value = HostKey::kT;
  inner.script = {t, t, t, HostEvent{}};
  EXPECT_EQ(host.WaitEvent().type, HostEvent::Type::Tick) << "T never reaches the game";
  EXPECT_EQ(language.mode(), Mode::Japanese) << "three presses went round";

  const std::string question =
      "【!!】全てのゲームデータを完全初期化しますがよろしいですか？\r"
      "(※この初期化は、クリア回数やエンディングデータなど全てを初期化するものです。)";
  host.ConfirmYesNo(question);
  language.SetMode(Mode::English);
  host.ConfirmYesNo(question);
  ASSERT_EQ(inner.confirms.size(), 2u);
  EXPECT_EQ(inner.confirms[0], question);
  EXPECT_EQ(inner.confirms[1].find("【"), std::string::npos) << inner.confirms[1];
  EXPECT_NE(inner.confirms[1].find('\r'), std::string::npos) << "the two sentences stay apart";
}

TEST(English, AChangedCatalogueIsReadAgainAndItsFaultIsNamed) {
  const fs::path file = WriteCatalogue("msgid \"宝箱だ！！\"\nmsgstr \"A chest!!\"\n");
  DisplayLanguage language(Catalogue::Load(file), Mode::English);
  TextRenderer text;
  LanguageSwitch watcher(
      language, text, [] { return int64_t{0}; }, file);
  EXPECT_EQ(language.Shown("宝箱だ！！", "message"), "A chest!!");
  std::ofstream(file, std::ios::app) << "\nmsgid \"罠だ！！\"\nmsgstr \"A trap {n}!!\"\n";
  fs::last_write_time(file, fs::last_write_time(file) + std::chrono::seconds(2));
  EXPECT_FALSE(watcher.Due(LanguageSwitch::kWatchEveryMs));
  EXPECT_EQ(language.Shown("宝箱だ！！", "message"), "A chest!!") << "the good entry stays";
  EXPECT_EQ(language.Shown("罠だ！！", "message"), "罠だ！！") << "the faulty one falls back";
  ASSERT_EQ(language.catalogue().faults().size(), 1u);
  EXPECT_NE(language.catalogue().faults()[0].find(file.filename().string() + ":8:"),
            std::string::npos)
      << language.catalogue().faults()[0];
  EXPECT_TRUE(watcher.Visible()) << "the fault is named on the picture";
  fs::remove(file);
}

}  // namespace
}  // namespace pp
