#include "gfx/Text.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BDF_H

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <unordered_map>
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

constexpr char32_t kBackslash = 0x5C, kYen = 0xA5;

// One row run of lit pixels, relative to the pen position on the baseline.
struct Run {
  int16_t y, x0, x1;  // columns [x0, x1) of row y (negative y above the baseline)
};

struct Glyph {
  std::vector<Run> runs;
  int advance = 0;  // whole pixels
};

uint64_t GlyphKey(int pixels, bool bold, char32_t cp) {
  return (static_cast<uint64_t>(pixels) << 33) | (static_cast<uint64_t>(bold) << 32) | cp;
}

// Points at 96 dots per inch, to the nearest pixel; sizes are kept to a sane range.
int PixelSize(int pointSize) {
  const int pt = std::clamp(pointSize, 1, 200);
  return (pt * 4 + 1) / 3;
}

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
struct Face {
  FT_Face ft = nullptr;
  Encoding encoding = Encoding::Unicode;
  bool backslashIsYen = false;  // the face draws U+005C as a yen sign itself
  int currentPixels = 0;
};

}  // namespace

struct TextRenderer::Impl {
  FT_Library library = nullptr;
  // The chosen font first, then the outline font that draws whatever it lacks.
  std::vector<Face> faces;
  std::unordered_map<uint64_t, Glyph> glyphs;

  ~Impl() {
    for (Face& f : faces) FT_Done_Face(f.ft);
    if (library) FT_Done_FreeType(library);
  }

  // Adds the font at `path` to the chain; false when it is not a font we can draw with.
  bool Add(const std::string& path) {
    Face f;
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
    Face& added = faces.back();
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
    for (const Run& r : g.runs) {
      left = std::min<int>(left, r.x0);
      right = std::max<int>(right, r.x1);
    }
    for (const Run& r : g.runs)
      if (5 * (r.x1 - r.x0) >= 3 * (right - left)) return true;
    return false;
  }

