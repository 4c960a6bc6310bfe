#pragma once
// The steps the event scenes share: the camp, the battles they start, the rolls they end with,
// finds and injuries. wl below is the current world level.

#include <cstdint>
#include <string_view>

namespace pp {

class Game;
struct GameState;

// Item ids the event scenes use.
inline constexpr int32_t kTrapTool = 1;
inline constexpr int32_t kKey = 2;
inline constexpr int32_t kStone = 3;
inline constexpr int32_t kClayFigure = 6;
inline constexpr int32_t kFluffy = 7;
inline constexpr int32_t kFluffyHeart = 8;
inline constexpr int32_t kMazeCrest = 12;
inline constexpr int32_t kClimbingRope = 13;
inline constexpr int32_t kCompass = 26;
inline constexpr int32_t kColdPickaxe = 27;
inline constexpr int32_t kColdGuardian = 28;
inline constexpr int32_t kColdOre = 29;
inline constexpr int32_t kShovel = 54;
inline constexpr int32_t kWorm = 102;

// A chance of 1 in n: Random(n) = 0 (always true for n <= 1).
bool OneIn(Game& g, int32_t n);
// The camp menu, unless CheckDeath has something to report.
void CampIfAlive(Game& g);
// Names the enemy and gives it `maxHp` hit points; the caller sets the stats it lists, the
// others keep the values the camp menu cleared. Returns the state for that.
GameState& SetUpEnemy(Game& g, std::string_view name, int32_t maxHp);
// "enemy.wav", "<name>が現れた" and the battle menu.
void OpenBattle(Game& g);
// With chance 1 in a, ChangeCowardice(d); then the camp menu.
void CowardiceRoll(Game& g, int32_t a, int32_t d);
// With chance 1 in 2, RaiseEscapeSkill(Random(2) + 1).
void EscapeRoll(Game& g);
// "何かを発見した!!" and a random item worth up to wl × b + b.
void Find(Game& g, int32_t b);
// "財宝を発見した!!" and three random items of growing worth.
void TreasureTrio(Game& g);
// A red `text`, then wl + k damage.
void Hurt(Game& g, std::string_view text, int32_t k);
// Random(a) + wl × 2 + k damage.
void HardHurt(Game& g, int32_t a, int32_t k);
// One day and one point of the stomach spent by an expedition's attempt.
void SpendDay(Game& g);
// The search of an expedition (maze, forest): a day, then Random(6) picks an injury, a find
// worth `bigFind` or `smallFind`, the loss of its `tool`, a point of `progress` lost, or else
// "何も無かった.." (Random(5) ≠ 0) or its lesson `lesson(g, 1)`.
void SearchExpedition(Game& g, int32_t bigFind, int32_t smallFind, int32_t tool, int32_t& progress,
                      void (*lesson)(Game&, int32_t));

}  // namespace pp
