#include "extras/Words.h"

#include <array>
#include <utility>

#include "lang/DisplayLanguage.h"

namespace pp {
namespace {

struct Entry {
  Word word;
  std::string_view japanese, english;
};

constexpr std::array<Entry, static_cast<size_t>(Word::kCount)> kWords{{
    {Word::kOptionsTitle, "設定", "Options"},
    {Word::kLanguage, "言語", "Language"},
    {Word::kTextBacking, "文字のふち取り", "Text backing"},
    {Word::kReduceFlashing, "点滅を抑える", "Reduce flashing"},
    {Word::kSpeech, "読み上げ", "Speech"},
    {Word::kAutoMode, "オートモード", "Auto mode"},
    {Word::kAutoSpeed, "オートの速さ", "Auto speed"},
    {Word::kVolume, "音量", "Volume"},
    {Word::kSound, "音", "Sound"},
    {Word::kScale, "ウィンドウの倍率", "Window scale"},
    {Word::kFullscreen, "全画面", "Fullscreen"},
    {Word::kKeysHelp, "キー操作の一覧", "Keys help"},
    {Word::kClose, "閉じる", "Close"},
    {Word::kOn, "オン", "On"},
    {Word::kOff, "オフ", "Off"},
    {Word::kScaleAuto, "自動", "Auto"},
    {Word::kSpeedVerySlow, "とても遅い", "Very slow"},
    {Word::kSpeedSlow, "遅い", "Slow"},
    {Word::kSpeedNormal, "ふつう", "Normal"},
    {Word::kSpeedFast, "速い", "Fast"},
    {Word::kSpeedVeryFast, "とても速い", "Very fast"},
    {Word::kOptionsFoot, "↑↓ 選ぶ　←→ 変える　Esc 閉じる",
     "Up/Down choose   Left/Right change   Esc close"},
    {Word::kWelcomeTitle, "クリックかSpaceで始まります　F1 キー操作　F2 設定",
     "Click or press Space to begin   F1 keys   F2 options"},
    {Word::kWelcomeLogin, "ボタンをクリックか数字キーで選びます　F1 キー操作　F2 設定",
     "Click a button or press its number   F1 keys   F2 options"},
}};

// Every word has its line, in the order of the enumeration.
constexpr bool InOrder() {
  for (size_t i = 0; i < kWords.size(); ++i)
    if (kWords[i].word != static_cast<Word>(i)) return false;
  return true;
}
static_assert(InOrder(), "kWords lists the words in the order of enum Word");

}  // namespace

bool WordsInJapanese(const DisplayLanguage* language) {
  return !language || language->mode() == DisplayLanguage::Mode::Japanese;
}

std::string_view Say(Word word, bool japanese) {
  const Entry& entry = kWords[static_cast<size_t>(word)];
  return japanese ? entry.japanese : entry.english;
}

std::string_view Say(Word word, const DisplayLanguage* language) {
  return Say(word, WordsInJapanese(language));
}

}  // namespace pp
