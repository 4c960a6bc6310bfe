#include "extras/Words.h"

#include <array>
#include <utility>

#include "lang/DisplayLanguage.h"
#include "lang/Roles.h"

namespace pp {
namespace {

struct Entry {
  Word word;
  std::string_view japanese;
};

constexpr std::array<Entry, static_cast<size_t>(Word::kCount)> kWords{{
    {Word::kOptionsTitle, "設定"},
    {Word::kLanguage, "言語"},
    {Word::kTextBacking, "文字のふち取り"},
    {Word::kReduceFlashing, "点滅を抑える"},
    {Word::kSpeech, "読み上げ"},
    {Word::kAutoMode, "オートモード"},
    {Word::kAutoSpeed, "オートの速さ"},
    {Word::kVolume, "音量"},
    {Word::kSound, "音"},
    {Word::kScale, "ウィンドウの倍率"},
    {Word::kFullscreen, "全画面"},
    {Word::kKeysHelp, "キー操作の一覧"},
    {Word::kClose, "閉じる"},
    {Word::kOn, "オン"},
    {Word::kOff, "オフ"},
    {Word::kScaleAuto, "自動"},
    {Word::kSpeedVerySlow, "とても遅い"},
    {Word::kSpeedSlow, "遅い"},
    {Word::kSpeedNormal, "ふつう"},
    {Word::kSpeedFast, "速い"},
    {Word::kSpeedVeryFast, "とても速い"},
    {Word::kOptionsFoot, "↑↓ 選ぶ　←→ 変える　Esc 閉じる"},
    {Word::kWelcomeTitle, "クリックかSpaceで始まります　F1 キー操作　F2 設定"},
    {Word::kWelcomeLogin, "ボタンをクリックか数字キーで選びます　F1 キー操作　F2 設定"},
}};

// Every word has its line, in the order of the enumeration.
constexpr bool InOrder() {
  for (size_t i = 0; i < kWords.size(); ++i)
    if (kWords[i].word != static_cast<Word>(i)) return false;
  return true;
}
static_assert(InOrder(), "kWords lists the words in the order of enum Word");

}  // namespace

std::string Say(Word word, const DisplayLanguage* language) {
  const std::string_view japanese = kWords[static_cast<size_t>(word)].japanese;
  if (!language || !language->translating()) return std::string(japanese);
  return language->English(japanese, role::kNotice).value_or(std::string(japanese));
}

}  // namespace pp
