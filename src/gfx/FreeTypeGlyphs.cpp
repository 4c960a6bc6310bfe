#include "gfx/FreeTypeGlyphs.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BDF_H

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <vector>

#include "core/Cp932.h"
#include "core/Utf8.h"

namespace pp {

namespace {

// Japanese Gothic faces in the order we prefer them: IPA PGothic first (proportional, clear
// without anti-aliasing), then the fixed-pitch IPA Gothic and the other packaged faces.
constexpr std::array kFontCandidates = {
    "/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf",
    "/usr/share/fonts/truetype/fonts-japanese-gothic.ttf",
    "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf",
    "/usr/share/fonts/opentype/ipaexfont-gothic/ipaexg.ttf",
    "/usr/share/fonts/truetype/konatu/konatu.ttf",
    "/usr/share/fonts/truetype/konatu/konatutohaba.ttf",
    "/usr/share/fonts/truetype/droid/DroidSansFallbackFull.ttf",
};

// The Latin face's font, Helvetica's 75-dpi bitmaps (package xfonts-75dpi, chosen on the font
// review sheet): the 10-point strike (10 pixels to the em, 12 high) draws the game's 8, 9 and 10
// points, the 8-point strike its 7 points and the 12-point strike its 11 points.
constexpr std::array kLatinFontFiles = {
    "/usr/share/fonts/X11/75dpi/helvR10.pcf.gz",
    "/usr/share/fonts/X11/75dpi/helvR08.pcf.gz",
    "/usr/share/fonts/X11/75dpi/helvR12.pcf.gz",
};

constexpr char32_t kBackslash = 0x5C, kYen = 0xA5;

bool BitSet(const FT_Bitmap& bm, unsigned row, unsigned col) {
  const unsigned char* line = bm.buffer + static_cast<ptrdiff_t>(row) * bm.pitch;
  if (bm.pixel_mode == FT_PIXEL_MODE_MONO) return (line[col >> 3] >> (7 - (col & 7))) & 1;
  return line[col] >= 128;  // a grey strike from the font: threshold it
}

// How a face numbers its characters: Unicode, or the JIS codes of the classic X bitmap fonts
// (JIS X 0208 for the full-width characters, JIS X 0201 for ASCII and half-width katakana).
enum class Encoding { Unicode, Jis0208, Jis0201 };

// A face's glyph index for Unicode `cp`; 0 when the face lacks it.
FT_UInt CharIndex(FT_Face face, Encoding encoding, char32_t cp) {
  if (encoding == Encoding::Unicode) return FT_Get_Char_Index(face, cp);
  std::string utf8;
  AppendUtf8(utf8, cp);
  const std::optional<std::string> sjis = Utf8ToCp932(utf8);
  if (!sjis) return 0;
  const auto b0 = static_cast<unsigned char>((*sjis)[0]);
  if (encoding == Encoding::Jis0201) {
    if (sjis->size() != 1 || cp == 0x7E) return 0;  // 0x7E is an overline there
    return FT_Get_Char_Index(face, b0);
  }
  if (sjis->size() != 2) return 0;
  // Shift_JIS to the JIS row and cell.
  const auto b1 = static_cast<unsigned char>((*sjis)[1]);
  unsigned row = (b0 <= 0x9F ? b0 - 0x70 : b0 - 0xB0) * 2;
  unsigned cell = b1;
  if (cell < 0x9F) {
    --row;
    cell -= cell >= 0x80 ? 0x20 : 0x1F;
  } else {
    cell -= 0x7E;
  }
  return FT_Get_Char_Index(face, (row << 8) | cell);
}

// One font file in the renderer's chain.
struct ChainFace {
  FT_Face ft = nullptr;
  Encoding encoding = Encoding::Unicode;
  bool backslashIsYen = false;  // the face draws U+005C as a yen sign itself
  int currentPixels = 0;
};

}  // namespace

struct FreeTypeGlyphSource::Library {
  FT_Library ft = nullptr;
  ~Library() {
    if (ft) FT_Done_FreeType(ft);
  }
};

struct FreeTypeGlyphSource::Chain {
  explicit Chain(FT_Library ft) : library(ft) {}
  ~Chain() {
    for (ChainFace& f : faces) FT_Done_Face(f.ft);
  }
  Chain(const Chain&) = delete;
  Chain& operator=(const Chain&) = delete;

  FT_Library library;
  // The face's own fonts first, then the fonts that draw whatever they lack.
  std::vector<ChainFace> faces;
  std::vector<std::string> paths;  // of `faces`
  int ownFonts = 0;                // how many are the face's own

