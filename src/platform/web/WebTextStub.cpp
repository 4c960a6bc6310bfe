// Placeholder text renderer for the browser build until the baked glyph file lands: draws
// nothing and measures nothing.
#include <algorithm>

#include "gfx/Text.h"

namespace pp {

struct TextRenderer::Impl {};

TextRenderer::TextRenderer(const std::string&) : impl_(std::make_unique<Impl>()) {}
TextRenderer::~TextRenderer() = default;
int TextRenderer::Draw(Surface&, int x, int, std::string_view, const TextStyle&) { return x; }
int TextRenderer::Width(std::string_view, int, bool) { return 0; }
int TextRenderer::Height(int pointSize) { return (std::clamp(pointSize, 1, 200) * 4 + 1) / 3; }

}  // namespace pp
