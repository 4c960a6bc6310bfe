#include "fontsheet/English.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/Utf8.h"
#include "gfx/Bitmap.h"
#include "gfx/FreeTypeGlyphs.h"
#include "gfx/Png.h"
#include "gfx/Text.h"
#include "lang/Catalogue.h"
#include "lang/PoReader.h"

namespace fontsheet {
namespace {

namespace fs = std::filesystem;
using pp::Color;
using pp::Face;
using pp::Surface;
using pp::TextRenderer;
using pp::TextStyle;

struct Candidate {
  std::string name;
  std::vector<std::string> files;  // none: the Latin face is the Japanese face
};

const std::string kFonts = "/usr/share/fonts/";
const std::string kX11 = kFonts + "X11/";

// The candidates of Debian 12's packages: outline fonts rendered without anti-aliasing, and
// bitmap fonts whose strikes the game's sizes can use (one file per strike for the X11 fonts, in
// the order the chain tries them).
std::vector<Candidate> DefaultCandidates() {
  const std::string misc = kX11 + "misc/", dpi75 = kX11 + "75dpi/", dpi100 = kX11 + "100dpi/";
  return {
      {"IPA PGothic outline (today)", {}},
      {"DejaVu Sans", {kFonts + "truetype/dejavu/DejaVuSans.ttf"}},
      {"DejaVu Sans Condensed", {kFonts + "truetype/dejavu/DejaVuSansCondensed.ttf"}},
      {"Liberation Sans 2", {kFonts + "truetype/liberation2/LiberationSans-Regular.ttf"}},
      {"Liberation Sans Narrow", {kFonts + "truetype/liberation/LiberationSansNarrow-Regular.ttf"}},
      {"Nimbus Sans Narrow", {kFonts + "opentype/urw-base35/NimbusSansNarrow-Regular.otf"}},
      {"Noto Sans", {kFonts + "truetype/noto/NotoSans-Regular.ttf"}},
      {"FreeSans", {kFonts + "truetype/freefont/FreeSans.ttf"}},
      {"Roboto Condensed", {kFonts + "truetype/roboto/unhinted/RobotoCondensed-Regular.ttf"}},
      {"Terminus (otb)", {kFonts + "opentype/terminus/terminus-normal.otb"}},
      {"Spleen 5x8, 6x12", {misc + "spleen-5x8.pcf.gz", misc + "spleen-6x12.pcf.gz"}},
      {"M+ f10r, f12r", {misc + "mplus_f10r.pcf.gz", misc + "mplus_f12r.pcf.gz"}},
      {"M+ h10r, h12r", {misc + "mplus_h10r.pcf.gz", misc + "mplus_h12r.pcf.gz"}},
      {"misc-fixed 6x9, 6x12, 6x13",
       {misc + "6x9.pcf.gz", misc + "6x12.pcf.gz", misc + "6x13.pcf.gz"}},
      {"efont h10, h12", {misc + "h10.pcf.gz", misc + "h12.pcf.gz"}},
      {"Mona 6x12", {misc + "mona6x12a.pcf.gz"}},
      {"Lucida Sans 75 dpi",
       {dpi75 + "luRS10.pcf.gz", dpi75 + "luRS08.pcf.gz", dpi75 + "luRS12.pcf.gz"}},
      {"Times 100 dpi", {dpi100 + "timR08.pcf.gz"}},
      {"Helvetica 75 dpi (the Latin face)", pp::LatinFontFiles()},
  };
}

// Where the game draws its English, with the size (points, bold) and the width it must fit.
constexpr int kMessagePoints = 8, kRowPoints = 9, kLabelPoints = 10;
constexpr int kRowPlace = 116, kLabelPlace = 125;

// Real lines of the game, shown in English through the catalogue.
const std::vector<std::string> kMessages = {
    "ドラゴンに 127ダメージ",
    "宝箱だ....しかし電子ロックのようなものがかかっていて開かない",
    "あなたは例外処理条件によって復活し、30日の有余を得た!!",
    "境界の向こうにはまだ、名前のない界が続いている",
};
const std::vector<std::string> kStatus = {
    "死ぬまで後 365日",
    "界:NLv 3 パケットの小川",
    "境界まで後: 42AU",
    "金:￥98765円",
};
const std::vector<std::string> kTags = {"<麻痺>", "<毒>", "<腹痛>", "<修行>", "<攻↑>"};

struct Texts {
  std::vector<std::string> rows;    // every item's inventory row (" 1 Name")
  std::vector<std::string> labels;  // every choice label without a value in it
  std::vector<std::string> messages, status;
  std::string tags;               // the status overlay's row of ailments and blessings
  std::set<char32_t> characters;  // every character the catalogue's English uses
};

bool Commented(const pp::PoEntry& e, std::string_view comment) {
  for (const std::string& c : e.extractedComments)
    if (c == comment) return true;
  return false;
}

Texts ReadTexts(const fs::path& catalogue) {
  std::ifstream in(catalogue, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  const pp::PoFile po = pp::ReadPo(text.str(), catalogue.string());
  Texts t;
  for (const pp::PoEntry& e : po.entries) {
    for (size_t pos = 0; pos < e.translation.size();)
      t.characters.insert(pp::NextCodePoint(e.translation, pos));
    if (e.translation.find('{') != std::string::npos) continue;
    if (Commented(e, "item name")) t.rows.push_back(" 1 " + e.translation);
    if (Commented(e, "choice label (button)")) t.labels.push_back(e.translation);
  }
  const pp::Catalogue shown(po);
  for (const auto& [japanese, out] :
       {std::pair{&kMessages, &t.messages}, std::pair{&kStatus, &t.status}})
    for (const std::string& line : *japanese) {
      const auto english = shown.Translate(line);
      out->push_back(english ? english->text : line);
    }
  for (const std::string& tag : kTags) {
    const auto english = shown.Translate(tag);
    t.tags += english ? english->text : tag;
  }
  return t;
}

// The widest of `texts` at `points` bold in the Latin face, widest first, and how many are wider
// than `place`.
struct Widest {
  std::vector<std::pair<int, std::string>> top;
  int over = 0;
};
Widest Measure(TextRenderer& text, const std::vector<std::string>& texts, int points, int place) {
  Widest w;
  for (const std::string& t : texts) {
    const int width = text.Width(t, points, true, Face::Latin);
    w.top.emplace_back(width, t);
    w.over += width > place;
  }
  std::sort(w.top.rbegin(), w.top.rend());
  return w;
}

int InkHeight(TextRenderer& text, std::string_view sample, int points) {
  Surface s(200, 40, 0);
  text.Draw(s, 0, 10, sample, TextStyle{points, false, 0xFFFFFF, false, 0, Face::Latin});
  const auto [first, last] = InkRows(s, 0, s.height(), 0xFFFFFF);
  return last - first + 1;
}

// Which of the candidate's files draws each of the game's sizes, sizes drawn by the same file
// together ("-": the outline font behind).
std::string StrikeFiles(pp::FreeTypeGlyphSource& source, const Candidate& font) {
  std::vector<std::pair<std::string, std::string>> groups;  // sizes, file
  for (int points : {7, 8, 9, 10, 11}) {
    const int pixels = TextRenderer::PixelSize(points);
    const int index = source.FaceOf(pixels, U'n', Face::Latin);
    std::string file = "-";
    if (index >= 0 && index < source.OwnFonts(Face::Latin)) {
      // The X11 bitmap fonts of both resolutions have the same names.
      const fs::path path = font.files[static_cast<size_t>(index)];
      const std::string folder = path.parent_path().filename().string();
      const std::string name = path.filename().string();
      file = (folder.ends_with("dpi") ? folder + "/" : "") + name.substr(0, name.find('.'));
    }
    if (!groups.empty() && groups.back().second == file)
      groups.back().first += "," + std::to_string(pixels);
    else
      groups.emplace_back(std::to_string(pixels), file);
  }
  if (groups.size() == 1) return "all:" + groups[0].second;
  std::string out;
  for (const auto& [sizes, file] : groups) out += (out.empty() ? "" : " ") + sizes + ":" + file;
  return out;
}

// How many of `chars` the font draws itself at each of 8, 9 and 10 points, as "n/n/n of N".
std::string OwnCharacters(pp::FreeTypeGlyphSource& source, const std::set<char32_t>& chars) {
  std::string out;
  for (int points : {kMessagePoints, kRowPoints, kLabelPoints}) {
    int own = 0;
    for (char32_t c : chars) {
      const int index = source.FaceOf(TextRenderer::PixelSize(points), c, Face::Latin);
      own += index >= 0 && index < source.OwnFonts(Face::Latin);
    }
    out += (out.empty() ? "" : "/") + std::to_string(own);
  }
  return out + " of " + std::to_string(chars.size());
}

constexpr int kSheetWidth = 390;
constexpr int kPictureHeight = 86;
constexpr int kBlock = 14 + kPictureHeight + 4 + 3 * 16 + 4 + 4 * 12 + 4 + 2 * 12 + 6;

// One candidate's block at `top`: messages and status lines over the picture, the widest labels
// on their buttons, the widest item rows in the item list with their place marked, the letters.
void DrawBlock(Surface& sheet, int top, TextRenderer& labelText, const std::string& name,
               TextRenderer& text, const Texts& texts, const Surface& picture, const Widest& rows,
               const Widest& labels) {
  labelText.Draw(sheet, 2, top + 1, name, TextStyle{8, false, 0xA0A0A0, false, 0});
  int y = top + 14;
  // The picture is drawn four times as large, as the game stretches its scenes.
  sheet.StretchFrom(picture, pp::Rect{0, 20, picture.width(), 20 + kPictureHeight / 4},
                    pp::Rect{0, y, kSheetWidth, y + kPictureHeight});
  const Color messageColours[] = {0xFF4646, 0xCCCCCC, 0xFFFF00, 0x7EECF8};
  for (size_t i = 0; i < texts.messages.size(); ++i)
    text.Draw(sheet, 4, y + 2 + 10 * static_cast<int>(i), texts.messages[i],
              TextStyle{kMessagePoints, true, messageColours[i % 4], false, 0, Face::Latin});
  // The status column as the overlay packs it, right-aligned 10 pixels apart, and the tags.
  for (size_t i = 0; i < texts.status.size(); ++i) {
    const std::string& line = texts.status[i];
    text.Draw(sheet, 385 - text.Width(line, kMessagePoints, true, Face::Latin),
              y + 44 + 10 * static_cast<int>(i), line,
              TextStyle{kMessagePoints, true, 0xFFFFFF, false, 0, Face::Latin});
  }
  text.Draw(sheet, 4, y + 54, texts.tags,
            TextStyle{kMessagePoints, true, 0xFF5555, false, 0, Face::Latin});
  y += kPictureHeight + 4;
  // The widest labels on lit and unlit buttons, their place's end marked.
  for (size_t i = 0; i < 3 && i < labels.top.size(); ++i) {
    const bool lit = i == 1;
    const Color glow = 0xFFEE77;
    sheet.FillRect(0, y, kSheetWidth, y + 15, lit ? glow : 0x000000);
    text.Draw(sheet, 5, y + 1, labels.top[i].second,
              TextStyle{kLabelPoints, true, lit ? Color{0} : glow, false, 0, Face::Latin});
    sheet.FillRect(5 + kLabelPlace, y, 6 + kLabelPlace, y + 15, 0xFF0000);
    y += 16;
  }
  y += 4;
  for (size_t i = 0; i < 4 && i < rows.top.size(); ++i) {
    const bool selected = i == 2;
    sheet.FillRect(0, y, 2 + kRowPlace, y + 12, selected ? 0x000080 : 0x161612);
    text.Draw(sheet, 2, y, rows.top[i].second,
              TextStyle{kRowPoints, true, selected ? 0xFFFFFFu : 0xEBE9BEu, false, 0, Face::Latin});
    sheet.FillRect(2 + kRowPlace, y, 3 + kRowPlace, y + 12, 0xFF0000);
    y += 12;
  }
  y += 4;
  text.Draw(sheet, 4, y, "ABCDEFGHIJKLMNOPQRSTUVWXYZ abcdefghijklmnopqrstuvwxyz",
            TextStyle{kMessagePoints, true, 0xFFFFFF, false, 0, Face::Latin});
  text.Draw(sheet, 4, y + 12, "0123456789 ¥1000 ×3 !?.,:;'\"()<>+-/&% Layer 12: Packet Brook",
            TextStyle{kMessagePoints, false, 0xFFFFFF, false, 0, Face::Latin});
}

}  // namespace

std::pair<int, int> InkRows(const Surface& s, int top, int bottom, Color colour) {
  int first = bottom, last = top - 1;
  for (int y = top; y < bottom; ++y)
    for (int x = 0; x < s.width(); ++x)
      if (s.Pixel(x, y) == colour) {
        first = std::min(first, y);
        last = std::max(last, y);
        break;
      }
  return {first, last};
}

int EnglishSheet(int argc, char** argv) {
  fs::path catalogue = PANIPANI_SOURCE_DIR "/data/lang/en.po";
  fs::path picturePath = PANIPANI_BINARY_DIR "/data/cg/jungle.bmp";
  std::vector<std::string> args;
  for (int i = 0; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--catalogue" && i + 1 < argc)
      catalogue = argv[++i];
    else if (arg == "--picture" && i + 1 < argc)
      picturePath = argv[++i];
    else
      args.emplace_back(arg);
  }
  if (args.empty()) {
    std::fprintf(stderr,
                 "usage: fontsheet --english [--catalogue FILE] [--picture FILE.bmp] OUT.png "
                 "[FONT[,FONT...] ...]\n");
    return 2;
  }
  std::vector<Candidate> fonts;
  for (size_t i = 1; i < args.size(); ++i) {
    Candidate c{args[i], {}};
    for (size_t start = 0; start <= args[i].size();) {
      const size_t end = std::min(args[i].find(',', start), args[i].size());
      c.files.push_back(args[i].substr(start, end - start));
      start = end + 1;
    }
    fonts.push_back(c);
  }
  if (fonts.empty())
    for (const Candidate& c : DefaultCandidates())
      if (std::all_of(c.files.begin(), c.files.end(),
                      [](const std::string& f) { return fs::exists(f); }) &&
          (!c.files.empty() || c.name.ends_with("(today)")))
        fonts.push_back(c);
  const pp::BitmapResult picture = pp::LoadBmp(picturePath);
  if (!picture.surface) {
    std::fprintf(stderr, "fontsheet: %s\n", picture.error.c_str());
    return 1;
  }
  const Texts texts = ReadTexts(catalogue);
  std::printf("%zu item rows at %d pt and %zu labels at %d pt (bold) from %s\n", texts.rows.size(),
              kRowPoints, texts.labels.size(), kLabelPoints, catalogue.c_str());
  std::printf("%-34s %-40s %-14s %5s %2s %12s %12s\n", "font", "strikes (px:file)", "own chars",
              "x/ink", "n", "rows>116 max", "lbls>125 max");

  Surface sheet(kSheetWidth, static_cast<int>(fonts.size()) * kBlock, 0x202020);
  TextRenderer labelText;
  int top = 0;
  for (const Candidate& font : fonts) {
    std::unique_ptr<pp::FreeTypeGlyphSource> source;
    try {
      source = std::make_unique<pp::FreeTypeGlyphSource>(std::string(), font.files);
    } catch (const std::exception& e) {
      std::printf("%-34s %s\n", font.name.c_str(), e.what());
      continue;
    }
    pp::FreeTypeGlyphSource& glyphs = *source;
    TextRenderer text(std::move(source));
    const Widest rows = Measure(text, texts.rows, kRowPoints, kRowPlace);
    const Widest labels = Measure(text, texts.labels, kLabelPoints, kLabelPlace);
    const std::string proportions = std::to_string(InkHeight(text, "x", kMessagePoints)) + "/" +
                                    std::to_string(InkHeight(text, "Hdgjpqy", kMessagePoints));
    std::printf("%-34s %-40s %-14s %5s %2d %5d %6d %5d %6d\n", font.name.c_str(),
                StrikeFiles(glyphs, font).c_str(), OwnCharacters(glyphs, texts.characters).c_str(),
                proportions.c_str(), text.Width("n", kMessagePoints, true, Face::Latin), rows.over,
                rows.top.front().first, labels.over, labels.top.front().first);
    std::printf("%36s widest: %s (%d px) | %s (%d px)\n", "", rows.top.front().second.c_str(),
                rows.top.front().first, labels.top.front().second.c_str(),
                labels.top.front().first);
    // What does not fit in the face the game draws English with (or in the one font asked for).
    if (fonts.size() == 1 || (!font.files.empty() && font.files == pp::LatinFontFiles()))
      for (const Widest* w : {&rows, &labels})
        for (const auto& [width, line] : w->top)
          if (width > (w == &rows ? kRowPlace : kLabelPlace))
            std::printf("  too wide for its place: %3d px  %s\n", width, line.c_str());
    DrawBlock(sheet, top, labelText, font.name, text, texts, *picture.surface, rows, labels);
    top += kBlock;
  }
  // Three times as large, with sharp pixels, to be looked at.
  constexpr int kZoom = 3;
  Surface zoomed(sheet.width() * kZoom, sheet.height() * kZoom);
  zoomed.StretchFrom(sheet, pp::Rect{0, 0, sheet.width(), sheet.height()},
                     pp::Rect{0, 0, zoomed.width(), zoomed.height()});
  if (!pp::SavePng(zoomed, args[0])) {
    std::fprintf(stderr, "fontsheet: cannot write %s\n", args[0].c_str());
    return 1;
  }
  return 0;
}

}  // namespace fontsheet
