#include <gtest/gtest.h>

#include <string>

#include "state/ScoreReport.h"

#include "core/Cp932.h"

namespace pp {
namespace {

// The report read back as UTF-8.
std::string Utf8Report(const GameState& s) {
  return Cp932ToUtf8(ScoreReport(s)).value_or("<not CP932>");
}

std::string Line(const std::string& report, int n) {
  size_t start = 0;
  for (int i = 1; i < n; ++i) start = report.find("\r\n", start) + 2;
  return report.substr(start, report.find("\r\n", start) - start);
}

TEST(ScoreReport, FiveLinesAboutTheRecords) {
  GameState s;
  s.levelNameBytes[3] = *Utf8ToCp932("深層");
  s.deepestLevel = 3;
  s.deepestAu = 57;
  s.deathCount = 12;
  s.records[0] = 1;
  std::string r = Utf8Report(s);
  EXPECT_EQ(r,
            "★ピルカピルカホロム4 ver1.1\r\n冒険者\r\nGAMEOVER回数: 12回\r\n"
            "最深到達レベル: 3 深層 57AU地点\r\n\r\n");
  s.records[0] = 2;
  EXPECT_EQ(Line(Utf8Report(s), 2), "ｽﾃｯﾊﾟｰｽﾞ･ﾉﾝｽﾄｯﾌﾟ");
}

TEST(ScoreReport, LevelOutsideTheNameTableHasNoName) {
  GameState s;
  s.levelNameBytes[0] = "zero";
  s.deepestLevel = 100;
  EXPECT_EQ(Line(Utf8Report(s), 4), "最深到達レベル: 100  0AU地点");
  s.deepestLevel = -1;
  EXPECT_EQ(Line(Utf8Report(s), 4), "最深到達レベル: -1  0AU地点");
}

TEST(ScoreReport, LaterBossesReplaceTheLineAndTheDragonAndCompanionsFollow) {
  GameState s;
  s.records[3] = 1;
  EXPECT_EQ(Line(Utf8Report(s), 5), "＜３番目に強いボスを倒しました＞");
  s.records[4] = 2;
  EXPECT_EQ(Line(Utf8Report(s), 5), "＜２番目に強いボスを倒しました＞");
  s.records[4] = 0;
  s.records[5] = 1;
  EXPECT_EQ(Line(Utf8Report(s), 5), "＜イレイサーを倒しました＞");
  s.records[6] = 1;
  s.records[8] = 1;
  EXPECT_EQ(Line(Utf8Report(s), 5),
            "＜イレイサーを倒しました＞＜あのドラゴンを倒しました＞＜大冒険に旅立った３人＞");
  GameState onlyDragon;
  onlyDragon.records[6] = 1;
  onlyDragon.records[3] = -1;  // below 1 counts as not defeated
  EXPECT_EQ(Line(Utf8Report(onlyDragon), 5), "＜あのドラゴンを倒しました＞");
}

TEST(ScoreReport, TheLevelNameKeepsItsOwnBytes) {
  GameState s;
  // ≒ in the NEC row (0x8790) reads as the same character as 0x81E0, which re-encoding picks;
  // 0xFF is no CP932 at all.
  s.levelNameBytes[1] = "\x87\x90\xFF";
  s.levelNames[1] = "≒\uFFFD";
  s.deepestLevel = 1;
  const std::string line4 = *Utf8ToCp932("最深到達レベル: 1 ") + "\x87\x90\xFF 0AU";
  EXPECT_NE(ScoreReport(s).find("\r\n" + line4), std::string::npos);
}

}  // namespace
}  // namespace pp
