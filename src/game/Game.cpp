#include "game/Game.h"

#include "audio/Sound.h"

namespace pp {

Game::Game(Host& h, GameConfig c, uint32_t seed) : host(h), config(std::move(c)), random(seed) {}

Game::~Game() = default;

}  // namespace pp
