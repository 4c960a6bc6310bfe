#include "game/Game.h"

#include "audio/SoundSystem.h"

namespace pp {

Game::Game(Host& h, GameConfig c, uint32_t seed)
    : host(h),
      config(std::move(c)),
      random(seed),
      text(config.fontPath.string(), TextRenderer::Opening::OnFirstUse) {}

Game::~Game() = default;

}  // namespace pp
