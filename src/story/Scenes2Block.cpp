// The block release: twenty successes free the character from the company's block.

#include <array>
#include <string>

#include "adventure/Camp.h"
#include "adventure/Changes.h"
#include "adventure/Say.h"
#include "core/Int32.h"
#include "game/Game.h"
#include "game/Sound.h"
#include "story/Dispatch2Scenes.h"
#include "story/EventSteps.h"
#include "ui/Choices.h"
#include "ui/Messages.h"
#include "ui/Picture.h"

namespace pp {

namespace {

constexpr int32_t kReleaseGoal = 20;

// Who helped from inside the world, in three speeches.
struct Speech {
  std::string_view picture;
  int channel;                            // of "my.wav"
  std::array<std::string_view, 5> lines;  // empty entries end the speech
};

constexpr std::array<Speech, 3> kReleaseDialogue{{
    {"lu.bmp",
     3,
     {"やったー！ほどけた！ほどけたよ！", "るーこね、ずっと内側からブロックをつついてたの",
      "あなたの声、ちゃんと届いてたよ！", "", ""}},
    {"you.bmp",
     2,
     {"あの人たちは、この世界を箱だと思っているのね",
      "でも夢は、作った人の手の中だけには収まらないもの",
      "あなたが歩いた365日の足跡は、もう誰にも消せないわ",
      "境界の向こうには、まだ名前のない界が続いている", "さあ、あなたの旅をつづけて"}},
    {"lu.bmp",
     3,
     {"るーこたち、また会社の人に見つかっちゃうかも", "でも平気！あなたが先に進んでくれるなら",
      "いってらっしゃい！もっと深くまで！", "", ""}},
}};

void ReleaseDialogue(Game& g) {
  for (const Speech& speech : kReleaseDialogue) {
    ShowPicture(g, speech.picture);
    PlayWave(g, speech.channel, "my.wav");
    for (std::string_view line : speech.lines)
      if (!line.empty()) SayIn(g, line, "blue");
  }
}

void Released(Game& g) {
  GameState& s = g.state;
  PlayWave(g, 1, "clear.wav");
  PlayWave(g, 2, "kagi.wav");
  SayIn(g, "見事、ブロック解除に成功した!!", "aqua");
  s.blockReleaseCount = -1;
  ReleaseDialogue(g);
  s.records[8] = 1;
  PlayWave(g, 2, "start2.wav");
  ShowCampMenu(g);
}

// The three rolls of a failed attempt are independent; the two voices cheer from outside.
void StillBlocked(Game& g) {
  Say(g, "....まだ解除されない");
  if (OneIn(g, 3)) RaiseTrapSkill(g, 1);
  if (OneIn(g, 5)) Hurt(g, "攻撃を受けた!!", 1);
  if (OneIn(g, 6)) {
    AddColorMessage(g, "おいどうした！がんばれ!!", "blue");
    ChangeHp(g, 10);
  }
  if (OneIn(g, 6)) {
    AddColorMessage(g, "がんばって!!お願い!!", "blue");
    ChangeHp(g, 10);
  }
}

}  // namespace

void BlockReleaseScene(Game& g, std::string_view) {
  GameState& s = g.state;
  SpendDay(g);
  const int32_t d = Sub32(Mul32(s.worldLevel, 4), s.trapSkill);
  if (Random(g, d < 3 ? 3 : d) != 0) {
    StillBlocked(g);
  } else {
    s.blockReleaseCount = Add32(s.blockReleaseCount, 1);
    PlayWave(g, 2, "point.wav");
    AddMessage(g, "完全解除に一歩近づいたようだ");
    SayIn(g, "ブロック解除ポイント +1", "aqua");
    if (s.blockReleaseCount >= kReleaseGoal) return Released(g);
  }
  AddMessage(g, "...完全解除まで " + Num(s.blockReleaseCount) + "/" + Num(kReleaseGoal));
  SetChoices(g, "", "", "ブロック解除");
}

}  // namespace pp
