#include "app/Game.h"

#include "audio/Sound.h"

namespace pp {

Game::Game(Host& h, GamePaths p, uint32_t seed)
    : host(h), paths(std::move(p)), random(seed) {}

Game::~Game() = default;

}  // namespace pp
