#pragma once
// Every game variable in one record. Field names and declared order follow the saved record
// `tmy`; transient variables (never saved) and the tables read at start-up follow it.
// Texts are UTF-8 except `headerText` and the bed texts, which are carried as raw CP932 bytes.
// The initial values are the new-game values (NewGame copies them for the run variables) and
// the start values of the transient variables.

#include <array>
#include <cstdint>
#include <string>

namespace pp {

// One reserved bed record: a text (raw bytes) and six integers.
struct Bed {
  std::string text;
  std::array<int32_t, 6> values{};
};

// One slot of the 50-slot overlay ring: a rising message line.
struct OverlaySlot {
  std::string text;
  int32_t x0 = 0, y0 = 0;
  int32_t x = 0, y = 0;
  int32_t age = 0;   // 0 = free
  int32_t kind = 0;  // 4 plain, 301..312 coloured
};

inline constexpr int kOverlaySlots = 50;
inline constexpr int kItemSlots = 1000;
inline constexpr int kLevelNames = 100;
inline constexpr int kNameSyllables = 226;

struct GameState {
  // --- saved record `tmy`, declared order ---
  std::string headerText;  // raw CP932 bytes
  int32_t reserved1 = 0;
  int32_t exp = 0;
  int32_t reserved2 = 50;
  int32_t money = 0;
  int32_t level = 0;
  std::array<uint8_t, 1000> reservedBytesA{};
  std::array<int32_t, kItemSlots> itemCount{};
  std::array<uint8_t, 1000> reservedBytesB{};
  std::array<Bed, 100> beds{};
  int32_t tp = 0;
  int32_t hp = 10;
  int32_t maxHp = 10;
  int32_t strength = 0;
  int32_t defenceSkill = 0;
  int32_t reserved3 = 0, reserved4 = 0;
  int32_t reserved5 = 100;
  int32_t maxHunger = 50;
  int32_t hunger = 50;
  int32_t reserved6 = 100;
  int32_t reserved7 = 0, reserved8 = 0;
  int32_t reserved9 = 1;
  int32_t reserved10 = 10, reserved11 = 10;
  int32_t wisdom = 0;
  int32_t reserved12 = 0;
  int32_t spirit = 0;
  int32_t reserved13 = 0;
  int32_t reserved14 = 0, reserved15 = 0;
  int32_t deathCount = 0;
  int32_t keptValue1 = 0, keptValue2 = 0;
  std::array<uint8_t, 1000> keptFlags{};
  int32_t reserved16 = 0, reserved17 = 0, reserved18 = 0, reserved19 = 0;
  std::array<uint8_t, 100> reservedBytesC{};
  std::array<uint8_t, 100> reservedBytesD{};
  int32_t reserved20 = 0, reserved21 = 0, reserved22 = 0, reserved23 = 0, reserved24 = 0,
          reserved25 = 0;
  std::array<int32_t, 10> reservedInts10{};
  std::array<int32_t, 451> reservedPairs{};
  int32_t messageFontLarge = 0;
  int32_t machineSkill = 0;
  int32_t logicSkill = 0;
  int32_t debateSkill = 0;
  int32_t attackSkill = 0;
  int32_t magicSkill = 0;
  int32_t climbingSkill = 0;
  int32_t cowardice = 0;
  int32_t escapeSkill = 0;
  int32_t daysLeft = 365;
  int32_t captureSkill = 0;
  int32_t charmSkill = 0;
  int32_t trapSkill = 0;
  int32_t mp = 5;
  int32_t maxMp = 5;
  int32_t worldLevel = 0;
  int32_t creationPicks = 5;
  int32_t auDistance = 0;
  int32_t reserved26 = 60;
  int32_t magicDefenceSkill = 0;
  int32_t statusLogicAttack = 0;
  int32_t statusLogicDefence = 0;
  int32_t statusTheoryArmour = 0;
  int32_t statusExtra = 0;
  int32_t statusHeal = 0;
  int32_t statusMagic = 0;
  int32_t statusSpirit = 0;
  int32_t statusAttackUp = 0;
  int32_t statusDefenceUp = 0;
  int32_t statusMagicAttackUp = 0;
  int32_t statusMagicDefenceUp = 0;
  int32_t statusPhantomThief = 0;
  int32_t statusTraining = 0;
  int32_t statusHellTraining = 0;
  int32_t statusHero = 0;
  int32_t statusStomachache = 0;
  int32_t statusPoison = 0;
  int32_t statusParalysis = 0;
  std::array<int32_t, 100> records{};
  int32_t soldFaustBook = 0, soldRedSwordSeal = 0, soldHolyWater = 0, soldKingSword = 0,
          soldSteelArmour = 0;
  int32_t deepestLevel = 0;
  int32_t deepestAu = 0;

  // Saved beside the record, used by nothing else.
  int32_t spareSaved = 0;

  // --- transient: the enemy on screen ---
  std::string enemyName;  // empty = no enemy
  int32_t enemyHp = 0, enemyMaxHp = 0;
  int32_t enemyDebater = 0, enemyElite = 0, enemyDropItem = 0, enemyDropCount = 0,
          enemyStrength = 0, enemyDefence = 0, enemySpirit = 0, enemyWisdom = 0, enemyExpFactor = 0,
          enemyMoneyFactor = 0;

  // --- transient: scene counters ---
  int32_t denFightCount = 0;
  int32_t lockedChestTries = 0;
  int32_t caveProgress = 0, mountainProgress = 0, mazeProgress = 0, forestProgress = 0;
  int32_t blockReleaseCount = 0;
  int32_t selectedItem = 0;
  int32_t merchantItem = 0, merchantCount = 0, merchantPrice = 0;

  // --- transient: input, pacing and animation ---
  int32_t clickState = 1;  // 0 waiting for a click, 1 clicked, -1 silent mode
  int32_t titlePhase = -2;
  int32_t frameCounter = 0;  // 0..999
  int32_t framesThisSecond = 0;
  int32_t frameIntervalMs = 90;
  int64_t nextFrameTime = 0;   // host clock, ms
  int64_t nextReportTime = 0;  // host clock, ms
  std::string choiceLabel1, choiceLabel2, choiceLabel3 = "旅立つ";
  int32_t hoveredChoice = 0;
  int32_t choiceSlide = -200;
  int32_t choicesEnabled = 1;
  int32_t choiceBlink1 = 0, choiceBlink2 = 0, choiceBlink3 = 0;
  int32_t statusSlideX = -200;
  int32_t enemyBarX = 400;
  int32_t hpShown = 0, mpShown = 0, expShown = 0, hungerShown = 0, enemyHpShown = 0;
  int32_t hurtFlash = 0;
  std::array<OverlaySlot, kOverlaySlots> overlayRing{};
  int32_t overlayRingIndex = 0;

  // LoadGame failed: the state never came from the save file, so SaveGame must not replace it.
  bool savesBlocked = false;

  // --- tables read once at start (texts as drawn: a byte that is not CP932 reads as U+FFFD) ---
  std::array<std::string, kLevelNames> levelNames{};
  std::array<std::string, kLevelNames> levelNameBytes{};  // map.dat's own lines, raw CP932
  std::array<std::string, kNameSyllables> nameSyllables{};
};

// The name of world level `level` as drawn, or empty outside 0..99.
const std::string& LevelName(const GameState& s, int32_t level);
// The same name in map.dat's own bytes (raw CP932), or empty outside 0..99.
const std::string& LevelNameBytes(const GameState& s, int32_t level);

}  // namespace pp
