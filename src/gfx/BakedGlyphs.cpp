#include "gfx/BakedGlyphs.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

namespace pp {

namespace {

constexpr std::string_view kMagic = "PPGLYPH1";
constexpr char32_t kNotInAnyFont = 0xFFFF;

void PutU32(std::string& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

void PutVarint(std::string& out, uint32_t v) {
  while (v >= 0x80) {
    out += static_cast<char>(0x80 | (v & 0x7F));
    v >>= 7;
  }
  out += static_cast<char>(v);
}

// A value for a one-byte field; throws when it does not fit.
char Byte(int v, int lo, int hi, const char* what) {
  if (v < lo || v > hi) throw std::runtime_error(std::string("glyphs: ") + what + " out of range");
  return static_cast<char>(v);
}

size_t RowBytes(int width) { return static_cast<size_t>(width + 7) / 8; }

// Reads the file front to back; every read is bounds-checked.
class Reader {
 public:
  Reader(const std::string& bytes, const std::string& name, size_t pos)
      : bytes_(bytes), name_(name), pos_(pos) {}
  size_t pos() const { return pos_; }
  [[noreturn]] void Fail(const std::string& what) const {
    throw std::runtime_error("glyphs: " + name_ + ": " + what + " at byte " + std::to_string(pos_));
  }
  uint8_t U8() {
    if (pos_ >= bytes_.size()) Fail("cut short");
    return static_cast<uint8_t>(bytes_[pos_++]);
  }
  uint32_t U32() {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= uint32_t{U8()} << (8 * i);
    return v;
  }
  uint32_t Varint() {
    uint32_t v = 0;
    for (int shift = 0; shift < 35; shift += 7) {
      const uint8_t b = U8();
      if (shift == 28 && b > 0x0F) Fail("number too large");
      v |= uint32_t{b & 0x7Fu} << shift;
      if (!(b & 0x80)) return v;
    }
    Fail("number too long");
  }
  void Expect(std::string_view text) {
    if (bytes_.compare(pos_, text.size(), text) != 0) Fail("not a glyph file");
    pos_ += text.size();
  }
  void Skip(size_t n) {
    if (n > bytes_.size() - pos_) Fail("cut short");
    pos_ += n;
  }

 private:
  const std::string& bytes_;
  const std::string& name_;
  size_t pos_;
};

}  // namespace

std::string BakeGlyphs(GlyphSource& source, const std::vector<int>& pixelSizes,
                       std::vector<char32_t> chars, Face face) {
  std::sort(chars.begin(), chars.end());
  chars.erase(std::unique(chars.begin(), chars.end()), chars.end());
  std::vector<std::vector<Glyph>> glyphs(pixelSizes.size());  // [size][character]
  for (size_t s = 0; s < pixelSizes.size(); ++s)
    for (char32_t c : chars) glyphs[s].push_back(source.Rasterise(pixelSizes[s], c, face));
  if (const auto fallback = std::lower_bound(chars.begin(), chars.end(), kNotInAnyFont);
      fallback != chars.end() && *fallback == kNotInAnyFont) {
    const size_t f = static_cast<size_t>(fallback - chars.begin());
    std::vector<Glyph> drawnForMissing;
    for (const auto& strike : glyphs) drawnForMissing.push_back(strike[f]);
    std::vector<char32_t> kept;
    for (size_t i = 0; i < chars.size(); ++i) {
      bool same = i != f;
      for (size_t s = 0; s < glyphs.size(); ++s) same = same && glyphs[s][i] == drawnForMissing[s];
      if (same) continue;
      if (kept.size() != i)
        for (auto& strike : glyphs) strike[kept.size()] = std::move(strike[i]);
      kept.push_back(chars[i]);
    }
    chars = kept;
    for (auto& strike : glyphs) strike.resize(kept.size());
  }

  std::string out(kMagic);
  PutU32(out, static_cast<uint32_t>(chars.size()));
  out += Byte(static_cast<int>(pixelSizes.size()), 0, 255, "size count");
  char32_t previous = 0;
  for (char32_t c : chars) {
    PutVarint(out, c - previous);
    previous = c;
  }
  for (int pixels : pixelSizes) {
    out += Byte(pixels, 1, 255, "em");
    out += Byte(source.Ascent(pixels, face), 0, 255, "ascent");
  }
  std::vector<std::string> columns;  // byte column k of every row that has one
  for (const auto& strike : glyphs) {
    for (const Glyph& g : strike) {
      int left = 0, top = 0, right = 0, bottom = 0;
      if (!g.runs.empty()) {
        left = g.runs[0].x0, right = g.runs[0].x1;
        top = g.runs[0].y, bottom = g.runs[0].y + 1;
        for (const GlyphRun& r : g.runs) {
          left = std::min<int>(left, r.x0);
          right = std::max<int>(right, r.x1);
          top = std::min<int>(top, r.y);
          bottom = std::max(bottom, r.y + 1);
        }
      }
      const int width = right - left, rows = bottom - top;
      out += Byte(g.advance, 0, 255, "advance");
      out += Byte(left, -128, 127, "left edge");
      out += Byte(top, -128, 127, "top row");
      out += Byte(width, 0, 255, "width");
      out += Byte(rows, 0, 255, "height");
      const size_t rowBytes = RowBytes(width);
      std::string bitmap(rowBytes * static_cast<size_t>(rows), '\0');
      for (const GlyphRun& r : g.runs)
        for (int x = r.x0; x < r.x1; ++x) {
          const size_t bit = static_cast<size_t>(x - left);
          bitmap[static_cast<size_t>(r.y - top) * rowBytes + bit / 8] |=
              static_cast<char>(0x80 >> (bit % 8));
        }
      if (columns.size() < rowBytes) columns.resize(rowBytes);
      for (size_t row = 0; row < static_cast<size_t>(rows); ++row)
        for (size_t k = 0; k < rowBytes; ++k) columns[k] += bitmap[row * rowBytes + k];
    }
  }
  for (const std::string& column : columns) out += column;
  return out;
}

BakedGlyphSource::BakedGlyphSource(const std::string& bytes, const std::string& name)
    : BakedGlyphSource(bytes, name, size_t{0}) {
  if (end_ == bytes.size()) return;
  latin_.reset(new BakedGlyphSource(bytes, name, end_));
  if (latin_->end_ != bytes.size())
    throw std::runtime_error("glyphs: " + name +
                             ": unexpected bytes after the Latin face at byte " +
                             std::to_string(latin_->end_));
}

BakedGlyphSource::BakedGlyphSource(const std::string& bytes, const std::string& name,
                                   size_t offset) {
  Reader in(bytes, name, offset);
  in.Expect(kMagic);
  const uint32_t count = in.U32();
  const int sizes = in.U8();
  if (count > bytes.size()) in.Fail("more characters than bytes");
  chars_.reserve(count);
  uint64_t c = 0;
  for (uint32_t i = 0; i < count; ++i) {
    const uint32_t gap = in.Varint();
    if (i > 0 && gap == 0) in.Fail("characters out of order");
    c += gap;
    if (c > 0x10FFFF) in.Fail("not a character");
    chars_.push_back(static_cast<char32_t>(c));
  }
  for (int s = 0; s < sizes; ++s) {
    const int pixels = in.U8(), ascent = in.U8();
    if (pixels == 0 || Find(pixels)) in.Fail("bad or repeated size");
    strikes_.push_back({pixels, ascent, {}});
  }
  std::vector<uint64_t> columnBytes;  // the length of each byte column
  uint64_t bitmapBytes = 0;
  for (Strike& strike : strikes_) {
    strike.glyphs.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
      Metrics m{};
      m.advance = in.U8();
      m.left = static_cast<int8_t>(in.U8());
      m.top = static_cast<int8_t>(in.U8());
      m.width = in.U8();
      m.rows = in.U8();
      m.bitmap = static_cast<uint32_t>(bitmapBytes);
      const size_t rowBytes = RowBytes(m.width);
      bitmapBytes += rowBytes * m.rows;
      if (bitmapBytes > bytes.size()) in.Fail("bitmaps larger than the file");
      if (columnBytes.size() < rowBytes) columnBytes.resize(rowBytes);
      for (size_t k = 0; k < rowBytes; ++k) columnBytes[k] += m.rows;
      strike.glyphs.push_back(m);
    }
  }
  std::vector<size_t> columnAt;  // where the next byte of each column is read
  for (uint64_t length : columnBytes) {
    columnAt.push_back(in.pos());
    in.Skip(static_cast<size_t>(length));
  }
  end_ = in.pos();
  bitmaps_.resize(static_cast<size_t>(bitmapBytes));
  char* out = bitmaps_.data();
  for (const Strike& strike : strikes_)
    for (const Metrics& m : strike.glyphs) {
      const size_t rowBytes = RowBytes(m.width);
      for (int row = 0; row < m.rows; ++row)
        for (size_t k = 0; k < rowBytes; ++k) *out++ = bytes[columnAt[k]++];
    }
}

BakedGlyphSource BakedGlyphSource::FromFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary | std::ios::ate);
  if (!file.is_open()) throw std::runtime_error("glyphs: cannot open " + path);
  // In one read: the browser build reads the file as the page starts.
  std::string bytes(static_cast<size_t>(std::max<std::streamoff>(file.tellg(), 0)), '\0');
  file.seekg(0);
  if (!file.read(bytes.data(), static_cast<std::streamsize>(bytes.size())))
    throw std::runtime_error("glyphs: cannot read " + path);
  return BakedGlyphSource(bytes, path);
}

