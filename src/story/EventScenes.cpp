#include "story/EventScenes.h"

namespace pp {

// The event scenes come with the events work; until then these labels change nothing.
void TrapScene(Game&, std::string_view) {}
void ChestScene(Game&, std::string_view) {}
void ShrineScene(Game&, std::string_view) {}
void FluffyScene(Game&, std::string_view) {}
void CastleScene(Game&, std::string_view) {}
void MazeScene(Game&, std::string_view) {}
void MountainScene(Game&, std::string_view) {}
void CaveScene(Game&, std::string_view) {}
void SwampScene(Game&, std::string_view) {}
void DenScene(Game&, std::string_view) {}
void MerchantScene(Game&, std::string_view) {}
void DigScene(Game&, std::string_view) {}
void ChasmScene(Game&, std::string_view) {}
void TheoryScene(Game&, std::string_view) {}
void StoneWallScene(Game&, std::string_view) {}
void UnderwearScene(Game&, std::string_view) {}

}  // namespace pp
