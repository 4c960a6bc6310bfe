#include "adventure/Flavour.h"

#include <algorithm>
#include <array>

#include "adventure/Camp.h"
#include "adventure/Step.h"
#include "core/Cp932.h"
#include "core/Int32.h"
#include "game/Game.h"
#include "ui/Messages.h"
#include "ui/Picture.h"

namespace pp {

namespace {

// Level 0 draws from the first two lines; each level opens two more.
constexpr std::array<std::string_view, kFlavourLines> kFlavour{
    "何も無かった....",
    "草は何も考えていないようだ",
    "界隈が振動するのを感じた....",
    "この風の冷たさも、感覚ソフトが作った信号にすぎないのだろうか",
    "思い出そうとすると、記憶の代わりにログが浮かんでくる",
    "自分の名前を呼んでみた。返事をしたのは自分だけだった",
    "痛みを感じるように作られた体で、痛みのない夢を見た",
    "昨日の自分と今日の自分は、同じデータから出来ているのだろうか",
    "感覚ソフトの更新通知が、遠くの空でまたたいている",
    "誰かの記憶が混ざり込んだような、懐かしい匂いがした",
    "振り返ると、足跡は一歩ずつ消えていった",
    "この世界が止まっても、自分は何かを感じ続けるだろうか",
    "界の向こう側で、もう一人の自分が歩いている気がした",
    "記憶は上書きされるたびに、少しだけ優しくなる",
    "空の色を決めたのは誰だろう、と草に聞いてみた",
    "感じることと計算されることの違いを、まだ知らない",
    "目を閉じても、世界の描画は止まらなかった",
    "残りの日数を数えるたび、自分の輪郭がはっきりしてゆく",
    "遠い界から、知らない誰かの笑い声が届いた気がした",
    "私という現象は、どの界層に保存されているのだろう",
};

// Byte length of the UTF-8 character starting with `lead`.
size_t Utf8CharLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  return 2;
}

}  // namespace

std::string_view FlavourLine(int index) {
  if (index < 0 || index >= kFlavourLines) return {};
  return kFlavour[static_cast<size_t>(index)];
}

std::pair<std::string, std::string> SplitAtCp932Bytes(std::string_view text, size_t bytes) {
  size_t used = 0;
  size_t pos = 0;
  while (pos < text.size()) {
    const size_t len =
        std::min(Utf8CharLength(static_cast<unsigned char>(text[pos])), text.size() - pos);
    const size_t width = Cp932Length(text.substr(pos, len));
    if (used + width > bytes) break;
    used += width;
    pos += len;
  }
  return {std::string(text.substr(0, pos)), std::string(text.substr(pos))};
}

void NothingHappened(Game& g) {
  ShowPicture(g, "load.bmp");
  const int32_t k = Random(g, Add32(Mul32(g.state.worldLevel, 2), 2));
  const std::string_view line = FlavourLine(k);
  if (line.empty()) {
    AddMessage(g, "何も無かった....");
  } else {
    const auto [first, rest] = SplitAtCp932Bytes(line, kFlavourSplitBytes);
    AddMessage(g, first);
    if (!rest.empty()) AddMessage(g, rest);
  }
  WaitForClick(g);
  ShowCampMenu(g);
}

}  // namespace pp
