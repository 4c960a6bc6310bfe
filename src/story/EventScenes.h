#pragma once
// Outcomes of the adventure's events in the first table of labels. Each scene receives the
// clicked label, which tells its choices apart. Every scene ends by offering the next decision:
// its own choices, the camp menu, a battle, or nothing after a game over.

#include <string_view>

namespace pp {

class Game;

void TrapScene(Game& g, std::string_view label);  // 罠外し, 解除魔法, 罠解除 (Lv0, Lv2)
void ChestScene(Game& g, std::string_view label);  // 開ける, 放置する, 鍵, こじあける (Lv2)
void ShrineScene(Game& g, std::string_view label);    // the demon's and goddess's springs, shrine
void FluffyScene(Game& g, std::string_view label);    // capture, wave back or kill フワフワ
void CastleScene(Game& g, std::string_view label);    // king ヴォマクト and the time castle
void MazeScene(Game& g, std::string_view label);      // the sky maze expedition
void MountainScene(Game& g, std::string_view label);  // the sacred mountain expedition
void CaveScene(Game& g, std::string_view label);      // the cold cave expedition
void SwampScene(Game& g, std::string_view label);  // the swamp, the bread, 見なかった事に…
void DenScene(Game& g, std::string_view label);    // the monster den
void MerchantScene(Game& g, std::string_view label);   // the wandering merchant
void DigScene(Game& g, std::string_view label);        // the strata and the crystal
void ChasmScene(Game& g, std::string_view label);      // the hole: jump over or fall in
void TheoryScene(Game& g, std::string_view label);     // the new theory: understand or rebut
void StoneWallScene(Game& g, std::string_view label);  // a stone into the wall's hole
void UnderwearScene(Game& g, std::string_view label);  // the pink underwear

}  // namespace pp
