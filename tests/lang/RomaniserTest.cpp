// Random katakana names in Latin letters.

#include <gtest/gtest.h>

#include "lang/Romaniser.h"

namespace pp {
namespace {

TEST(RomaniserTest, SpellsFullAndHalfWidthNames) {
  const std::pair<const char*, const char*> cases[] = {
      {"ナニヌネ", "Naninune"},
      {"シャチョウ", "Shachou"},     // palatal pairs
      {"ﾁｬﾃｰｸｰﾏｰ", "Chateekuumaa"},  // half-width, the long mark doubles the vowel
      {"ｶﾞﾊﾟﾎﾞ", "Gapabo"},          // half-width voicing marks join their letters
      {"ﾏｯﾁｬ", "Matcha"},            // ッ doubles the next consonant, ch as tch
      {"ｱｯｲｯ", "Ai"},                // before a vowel and at the end it has nothing to double
      {"サンバンポ", "Sambampo"},    // ン before b, m, p
      {"フィヴァ", "Fiva"},          // small vowels
      {"ジョン・ドウ", "Jon Dou"},   // the middle dot parts words
      {"ンー", "N"},
  };
  for (const auto& [kana, latin] : cases) EXPECT_EQ(RomaniseKatakana(kana), latin) << kana;
}

TEST(RomaniserTest, RefusesAnythingButKatakana) {
  for (const char* text : {"", "ナニ＋", "ひらがな", "ABC", "ﾞカ", "ーー", "・"})
    EXPECT_EQ(RomaniseKatakana(text), std::nullopt) << text;
}

}  // namespace
}  // namespace pp
