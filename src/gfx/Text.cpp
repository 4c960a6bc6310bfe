#include "gfx/Text.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <unordered_map>

#include "core/Utf8.h"
#include "gfx/BakedGlyphs.h"
#ifdef PANIPANI_FREETYPE
#include "gfx/FreeTypeGlyphs.h"
#endif

namespace pp {

namespace {

uint64_t GlyphKey(Face face, int pixels, bool bold, char32_t cp) {
  return (static_cast<uint64_t>(face) << 48) | (static_cast<uint64_t>(pixels) << 33) |
         (static_cast<uint64_t>(bold) << 32) | cp;
}

std::unique_ptr<GlyphSource> DefaultGlyphSource(const std::string& fontPath) {
  const char* baked = std::getenv("PANIPANI_GLYPHS");
#ifdef PANIPANI_FREETYPE
  if (!baked || !*baked) return std::make_unique<FreeTypeGlyphSource>(fontPath);
#else
  if (!baked || !*baked) baked = PANIPANI_DEFAULT_GLYPHS;
#endif
  if (!fontPath.empty())
    throw std::runtime_error("text: cannot draw with the font " + fontPath +
                             ": the text is drawn from the glyph file " + baked);
  return std::make_unique<BakedGlyphSource>(BakedGlyphSource::FromFile(baked));
}

}  // namespace

struct TextRenderer::Impl {
  std::string fontPath;  // opened on first use, when no source was given
  std::unique_ptr<GlyphSource> source;
  std::unordered_map<uint64_t, Glyph> glyphs;

  GlyphSource& Source() {
    if (!source) source = DefaultGlyphSource(fontPath);
    return *source;
  }

  const Glyph& Get(Face face, int pixels, bool bold, char32_t cp) {
    const uint64_t key = GlyphKey(face, pixels, bold, cp);
    if (auto it = glyphs.find(key); it != glyphs.end()) return it->second;
    Glyph g = bold ? Embolden(Get(face, pixels, false, cp)) : Source().Rasterise(pixels, cp, face);
    return glyphs.emplace(key, std::move(g)).first->second;
  }

  // Struck twice one pixel apart: each run reaches one pixel further right, and runs that now
  // touch merge. The advance grows by one.
  static Glyph Embolden(const Glyph& plain) {
    Glyph g;
    g.advance = plain.advance + 1;
    for (const GlyphRun& r : plain.runs) {
      const GlyphRun wide{r.y, r.x0, static_cast<int16_t>(r.x1 + 1)};
      if (!g.runs.empty() && g.runs.back().y == wide.y && g.runs.back().x1 >= wide.x0) {
        g.runs.back().x1 = std::max(g.runs.back().x1, wide.x1);
      } else {
        g.runs.push_back(wide);
      }
    }
    return g;
  }
};

TextRenderer::TextRenderer(const std::string& fontPath, Opening opening)
    : impl_(std::make_unique<Impl>()) {
  impl_->fontPath = fontPath;
  if (opening == Opening::Now) Open();
}

void TextRenderer::Open() { impl_->Source(); }

TextRenderer::TextRenderer(std::unique_ptr<GlyphSource> source) : impl_(std::make_unique<Impl>()) {
  impl_->source = std::move(source);
}

TextRenderer::~TextRenderer() = default;

int TextRenderer::Draw(Surface& dst, int x, int y, std::string_view text, const TextStyle& style) {
  if (dst.blind())
    return static_cast<int>(std::clamp<int64_t>(
        int64_t{x} + Width(text, style.pointSize, style.bold), INT32_MIN, INT32_MAX));
  const int pixels = PixelSize(style.pointSize);
  if (style.opaque) {
    const int64_t right = int64_t{x} + Width(text, style.pointSize, style.bold, style.face);
    const int64_t bottom = int64_t{y} + pixels;
    dst.FillRect(x, y, static_cast<int>(std::min<int64_t>(right, INT32_MAX)),
                 static_cast<int>(std::min<int64_t>(bottom, INT32_MAX)), style.background);
  }
  const int64_t baseline = int64_t{y} + impl_->Source().Ascent(pixels, style.face);
  const int w = dst.width(), h = dst.height();
  uint32_t* pixelsOut = dst.data();
  int64_t penX = x;
  size_t pos = 0;
  while (pos < text.size()) {
    const Glyph& g = impl_->Get(style.face, pixels, style.bold, NextCodePoint(text, pos));
    for (const GlyphRun& r : g.runs) {
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

int TextRenderer::Width(std::string_view text, int pointSize, bool bold, Face face) {
  const int pixels = PixelSize(pointSize);
  int64_t width = 0;
  size_t pos = 0;
  while (pos < text.size()) {
    width += impl_->Get(face, pixels, bold, NextCodePoint(text, pos)).advance;
  }
  return static_cast<int>(std::min<int64_t>(width, INT32_MAX));
}

int TextRenderer::Height(int pointSize) { return PixelSize(pointSize); }

int TextRenderer::FaceOf(std::string_view character, int pointSize) {
#ifdef PANIPANI_FREETYPE
  if (auto* freeType = dynamic_cast<FreeTypeGlyphSource*>(&impl_->Source())) {
    size_t pos = 0;
    return freeType->FaceOf(PixelSize(pointSize), NextCodePoint(character, pos), Face::Japanese);
  }
#endif
  (void)character;
  (void)pointSize;
  return -1;
}

// Points at 96 dots per inch, to the nearest pixel; sizes are kept to a sane range.
int TextRenderer::PixelSize(int pointSize) {
  const int pt = std::clamp(pointSize, 1, 200);
  return (pt * 4 + 1) / 3;
}

}  // namespace pp
