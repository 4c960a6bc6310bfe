#include "story/Dispatch2Scenes.h"

namespace pp {

// The event scenes come with the events work; until then these labels change nothing.
void FishingScene(Game&, std::string_view) {}
void MachineScene(Game&, std::string_view) {}
void DoorScene(Game&, std::string_view) {}
void BlueChestScene(Game&, std::string_view) {}
void ForestScene(Game&, std::string_view) {}
void NorthernerScene(Game&, std::string_view) {}
void WishScene(Game&, std::string_view) {}
void CreatureScene(Game&, std::string_view) {}
void BlockReleaseScene(Game&, std::string_view) {}

}  // namespace pp
