#include "state/ScoreReport.h"

#include "core/Cp932.h"

namespace pp {
namespace {

// Later bosses replace the line; the dragon and the three companions add to it.
std::string BossLine(const GameState& s) {
  std::string line;
  if (s.records[3] >= 1) line = "＜３番目に強いボスを倒しました＞";
  if (s.records[4] >= 1) line = "＜２番目に強いボスを倒しました＞";
  if (s.records[5] >= 1) line = "＜イレイサーを倒しました＞";
  if (s.records[6] >= 1) line += "＜あのドラゴンを倒しました＞";
  if (s.records[8] >= 1) line += "＜大冒険に旅立った３人＞";
  return line;
}

// The report's own texts, which all have CP932 codes.
std::string Cp932(const std::string& utf8) { return Utf8ToCp932(utf8).value(); }

}  // namespace

std::string ScoreReport(const GameState& s) {
  std::string out;
  auto line = [&out](const std::string& cp932) { out += cp932 + "\r\n"; };
  line(Cp932("★ピルカピルカホロム4 ver1.1"));
  line(Cp932(s.records[0] == 1 ? "冒険者" : "ｽﾃｯﾊﾟｰｽﾞ･ﾉﾝｽﾄｯﾌﾟ"));
  line(Cp932("GAMEOVER回数: " + std::to_string(s.deathCount) + "回"));
  line(Cp932("最深到達レベル: " + std::to_string(s.deepestLevel) + " ") +
       LevelNameBytes(s, s.deepestLevel) + Cp932(" " + std::to_string(s.deepestAu) + "AU地点"));
  line(Cp932(BossLine(s)));
  return out;
}

}  // namespace pp
