#include "story/Opening.h"

#include <array>
#include <string>

#include "adventure/Say.h"
#include "game/Game.h"
#include "game/Sound.h"
#include "ui/Choices.h"
#include "ui/Messages.h"
#include "ui/Picture.h"

namespace pp {

namespace {

constexpr std::array<std::string_view, 11> kAdvertisement{
    "- DEVARID EDAZ Co.,Ltd. Presents -",
    "当社のシミュレーターへようこそ",
    "ここは幾重にも重なるネットワーク界の世界",
    "あなたの分身は、その一番浅い界で目を覚まします",
    "与えられる命は、たったの365日",
    "その日々をどう使うかは、すべてあなた次第",
    "境界を越えるたびに、世界は深く、広くなってゆく",
    "目指すは、まだ誰も見たことのない最深の界",
    "感覚ソフトが、風も痛みも本物のように届けます",
    "今なら新しい冒険者の登録は無料です",
    "ワンダーライフをあなたに…！",
};

constexpr std::string_view kBlessing = "冒険者よ....あなたの旅路に祝福がありますように";
constexpr std::string_view kFarewell = "そうですか....ならば、あなたの思うままに生きなさい";

// The first line is shown without a wait.
constexpr std::array<std::string_view, 10> kIntroduction{
    "この世界は、無数のネットワーク界が層を成してできています",
    "あなたが今いるのは、その一番浅い界です",
    "界の果てには境界があり、越えれば次の界へ進めます",
    "深い界ほど危険は多く、そして見返りも大きい",
    "あなたに残された時間は365日....",
    "一歩進むごとに一日が過ぎ、お腹も減ってゆきます",
    "日々が尽きれば、あなたもこの世界から消えるでしょう",
    "誰よりも先に、最も深い界へ辿り着くこと",
    "それが、あなたに望まれていることです",
    "さあ、お行きなさい....",
};

void BeginAdventure(Game& g) {
  Say(g, "今、冒険が始まった....");
  SetChoices(g, "", "", "冒険!!!!");
}

}  // namespace

void Promortion(Game& g) {
  PlayWave(g, 2, "cm.wav");
  ShowPicture(g, "cm00.bmp");
  for (std::string_view line : kAdvertisement) Say(g, line);
  ShowPicture(g, "login.bmp");
  PlayWave(g, 3, "start2.wav");
  SetChoices(g, "", "", "旅立つ");
}

void Depart(Game& g) {
  AddMessage(g, "自信のある能力はどれだ？");
  SetChoices(g, "力", "知恵", "精神");
}

void CreationPick(Game& g, std::string_view label) {
  GameState& s = g.state;
  int32_t* stat = &s.spirit;
  int channel = 0;
  if (label == "力") {
    stat = &s.strength;
    channel = 1;
  } else if (label == "知恵") {
    stat = &s.wisdom;
    channel = 2;
  }
  PlayWave(g, channel, "bp.wav");
  const int32_t bonus = s.creationPicks > 2 ? 1 : 2;
  *stat += bonus;
  s.creationPicks -= 1;
  AddColorMessage(g, std::string(label) + "が " + std::to_string(bonus) + "上昇", "pink");
  if (s.creationPicks > 0)
    SetChoices(g, "力", "知恵", "精神");
  else
    SetChoices(g, "", "", "冒険の始まり");
}

void AdventureBegins(Game& g) {
  GameState& s = g.state;
  PlayWave(g, 0, "ok.wav");
  if (s.records[0] != 0) {
    if (s.records[0] == 1)
      s.maxHp += 1;
    else
      s.maxMp += 1;
    s.titlePhase = 1;
    BeginAdventure(g);
    return;
  }
  ShowPicture(g, "watasi.bmp");
  SayIn(g, "この世界へようこそ....私はこの世界そのものです", "blue");
  AddColorMessage(g, "あなたは冒険者ですね？", "blue");
  SetChoices(g, "", "冒険者です", "冒険者ではない");
}

void AnswerWorld(Game& g, std::string_view label) {
  GameState& s = g.state;
  if (label == "冒険者です") {
    s.maxHp += 1;
    s.records[0] = 1;
    SayIn(g, kBlessing, "blue");
  } else {
    s.maxMp += 1;
    s.records[0] = 2;
    SayIn(g, kFarewell, "blue");
  }
  AddColorMessage(g, kIntroduction[0], "blue");
  for (size_t i = 1; i < kIntroduction.size(); ++i) SayIn(g, kIntroduction[i], "blue");
  s.titlePhase = 1;
  PlayWave(g, 0, "in.wav");
  BeginAdventure(g);
}

}  // namespace pp
