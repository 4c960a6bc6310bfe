#pragma once
// Outcomes of the second table of labels. Each scene receives the clicked label.

#include <string_view>

namespace pp {

class Game;

void FishingScene(Game& g, std::string_view label);     // 釣りin池
void MachineScene(Game& g, std::string_view label);     // the strange machine, the electronic chest
void DoorScene(Game& g, std::string_view label);        // the keyed and the electronic doors
void BlueChestScene(Game& g, std::string_view label);   // the blue treasure chests
void ForestScene(Game& g, std::string_view label);      // the dark forest expedition
void NorthernerScene(Game& g, std::string_view label);  // 右 or 左
void WishScene(Game& g, std::string_view label);        // お金, スキル, 精神を強化
void CreatureScene(Game& g, std::string_view label);    // 確認する: what lives in the hole
void BlockReleaseScene(Game& g, std::string_view label);  // ブロック解除

}  // namespace pp
