#include "lang/Romaniser.h"

#include <array>
#include <vector>

#include "core/Utf8.h"

namespace pp {
namespace {

constexpr char32_t kFirstKana = 0x30A1;       // ァ
constexpr char32_t kLastKana = 0x30F6;        // ヶ
constexpr char32_t kSmallTsu = 0x30C3;        // ッ
constexpr char32_t kLongMark = 0x30FC;        // ー
constexpr char32_t kMiddleDot = 0x30FB;       // ・
constexpr char32_t kSyllabicN = 0x30F3;       // ン
constexpr char32_t kVoicedMark = 0xFF9E;      // ﾞ (and ゛ U+309B)
constexpr char32_t kSemiVoicedMark = 0xFF9F;  // ﾟ (and ゜ U+309C)

// The syllable of each katakana from ァ (U+30A1) to ヶ (U+30F6); ッ is handled on its own.
constexpr std::array<std::string_view, kLastKana - kFirstKana + 1> kSyllables{
    "a",  "a",  "i",   "i",  "u",  "u",   "e",  "e",  "o",  "o",   // ァアィイゥウェエォオ
    "ka", "ga", "ki",  "gi", "ku", "gu",  "ke", "ge", "ko", "go",  // カガキギクグケゲコゴ
    "sa", "za", "shi", "ji", "su", "zu",  "se", "ze", "so", "zo",  // サザシジスズセゼソゾ
    "ta", "da", "chi", "ji", "",   "tsu", "zu", "te", "de", "to",  // タダチヂッツヅテデト
    "do", "na", "ni",  "nu", "ne", "no",  "ha", "ba", "pa", "hi",  // ドナニヌネノハバパヒ
    "bi", "pi", "fu",  "bu", "pu", "he",  "be", "pe", "ho", "bo",  // ビピフブプヘベペホボ
    "po", "ma", "mi",  "mu", "me", "mo",  "ya", "ya", "yu", "yu",  // ポマミムメモャヤュユ
    "yo", "yo", "ra",  "ri", "ru", "re",  "ro", "wa", "wa", "i",   // ョヨラリルレロヮワヰ
    "e",  "o",  "n",   "vu", "ka", "ke",                           // ヱヲンヴヵヶ
};

// Half-width katakana ｦ (U+FF66) to ﾝ (U+FF9D) as their full-width letters.
constexpr std::array<char32_t, 0xFF9D - 0xFF66 + 1> kHalfWidth{
    0x30F2, 0x30A1, 0x30A3, 0x30A5, 0x30A7, 0x30A9, 0x30E3, 0x30E5, 0x30E7, 0x30C3,  // ｦｧｨｩｪｫｬｭｮｯ
    0x30FC, 0x30A2, 0x30A4, 0x30A6, 0x30A8, 0x30AA, 0x30AB, 0x30AD, 0x30AF, 0x30B1,  // ｰｱｲｳｴｵｶｷｸｹ
    0x30B3, 0x30B5, 0x30B7, 0x30B9, 0x30BB, 0x30BD, 0x30BF, 0x30C1, 0x30C4, 0x30C6,  // ｺｻｼｽｾｿﾀﾁﾂﾃ
    0x30C8, 0x30CA, 0x30CB, 0x30CC, 0x30CD, 0x30CE, 0x30CF, 0x30D2, 0x30D5, 0x30D8,  // ﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍ
    0x30DB, 0x30DE, 0x30DF, 0x30E0, 0x30E1, 0x30E2, 0x30E4, 0x30E6, 0x30E8, 0x30E9,  // ﾎﾏﾐﾑﾒﾓﾔﾕﾖﾗ
    0x30EA, 0x30EB, 0x30EC, 0x30ED, 0x30EF, 0x30F3,  // ﾘﾙﾚﾛﾜﾝ
};

bool IsSmallY(char32_t c) { return c == 0x30E3 || c == 0x30E5 || c == 0x30E7; }
bool IsSmallVowel(char32_t c) { return c >= 0x30A1 && c <= 0x30A9 && (c - 0x30A1) % 2 == 0; }
char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
bool IsVowel(char c) {
  c = Lower(c);
  return c == 'a' || c == 'i' || c == 'u' || c == 'e' || c == 'o';
}

// The letter a voicing mark turns `base` into, or 0 when it has none.
char32_t Voiced(char32_t base, bool semi) {
  const bool hRow = base >= 0x30CF && base <= 0x30DB && (base - 0x30CF) % 3 == 0;  // ハヒフヘホ
  if (semi) return hRow ? base + 2 : 0;
  if (hRow) return base + 1;
  if (base == 0x30A6) return 0x30F4;  // ウ -> ヴ
  if (base >= 0x30AB && base <= 0x30C2) return (base - 0x30AB) % 2 == 0 ? base + 1 : 0;  // カ..チ
  if (base == 0x30C4 || base == 0x30C6 || base == 0x30C8) return base + 1;  // ツテト
  return 0;
}

// The name as full-width katakana with voicing marks joined to their letters; nullopt when a
// character is not katakana.
std::optional<std::vector<char32_t>> FullWidthKana(std::string_view name) {
  std::vector<char32_t> kana;
  size_t pos = 0;
  while (pos < name.size()) {
    char32_t c = NextCodePoint(name, pos);
    if (c >= 0xFF66 && c <= 0xFF9D) c = kHalfWidth[c - 0xFF66];
    if (c == 0xFF65) c = kMiddleDot;
    if (c == 0x309B) c = kVoicedMark;
    if (c == 0x309C) c = kSemiVoicedMark;
    if (c == kVoicedMark || c == kSemiVoicedMark) {
      const char32_t voiced = kana.empty() ? 0 : Voiced(kana.back(), c == kSemiVoicedMark);
      if (voiced == 0) return std::nullopt;
      kana.back() = voiced;
      continue;
    }
    if (!(c >= kFirstKana && c <= kLastKana) && c != kLongMark && c != kMiddleDot)
      return std::nullopt;
    kana.push_back(c);
  }
  return kana;
}

std::string Syllable(char32_t c) { return std::string(kSyllables[c - kFirstKana]); }

// The syllable at kana[i], joined with a small ャュョ or ァィゥェォ after it (advancing i).
std::string SyllableAt(const std::vector<char32_t>& kana, size_t& i) {
  std::string syllable = Syllable(kana[i]);
  if (i + 1 >= kana.size()) return syllable;
  const char32_t next = kana[i + 1];
  const bool consonant = syllable.size() >= 2;
  if (IsSmallY(next) && consonant && syllable.back() == 'i') {
    syllable.pop_back();  // ki -> k, shi -> sh
    const std::string y = Syllable(next);
    const bool palatal = syllable.ends_with("sh") || syllable.ends_with("ch") || syllable == "j";
    syllable += palatal ? y.substr(1) : y;  // sha, cha, ja; kya, nya
    ++i;
  } else if (IsSmallVowel(next) && (consonant || syllable == "u")) {
    syllable = consonant ? syllable.substr(0, syllable.size() - 1) : "w";  // fu -> f, u -> w
    syllable += Syllable(next);                                            // fa, ti, wi
    ++i;
  }
  return syllable;
}

}  // namespace

std::optional<std::string> RomaniseKatakana(std::string_view name) {
  const std::optional<std::vector<char32_t>> kana = FullWidthKana(name);
  if (!kana || kana->empty()) return std::nullopt;
  std::string out;
  bool doubleNext = false;
  bool capital = true;
  for (size_t i = 0; i < kana->size(); ++i) {
    const char32_t c = (*kana)[i];
    if (c == kMiddleDot) {
      if (!out.empty() && out.back() != ' ') out += ' ';
      capital = true;
      continue;
    }
    if (c == kSmallTsu) {
      doubleNext = true;
      continue;
    }
    if (c == kLongMark) {
      if (!out.empty() && IsVowel(out.back())) out += Lower(out.back());
      continue;
    }
    const size_t start = i;
    std::string syllable = SyllableAt(*kana, i);
    if (doubleNext && !IsVowel(syllable[0]))
      syllable.insert(0, 1, syllable[0] == 'c' ? 't' : syllable[0]);
    doubleNext = false;
    const char first = syllable[0];
    if ((first == 'b' || first == 'm' || first == 'p') && !out.empty() && out.back() == 'n' &&
        start >= 1 && (*kana)[start - 1] == kSyllabicN)
      out.back() = 'm';
    if (capital) syllable[0] = static_cast<char>(syllable[0] - 'a' + 'A');
    capital = false;
    out += syllable;
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  if (out.empty()) return std::nullopt;
  return out;
}

}  // namespace pp
