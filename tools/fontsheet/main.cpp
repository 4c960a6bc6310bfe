// fontsheet: the review sheet for the small texts. Draws the game's 8-point texts (messages,
// status lines at their fixed rows, buttons, tags) with each installed Japanese font, bitmap
// fonts through their strikes and the outline font behind them for what they lack, on one PNG;
// prints per font the CP932 characters it covers itself, the ink height and the advances at
// 8 points, and how close the status lines packed 10 pixels apart come to each other.
//
//   fontsheet OUT.png [FONT ...]   (no fonts: the Debian packages' files that are installed)
//   fontsheet --english ...        the English sheet for the Latin face (English.h)

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "core/Cp932.h"
#include "core/Utf8.h"
#include "fontsheet/English.h"
#include "gfx/Png.h"
#include "gfx/Surface.h"
#include "gfx/Text.h"

namespace {

using pp::Surface;
using pp::TextRenderer;
using pp::TextStyle;

struct Candidate {
  const char* name;
  const char* path;
};

constexpr Candidate kCandidates[] = {
    {"IPA PGothic outline (today)", "/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf"},
    {"Konatu strikes", "/usr/share/fonts/truetype/konatu/Konatu.ttf"},
    {"Konatu Tohaba strikes", "/usr/share/fonts/truetype/konatu/KonatuTohaba.ttf"},
    {"M+ 10 dot (j10r)", "/usr/share/fonts/X11/misc/mplus_j10r.pcf.gz"},
    {"M+ 10 dot bold (j10b)", "/usr/share/fonts/X11/misc/mplus_j10b.pcf.gz"},
    {"M+ 12 dot (j12r)", "/usr/share/fonts/X11/misc/mplus_j12r.pcf.gz"},
    {"Shinonome 12 dot (shnmk12)", "/usr/share/fonts/X11/misc/shnmk12.pcf.gz"},
    {"Shinonome 12 dot prop. (shnmk12p)", "/usr/share/fonts/X11/misc/shnmk12p.pcf.gz"},
    {"Kaname 12 dot (knm12p)", "/usr/share/fonts/X11/misc/knm12p.pcf.gz"},
};

constexpr int kPoint = 8;
constexpr int kSheetWidth = 390;

// Real texts of the game as it draws them at 8 points.
const std::vector<std::string> kMessages = {
    "お腹が減って体力が消えてゆく.... HP -3",
    "あなたは麻痺のせいで攻撃できなかった",
    "地獄修行 \\-1000   金:￥12345円",
    "ｽﾃｯﾊﾟｰｽﾞ･ﾉﾝｽﾄｯﾌﾟ  上位のﾈｯﾄﾜｰｸ界 Level 7",
    "<麻痺><毒><腹痛><修行><地獄修行>  <英雄><攻↑>",
    "LV:12 exp:345/220  HP:1234 MP:56 0123456789",
};
// The right-hand status column: its rows 105, 115, 125 and 140.
const std::vector<std::pair<int, std::string>> kStatusColumn = {
    {0, "死ぬまで後 365日"},
    {10, "界:NLv 3 深層の森"},
    {20, "境界まで後: 42AU"},
    {35, "金:￥98765円"},
};
const std::vector<std::string> kButtons = {"冒険!!!!", "アイテム", "旅立つ", "冒険者ではない"};

// Characters of the CP932 set the game can show that the chosen font draws itself, and the set.
std::pair<int, int> Coverage(TextRenderer& text) {
  int all = 0, own = 0;
  auto count = [&](std::string bytes) {
    const std::optional<std::string> utf8 = pp::Cp932ToUtf8(bytes);
    if (!utf8) return;
    size_t pos = 0;
    const char32_t cp = pp::NextCodePoint(*utf8, pos);
    if (cp >= 0xE000 && cp <= 0xF8FF) return;  // the user-defined area has no shapes to draw
    ++all;
    if (text.FaceOf(*utf8, kPoint) == 0) ++own;
  };
  for (int b = 0x20; b < 0x7F; ++b) count(std::string(1, static_cast<char>(b)));
  for (int b = 0xA1; b <= 0xDF; ++b) count(std::string(1, static_cast<char>(b)));
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    if (lead > 0x9F && lead < 0xE0) continue;
    for (int trail = 0x40; trail <= 0xFC; ++trail)
      if (trail != 0x7F) count({static_cast<char>(lead), static_cast<char>(trail)});
  }
  return {own, all};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && std::string_view(argv[1]) == "--english")
    return fontsheet::EnglishSheet(argc - 2, argv + 2);
  if (argc < 2) {
    std::fprintf(stderr, "usage: fontsheet OUT.png [FONT ...]\n");
    return 2;
  }
  std::vector<Candidate> fonts;
  for (int i = 2; i < argc; ++i) fonts.push_back({argv[i], argv[i]});
  if (fonts.empty())
    for (const Candidate& c : kCandidates)
      if (std::filesystem::exists(c.path)) fonts.push_back(c);

  constexpr int kBlock = 16 + 15 * 6 + 2 + 52;
  Surface sheet(kSheetWidth, static_cast<int>(fonts.size()) * kBlock);
  sheet.Fill(0x202020);
  TextRenderer labels;
  const TextStyle white{kPoint, true, 0xFFFFFF};
  const TextStyle grey{kPoint, false, 0xA0A0A0};
  std::printf("%-36s %13s %5s %6s %5s %5s %5s %5s %9s\n", "font", "CP932 own", "ink", "cell",
              "adv腹", "adv0", "advｽ", "adv¥", "statusgap");
  int top = 0;
  for (const Candidate& font : fonts) {
    std::unique_ptr<TextRenderer> text;
    try {
      // The outline font is today's default: drawn alone, as the game draws it.
      const bool outline = std::string_view(font.path) == kCandidates[0].path;
      text = std::make_unique<TextRenderer>(outline ? std::string() : std::string(font.path));
    } catch (const std::exception& e) {
      std::printf("%-36s %s\n", font.name, e.what());
      continue;
    }
    labels.Draw(sheet, 2, top + 2, font.name, grey);
    int y = top + 16;
    for (const std::string& line : kMessages) {
      text->Draw(sheet, 4, y, line, white);
      y += 15;
    }
    // The status column as the overlay packs it, right-aligned, and the three buttons' labels.
    const int columnTop = y + 2;
    for (const auto& [dy, line] : kStatusColumn)
      text->Draw(sheet, 200 - text->Width(line, kPoint, true), columnTop + dy, line, white);
    const TextStyle yellow{kPoint, true, 0xFFFF00};
    for (size_t i = 0; i < kButtons.size(); ++i)
      text->Draw(sheet, 210, columnTop + 12 * static_cast<int>(i), kButtons[i], yellow);
    // The gap between the ink of the first two status rows, 10 pixels apart (negative: they
    // run into each other).
    Surface upper(kSheetWidth, 40), lower(kSheetWidth, 40);
    text->Draw(upper, 0, 0, kStatusColumn[0].second, white);
    text->Draw(lower, 0, 10, kStatusColumn[1].second, white);
    const int upperBottom = fontsheet::InkRows(upper, 0, 40, 0xFFFFFF).second;
    const int lowerTop = fontsheet::InkRows(lower, 0, 40, 0xFFFFFF).first;

    Surface ink(kSheetWidth, 40);
    int inkTop = 40, inkBottom = -1;
    for (const std::string& line : kMessages) {
      ink.Fill(0);
      text->Draw(ink, 0, 10, line, white);
      const auto [t, b] = fontsheet::InkRows(ink, 0, 40, 0xFFFFFF);
      inkTop = std::min(inkTop, t);
      inkBottom = std::max(inkBottom, b);
    }
    const auto [own, total] = Coverage(*text);
    std::printf("%-36s %6d/%-6d %5d %6d %5d %5d %5d %5d %9d\n", font.name, own, total,
                inkBottom - inkTop + 1, text->Height(kPoint), text->Width("腹", kPoint, false),
                text->Width("0", kPoint, false), text->Width("ｽ", kPoint, false),
                text->Width("\\", kPoint, false), lowerTop - upperBottom - 1);
    top += kBlock;
  }
  // Three times as large, with sharp pixels, to be looked at.
  constexpr int kZoom = 3;
  Surface zoomed(sheet.width() * kZoom, sheet.height() * kZoom);
  for (int y = 0; y < zoomed.height(); ++y)
    for (int x = 0; x < zoomed.width(); ++x)
      zoomed.SetPixel(x, y, sheet.Pixel(x / kZoom, y / kZoom));
  if (!pp::SavePng(zoomed, argv[1])) {
    std::fprintf(stderr, "fontsheet: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
