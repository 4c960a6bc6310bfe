#include "ui/Shown.h"

#include "game/Game.h"
#include "lang/DisplayLanguage.h"

namespace pp {

bool Translating(const Game& g) { return g.config.language && g.config.language->translating(); }

std::string Shown(const Game& g, std::string_view text, std::string_view role) {
  return g.config.language ? g.config.language->Shown(text, role) : std::string(text);
}

Face ShownFace(const Game& g) { return Translating(g) ? Face::Latin : Face::Japanese; }

}  // namespace pp
