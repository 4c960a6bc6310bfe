#include "app/Program.h"

#include <exception>

#include "game/Events.h"
#include "game/Startup.h"

namespace pp {

int RunGame(Host& host, const GameConfig& config, uint32_t seed,
            const std::function<void(const Game&)>& onClosed) {
  std::unique_ptr<Game> game;
  try {
    game = std::make_unique<Game>(host, config, seed);
    game->text.Open();
  } catch (const std::exception& e) {
    // No font or glyph file to draw with: nothing can be shown.
    host.ShowError(e.what());
    return 1;
  }
  Game& g = *game;
  if (auto error = FormCreate(g)) {
    host.ShowError(*error);
    return 1;
  }
  while (!g.closing) HandleEvent(g, host.WaitEvent());
  FormDestroy(g);
  if (onClosed) onClosed(g);
  return g.exitStatus;
}

}  // namespace pp