const BakedGlyphSource::Strike* BakedGlyphSource::Find(int pixels) const {
  for (const Strike& s : strikes_)
    if (s.pixels == pixels) return &s;
  return nullptr;
}

std::vector<int> BakedGlyphSource::pixelSizes() const {
  std::vector<int> sizes;
  for (const Strike& s : strikes_) sizes.push_back(s.pixels);
  return sizes;
}

const std::vector<char32_t>& BakedGlyphSource::characters(Face face) const {
  static const std::vector<char32_t> kNone;
  if (face == Face::Latin) return latin_ ? latin_->chars_ : kNone;
  return chars_;
}

Glyph BakedGlyphSource::Rasterise(int pixels, char32_t c, Face face) {
  if (face == Face::Latin && latin_ &&
      std::binary_search(latin_->chars_.begin(), latin_->chars_.end(), c))
    return latin_->Rasterise(pixels, c, Face::Japanese);
  Glyph g;
  const Strike* strike = Find(pixels);
  if (!strike) return g;
  auto it = std::lower_bound(chars_.begin(), chars_.end(), c);
  if (it == chars_.end() || *it != c) {
    it = std::lower_bound(chars_.begin(), chars_.end(), kNotInAnyFont);
    if (it == chars_.end() || *it != kNotInAnyFont) return g;
  }
  const Metrics& m = strike->glyphs[static_cast<size_t>(it - chars_.begin())];
  g.advance = m.advance;
  const size_t rowBytes = RowBytes(m.width);
  for (int row = 0; row < m.rows; ++row) {
    const auto* bits =
        reinterpret_cast<const unsigned char*>(bitmaps_.data()) + m.bitmap + row * rowBytes;
    const auto lit = [&](int x) { return (bits[x / 8] >> (7 - x % 8)) & 1; };
    for (int x = 0; x < m.width;) {
      if (!lit(x)) {
        ++x;
        continue;
      }
      const int start = x;
      while (x < m.width && lit(x)) ++x;
      g.runs.push_back({static_cast<int16_t>(m.top + row), static_cast<int16_t>(m.left + start),
                        static_cast<int16_t>(m.left + x)});
    }
  }
  return g;
}

int BakedGlyphSource::Ascent(int pixels, Face face) {
  if (face == Face::Latin && latin_) return latin_->Ascent(pixels, Face::Japanese);
  const Strike* strike = Find(pixels);
  return strike ? strike->ascent : 0;
}

}  // namespace pp