  // Sets `f` to draw a cell of `pixels`: any size for an outline, else the bitmap strike whose
  // height is within one pixel of it (the nearest). False when the face has no such strike.
  static bool UseSize(Face& f, int pixels) {
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
  std::pair<Face*, FT_UInt> FaceFor(int pixels, char32_t cp) {
    for (Face& f : faces) {
      if (!UseSize(f, pixels)) continue;
      if (cp == kBackslash && !f.backslashIsYen) {
        if (const FT_UInt yen = CharIndex(f.ft, f.encoding, kYen)) return {&f, yen};
        continue;
      }
      if (const FT_UInt index = CharIndex(f.ft, f.encoding, cp)) return {&f, index};
    }
    Face& last = faces.back();
    UseSize(last, pixels);
    return {&last, 0};
  }

  // The cell is one em high, split by the face's own ascender and descender, as the desktop's
  // Gothic faces were; a bitmap strike brings its own ascent.
  int Ascent(int pixels) {
    for (Face& f : faces) {
      if (!UseSize(f, pixels)) continue;
      if (!FT_IS_SCALABLE(f.ft)) return static_cast<int>(f.ft->size->metrics.ascender >> 6);
      const long total = static_cast<long>(f.ft->ascender) - f.ft->descender;
      if (total <= 0) return pixels;
      return static_cast<int>((2L * pixels * f.ft->ascender + total) / (2 * total));
    }
    return pixels;
  }

  const Glyph& Get(int pixels, bool bold, char32_t cp) {
    const uint64_t key = GlyphKey(pixels, bold, cp);
    if (auto it = glyphs.find(key); it != glyphs.end()) return it->second;
    Glyph g;
    if (bold) {
      g = Embolden(Get(pixels, false, cp));
    } else {
      auto [face, index] = FaceFor(pixels, cp);
      g = Load(*face, index);
    }
    return glyphs.emplace(key, std::move(g)).first->second;
  }

  Glyph Rasterise(Face& f, int pixels, char32_t cp) {
    if (!UseSize(f, pixels)) return {};
    return Load(f, CharIndex(f.ft, f.encoding, cp));
  }

  // The glyph `index` of `f` at its current size, as runs of lit pixels.
  static Glyph Load(Face& f, FT_UInt index) {
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

  // Struck twice one pixel apart: each run reaches one pixel further right, and runs that now
  // touch merge. The advance grows by one.
  static Glyph Embolden(const Glyph& plain) {
    Glyph g;
    g.advance = plain.advance + 1;
    for (const Run& r : plain.runs) {
      const Run wide{r.y, r.x0, static_cast<int16_t>(r.x1 + 1)};
      if (!g.runs.empty() && g.runs.back().y == wide.y && g.runs.back().x1 >= wide.x0) {
        g.runs.back().x1 = std::max(g.runs.back().x1, wide.x1);
      } else {
        g.runs.push_back(wide);
      }
    }
    return g;
  }
};

TextRenderer::TextRenderer(const std::string& fontPath) : impl_(std::make_unique<Impl>()) {
  if (FT_Init_FreeType(&impl_->library) != 0) {
    throw std::runtime_error("text: FreeType could not be started");
  }
  std::string searched;
  bool outline = false;
  if (!fontPath.empty() && !impl_->Add(fontPath))
    throw std::runtime_error("text: cannot draw with the font " + fontPath +
                             " (not a font file, or neither Unicode nor JIS codes)");
  // The outline font: the whole text without a chosen font, else what the chosen one lacks.
  for (const char* candidate : kFontCandidates) {
    std::error_code ec;
    if (candidate == fontPath) continue;
    if (std::filesystem::exists(candidate, ec) && impl_->Add(candidate)) {
      outline = true;
      break;
    }
    searched += searched.empty() ? "" : ", ";
    searched += candidate;
  }
  if (!outline && fontPath.empty())
    throw std::runtime_error(
        "text: no Japanese Gothic font found (install fonts-ipafont-gothic); searched " + searched);
}

TextRenderer::~TextRenderer() = default;

int TextRenderer::Draw(Surface& dst, int x, int y, std::string_view text, const TextStyle& style) {
  const int pixels = PixelSize(style.pointSize);
  if (style.opaque) {
    const int64_t right = int64_t{x} + Width(text, style.pointSize, style.bold);
    const int64_t bottom = int64_t{y} + pixels;
    dst.FillRect(x, y, static_cast<int>(std::min<int64_t>(right, INT32_MAX)),
                 static_cast<int>(std::min<int64_t>(bottom, INT32_MAX)), style.background);
  }
  const int64_t baseline = int64_t{y} + impl_->Ascent(pixels);
  const int w = dst.width(), h = dst.height();
  uint32_t* pixelsOut = dst.data();
  int64_t penX = x;
  size_t pos = 0;
  while (pos < text.size()) {
    const Glyph& g = impl_->Get(pixels, style.bold, NextCodePoint(text, pos));
    for (const Run& r : g.runs) {
      const int64_t row = baseline + r.y;
      if (row < 0 || row >= h) continue;
      const int64_t from = std::max<int64_t>(penX + r.x0, 0);
      const int64_t to = std::min<int64_t>(penX + r.x1, w);
      if (from < to)
        std::fill(pixelsOut + static_cast<size_t>(row) * w + from,
                  pixelsOut + static_cast<size_t>(row) * w + to, style.color);
    }
    penX += g.advance;
  }
  return static_cast<int>(std::clamp<int64_t>(penX, INT32_MIN, INT32_MAX));
}

int TextRenderer::Width(std::string_view text, int pointSize, bool bold) {
  const int pixels = PixelSize(pointSize);
  int64_t width = 0;
  size_t pos = 0;
  while (pos < text.size()) {
    width += impl_->Get(pixels, bold, NextCodePoint(text, pos)).advance;
  }
  return static_cast<int>(std::min<int64_t>(width, INT32_MAX));
}

int TextRenderer::Height(int pointSize) { return PixelSize(pointSize); }

int TextRenderer::FaceOf(std::string_view character, int pointSize) {
  size_t pos = 0;
  const char32_t cp = NextCodePoint(character, pos);
  auto [face, index] = impl_->FaceFor(PixelSize(pointSize), cp);
  if (index == 0) return -1;
  return static_cast<int>(face - impl_->faces.data());
}

}  // namespace pp
