#include "story/RandomName.h"

#include <string_view>

#include "game/Game.h"

namespace pp {

namespace {

// The 92 name units: 66 single full-width katakana, then 26 pairs of half-width katakana.
// Every character here is three bytes of UTF-8.
constexpr std::string_view kSingles =
    "アイウエオカキクケコサシスセソナニヌネノハヒフヘホマミムメモヤユヨラリルレロワヲンガギグゲゴ"
    "ザジズゼゾダヂヅデドバビブベボパピプペポ";
constexpr std::string_view kPairs = "ﾁｬｷｬｼｬﾋｬﾋｭﾋｮｷｭｷｮｼｭｼｮﾁｭﾁｮﾐｬﾐｭﾐｮｱｯｲｯﾃｰｸｰﾏｰﾁｰﾉｯﾉｰﾗｰﾅｯﾐｰ";
constexpr int32_t kSingleUnits = 66;
constexpr int32_t kPairUnits = 26;
constexpr int32_t kUnits = kSingleUnits + kPairUnits;
static_assert(kSingles.size() == kSingleUnits * 3 && kPairs.size() == kPairUnits * 6);

std::string_view Unit(int32_t k) {
  if (k < kSingleUnits) return kSingles.substr(k * 3, 3);
  return kPairs.substr((k - kSingleUnits) * 6, 6);
}

}  // namespace

std::string MakeRandomName(Game& g) {
  std::string name = g.state.nameSyllables[Random(g, kNameSyllables)];
  if (Random(g, 100) != 1) return name;
  name.clear();
  for (int i = 0; i < 4; ++i) name += Unit(Random(g, kUnits));
  return name;
}

}  // namespace pp