  // Adds the font at `path` to the chain; false when it is not a font we can draw with.
  bool Add(const std::string& path) {
    ChainFace f;
    if (FT_New_Face(library, path.c_str(), 0, &f.ft) != 0) return false;
    if (!FT_IS_SCALABLE(f.ft) && f.ft->num_fixed_sizes == 0) {
      FT_Done_Face(f.ft);
      return false;
    }
    const char* encoding = nullptr;
    const char* registry = nullptr;
    if (FT_Get_BDF_Charset_ID(f.ft, &encoding, &registry) == 0 && registry) {
      const std::string_view r = registry;
      if (r.starts_with("JISX0208") || r.starts_with("jisx0208")) f.encoding = Encoding::Jis0208;
      if (r.starts_with("JISX0201") || r.starts_with("jisx0201")) f.encoding = Encoding::Jis0201;
    }
    if (f.encoding != Encoding::Unicode) {
      if (f.ft->num_charmaps > 0) FT_Set_Charmap(f.ft, f.ft->charmaps[0]);
    } else if (FT_Select_Charmap(f.ft, FT_ENCODING_UNICODE) != 0) {
      FT_Done_Face(f.ft);
      return false;
    }
    faces.push_back(f);
    paths.push_back(path);
    ChainFace& added = faces.back();
    if (added.encoding == Encoding::Jis0201) {
      added.backslashIsYen = true;  // JIS-Roman: 0x5C is the yen sign
    } else {
      const int probe =
          FT_IS_SCALABLE(added.ft) ? kProbePixels : added.ft->available_sizes[0].height;
      added.backslashIsYen = HasCrossBar(Rasterise(added, probe, kBackslash));
    }
    return true;
  }

  // Japanese faces put a yen sign (with its two bars) at U+005C; others a plain backslash.
  static constexpr int kProbePixels = 32;
  static bool HasCrossBar(const Glyph& g) {
    if (g.runs.empty()) return false;
    int left = g.runs[0].x0, right = g.runs[0].x1;
    for (const GlyphRun& r : g.runs) {
      left = std::min<int>(left, r.x0);
      right = std::max<int>(right, r.x1);
    }
    for (const GlyphRun& r : g.runs)
      if (5 * (r.x1 - r.x0) >= 3 * (right - left)) return true;
    return false;
  }

  // Sets `f` to draw a cell of `pixels`: any size for an outline, else the bitmap strike whose
  // height is within one pixel of it (the nearest). False when the face has no such strike.
  static bool UseSize(ChainFace& f, int pixels) {
    if (f.currentPixels == pixels) return true;
    if (FT_IS_SCALABLE(f.ft)) {
      FT_Set_Pixel_Sizes(f.ft, 0, static_cast<FT_UInt>(pixels));
    } else {
      int best = -1;
      for (int i = 0; i < f.ft->num_fixed_sizes; ++i) {
        const int off = std::abs(f.ft->available_sizes[i].height - pixels);
        if (off <= 1 && (best < 0 || off < std::abs(f.ft->available_sizes[best].height - pixels)))
          best = i;
      }
      if (best < 0 || FT_Select_Size(f.ft, best) != 0) return false;
    }
    f.currentPixels = pixels;
    return true;
  }

  // The face that draws `cp` in a cell of `pixels` and its glyph index; the last face draws
  // what no face has (its missing-character box).
  std::pair<ChainFace*, FT_UInt> FaceFor(int pixels, char32_t cp) {
    for (ChainFace& f : faces) {
      if (!UseSize(f, pixels)) continue;
      if (cp == kBackslash && !f.backslashIsYen) {
        if (const FT_UInt yen = CharIndex(f.ft, f.encoding, kYen)) return {&f, yen};
        continue;
      }
      if (const FT_UInt index = CharIndex(f.ft, f.encoding, cp)) return {&f, index};
    }
    ChainFace& last = faces.back();
    UseSize(last, pixels);
    return {&last, 0};
  }

  // The cell is one em high, split by the face's own ascender and descender, as the desktop's
  // Gothic faces were; a bitmap strike brings its own ascent.
  int Ascent(int pixels) {
    for (ChainFace& f : faces) {
      if (!UseSize(f, pixels)) continue;
      if (!FT_IS_SCALABLE(f.ft)) return static_cast<int>(f.ft->size->metrics.ascender >> 6);
      const long total = static_cast<long>(f.ft->ascender) - f.ft->descender;
      if (total <= 0) return pixels;
      return static_cast<int>((2L * pixels * f.ft->ascender + total) / (2 * total));
    }
    return pixels;
  }

