#include "gfx/Text.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <unordered_map>
#include <vector>

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

}  // namespace

struct TextRenderer::Impl {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  int currentPixels = 0;
  bool backslashIsYen = true;  // the face draws U+005C as a yen sign itself
  std::unordered_map<uint64_t, Glyph> glyphs;

  ~Impl() {
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
    for (const Run& r : g.runs) {
      left = std::min<int>(left, r.x0);
      right = std::max<int>(right, r.x1);
    }
    for (const Run& r : g.runs)
      if (5 * (r.x1 - r.x0) >= 3 * (right - left)) return true;
    return false;
  }

  // The next character as drawn: the byte 0x5C is the yen sign in the game's texts.
  char32_t NextDrawnChar(std::string_view text, size_t& pos) const {
    const char32_t cp = NextCodePoint(text, pos);
    return cp == kBackslash && !backslashIsYen ? kYen : cp;
  }

  void UseSize(int pixels) {
    if (currentPixels == pixels) return;
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixels));
    currentPixels = pixels;
  }

  // The cell is one em high, split by the face's own ascender and descender, as the desktop's
  // Gothic faces were.
  int Ascent(int pixels) const {
    const long total = static_cast<long>(face->ascender) - face->descender;
    if (total <= 0) return pixels;
    return static_cast<int>((2L * pixels * face->ascender + total) / (2 * total));
  }

  const Glyph& Get(int pixels, bool bold, char32_t cp) {
    const uint64_t key = GlyphKey(pixels, bold, cp);
    if (auto it = glyphs.find(key); it != glyphs.end()) return it->second;
    Glyph g = bold ? Embolden(Get(pixels, false, cp)) : Rasterise(pixels, cp);
    return glyphs.emplace(key, std::move(g)).first->second;
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
  if (!fontPath.empty()) {
    if (!impl_->Open(fontPath)) throw std::runtime_error("text: cannot open the font " + fontPath);
    return;
  }
  std::string searched;
  for (const char* candidate : kFontCandidates) {
    std::error_code ec;
    if (std::filesystem::exists(candidate, ec) && impl_->Open(candidate)) return;
    searched += searched.empty() ? "" : ", ";
    searched += candidate;
  }
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
    const Glyph& g = impl_->Get(pixels, style.bold, impl_->NextDrawnChar(text, pos));
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
    width += impl_->Get(pixels, bold, impl_->NextDrawnChar(text, pos)).advance;
  }
  return static_cast<int>(std::min<int64_t>(width, INT32_MAX));
}

int TextRenderer::Height(int pointSize) { return PixelSize(pointSize); }

}  // namespace pp
