#include "game/ResetPrompt.h"

#include "game/Game.h"
#include "game/LoadSave.h"
#include "game/Sound.h"

namespace pp {

namespace {
constexpr int kEnterKey = 13;
// The two sentences are joined by a bare CR, as the game's box shows them.
constexpr const char* kFullResetQuestion =
    "【!!】全てのゲームデータを完全初期化しますがよろしいですか？\r"
    "(※この初期化は、クリア回数やエンディングデータなど全てを初期化するものです。)";
}  // namespace

void FormKeyDown(Game& g, int keyCode) {
  if (keyCode != kEnterKey) return;
  PlayWave(g, 0, "1.wav");
  // Closing the box or Escape is a No: only a deliberate Yes erases the records.
  g.host.Report(ConfirmEvent{kFullResetQuestion});
  if (g.host.ConfirmYesNo(kFullResetQuestion)) FullReset(g);
}

}  // namespace pp