  Glyph Rasterise(ChainFace& f, int pixels, char32_t cp) {
    if (!UseSize(f, pixels)) return {};
    return Load(f, CharIndex(f.ft, f.encoding, cp));
  }

  // The glyph `index` of `f` at its current size, as runs of lit pixels.
  static Glyph Load(ChainFace& f, FT_UInt index) {
    Glyph g;
    if (FT_Load_Glyph(f.ft, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0) return g;
    const FT_GlyphSlot slot = f.ft->glyph;
    if (slot->format != FT_GLYPH_FORMAT_BITMAP) {
      if (FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0) return g;
    }
    g.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    const FT_Bitmap& bm = slot->bitmap;
    for (unsigned row = 0; row < bm.rows; ++row) {
      unsigned col = 0;
      while (col < bm.width) {
        if (!BitSet(bm, row, col)) {
          ++col;
          continue;
        }
        const unsigned start = col;
        while (col < bm.width && BitSet(bm, row, col)) ++col;
        g.runs.push_back({static_cast<int16_t>(static_cast<int>(row) - slot->bitmap_top),
                          static_cast<int16_t>(slot->bitmap_left + static_cast<int>(start)),
                          static_cast<int16_t>(slot->bitmap_left + static_cast<int>(col))});
      }
    }
    return g;
  }
};

FreeTypeGlyphSource::FreeTypeGlyphSource(const std::string& fontPath)
    : FreeTypeGlyphSource(fontPath, LatinFontFiles()) {}

FreeTypeGlyphSource::FreeTypeGlyphSource(const std::string& fontPath,
                                         const std::vector<std::string>& latinFiles)
    : library_(std::make_unique<Library>()) {
  if (FT_Init_FreeType(&library_->ft) != 0) {
    throw std::runtime_error("text: FreeType could not be started");
  }
  japanese_ = std::make_unique<Chain>(library_->ft);
  if (!fontPath.empty() && !japanese_->Add(fontPath))
    throw std::runtime_error("text: cannot draw with the font " + fontPath +
                             " (not a font file, or neither Unicode nor JIS codes)");
  japanese_->ownFonts = static_cast<int>(japanese_->faces.size());
  // The outline font: the whole text without a chosen font, else what the chosen one lacks.
  std::string searched;
  bool outline = false;
  for (const char* candidate : kFontCandidates) {
    std::error_code ec;
    if (candidate == fontPath) continue;
    if (std::filesystem::exists(candidate, ec) && japanese_->Add(candidate)) {
      outline = true;
      break;
    }
    searched += searched.empty() ? "" : ", ";
    searched += candidate;
  }
  if (!outline && fontPath.empty())
    throw std::runtime_error(
        "text: no Japanese Gothic font found (install fonts-ipafont-gothic); searched " + searched);
  // The Latin font's files that can be drawn with, then the Japanese face's fonts for what they
  // lack; none of them: English is drawn with the Japanese face.
  latin_ = std::make_unique<Chain>(library_->ft);
  for (const std::string& path : latinFiles) latin_->Add(path);
  latin_->ownFonts = static_cast<int>(latin_->faces.size());
  if (latin_->ownFonts == 0) {
    latin_.reset();
    return;
  }
  for (const std::string& path : japanese_->paths) latin_->Add(path);
}

FreeTypeGlyphSource::~FreeTypeGlyphSource() = default;

FreeTypeGlyphSource::Chain& FreeTypeGlyphSource::ChainOf(Face face) {
  return face == Face::Latin && latin_ ? *latin_ : *japanese_;
}

Glyph FreeTypeGlyphSource::Rasterise(int pixels, char32_t c, Face face) {
  auto [font, index] = ChainOf(face).FaceFor(pixels, c);
  return Chain::Load(*font, index);
}

int FreeTypeGlyphSource::Ascent(int pixels, Face face) { return ChainOf(face).Ascent(pixels); }

int FreeTypeGlyphSource::FaceOf(int pixels, char32_t c, Face face) {
  Chain& chain = ChainOf(face);
  auto [font, index] = chain.FaceFor(pixels, c);
  if (index == 0) return -1;
  return static_cast<int>(font - chain.faces.data());
}

int FreeTypeGlyphSource::OwnFonts(Face face) const {
  if (face == Face::Latin) return latin_ ? latin_->ownFonts : 0;
  return japanese_->ownFonts;
}

std::vector<std::string> LatinFontFiles() {
  std::vector<std::string> installed;
  for (const char* file : kLatinFontFiles) {
    std::error_code ec;
    if (std::filesystem::exists(file, ec)) installed.emplace_back(file);
  }
  return installed;
}

}  // namespace pp
