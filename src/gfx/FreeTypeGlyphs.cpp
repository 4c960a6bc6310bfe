#include "gfx/FreeTypeGlyphs.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <array>
#include <filesystem>
#include <stdexcept>

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

bool BitSet(const FT_Bitmap& bm, unsigned row, unsigned col) {
  const unsigned char* line = bm.buffer + static_cast<ptrdiff_t>(row) * bm.pitch;
  if (bm.pixel_mode == FT_PIXEL_MODE_MONO) return (line[col >> 3] >> (7 - (col & 7))) & 1;
  return line[col] >= 128;  // a grey strike from the font: threshold it
}

}  // namespace

struct FreeTypeGlyphSource::Face {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  int currentPixels = 0;
  bool backslashIsYen = true;  // the face draws U+005C as a yen sign itself

  ~Face() {
    if (face) FT_Done_Face(face);
    if (library) FT_Done_FreeType(library);
  }

  bool Open(const std::string& path) {
    if (face) FT_Done_Face(face);
    face = nullptr;
    currentPixels = 0;
    if (FT_New_Face(library, path.c_str(), 0, &face) != 0 || !FT_IS_SCALABLE(face)) return false;
    backslashIsYen = HasCrossBar(Rasterise(kProbePixels, kBackslash));
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

  void UseSize(int pixels) {
    if (currentPixels == pixels) return;
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixels));
    currentPixels = pixels;
  }

  Glyph Rasterise(int pixels, char32_t cp) {
    Glyph g;
    UseSize(pixels);
    const FT_UInt index = FT_Get_Char_Index(face, cp);
    if (FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0) return g;
    const FT_GlyphSlot slot = face->glyph;
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
    : face_(std::make_unique<Face>()) {
  if (FT_Init_FreeType(&face_->library) != 0) {
    throw std::runtime_error("text: FreeType could not be started");
  }
  if (!fontPath.empty()) {
    if (!face_->Open(fontPath)) throw std::runtime_error("text: cannot open the font " + fontPath);
    return;
  }
  std::string searched;
  for (const char* candidate : kFontCandidates) {
    std::error_code ec;
    if (std::filesystem::exists(candidate, ec) && face_->Open(candidate)) return;
    searched += searched.empty() ? "" : ", ";
    searched += candidate;
  }
  throw std::runtime_error(
      "text: no Japanese Gothic font found (install fonts-ipafont-gothic); searched " + searched);
}

FreeTypeGlyphSource::~FreeTypeGlyphSource() = default;

Glyph FreeTypeGlyphSource::Rasterise(int pixels, char32_t c) {
  return face_->Rasterise(pixels, c == kBackslash && !face_->backslashIsYen ? kYen : c);
}

// The cell is one em high, split by the face's own ascender and descender, as the desktop's
// Gothic faces were.
int FreeTypeGlyphSource::Ascent(int pixels) {
  const FT_Face face = face_->face;
  const long total = static_cast<long>(face->ascender) - face->descender;
  if (total <= 0) return pixels;
  return static_cast<int>((2L * pixels * face->ascender + total) / (2 * total));
}

}  // namespace pp
