// The strange machine, the chest with an electronic lock, the two doors and the blue chests.

#include <array>
#include <string>

#include "adventure/Camp.h"
#include "adventure/Changes.h"
#include "adventure/Death.h"
#include "adventure/Growth.h"
#include "adventure/Say.h"
#include "core/Int32.h"
#include "game/Game.h"
#include "game/Sound.h"
#include "items/Inventory.h"
#include "story/Dispatch2Scenes.h"
#include "story/EventSteps.h"
#include "ui/Choices.h"
#include "ui/Messages.h"
#include "ui/Picture.h"

namespace pp {

namespace {

constexpr int32_t kElectronicKey = 116;

// max(wl × 2 − skill + extra, 0): an attempt succeeds on Random(d) = 0, always when d is 0.
int32_t LockDivisor(const Game& g, int32_t skill, int32_t extra) {
  const int32_t d = Add32(Sub32(Mul32(g.state.worldLevel, 2), skill), extra);
  return d < 0 ? 0 : d;
}

int32_t RandomPlus(Game& g, int32_t n, int32_t plus) { return Add32(Random(g, n), plus); }

void Fumble(Game& g) {
  PlayWave(g, 1, "no.wav");
  AddColorMessage(g, "失敗!!", "red");
}

// --- the strange machine ---

struct Boon {
  int32_t GameState::*status;  // set to 20; null for the two refills
  std::string_view text;
};

constexpr std::array<Boon, 9> kBoons{{
    {&GameState::statusAttackUp, "機械の力によって、あなたの物理攻撃力が一時的に上昇した!!"},
    {&GameState::statusDefenceUp, "機械の力によって、あなたの物理防御力が一時的に上昇した!!"},
    {&GameState::statusMagicAttackUp, "機械の力によって、あなたの魔法攻撃力が一時的に上昇した!!"},
    {&GameState::statusMagicDefenceUp, "機械の力によって、あなたの魔法防御力が一時的に上昇した!!"},
    {&GameState::statusHeal, "機械の力によって、あなたは一時的に<癒>状態になった!!"},
    {&GameState::statusMagic, "機械の力によって、あなたは一時的に<魔>状態になった!!"},
    {&GameState::statusSpirit, "機械の力によって、あなたは一時的に<精>状態になった!!"},
    {nullptr, "機械の力によって、あなたは完全回復した!!"},
    {nullptr, "機械の力によって、あなたのTPとお腹が満タンになった!!"},
}};

void MachineBoon(Game& g) {
  GameState& s = g.state;
  const int32_t r = Random(g, 9);
  const Boon& b = kBoons[static_cast<size_t>(r)];
  if (b.status) {
    s.*b.status = 20;
  } else if (r == 7) {
    s.hp = s.maxHp;
    s.mp = s.maxMp;
  } else {
    s.tp = 100;
    s.hunger = s.maxHunger;
  }
  SayIn(g, b.text, "aqua");
}

void TinkerWithMachine(Game& g) {
  const int32_t wl = g.state.worldLevel;
  if (Random(g, LockDivisor(g, g.state.machineSkill, 3)) != 0) {
    if (OneIn(g, 2)) {
      Say(g, "機械はうんともすんとも言わなかった....");
    } else {
      AddColorMessage(g, "機械は突然あなたにダメージを負わせた!!", "red");
      PlayWave(g, 2, "error.wav");
      HardHurt(g, 3, 2);
    }
  } else {
    PlayWave(g, 2, "machine.wav");
    Say(g, "機械が突然動き出した!!");
    PlayWave(g, 3, "up.wav");
    MachineBoon(g);
    GainExp(g, RandomPlus(g, 5, Add32(Mul32(wl, 2), 2)));
  }
  if (OneIn(g, 4)) RaiseMachineSkill(g, 1);
  ShowCampMenu(g);
}

// --- the chest with an electronic lock ---

void OpenMachineChestWithKey(Game& g) {
  GameState& s = g.state;
  ShowPicture(g, "takara_machine.bmp");
  PlayWave(g, 1, "kagi_machine.wav");
  s.itemCount[kElectronicKey] = Sub32(s.itemCount[kElectronicKey], 1);
  GainRandomItem(g, Add32(Mul32(s.worldLevel, 20), 20));
  ShowCampMenu(g);
}

void CrackMachineChest(Game& g) {
  const int32_t wl = g.state.worldLevel;
  if (Random(g, LockDivisor(g, g.state.machineSkill, 4)) == 0) {
    ShowPicture(g, "takara_machine_a.bmp");
    PlayWave(g, 1, "kagi_machine.wav");
    SayIn(g, "電子ロックの解除に成功した!!", "aqua");
    GainRandomItem(g, Add32(Mul32(wl, 50), 50));
    if (OneIn(g, 2)) GainRandomItem(g, Add32(Mul32(wl, 20), 20));
    GainExp(g, RandomPlus(g, 10, 10));
  } else {
    Fumble(g);
    ChangeHp(g, Sub32(0, RandomPlus(g, 5, Add32(wl, 2))));
    Say(g, "宝箱は壊れてしまった....");
    if (OneIn(g, 3)) RaiseMachineSkill(g, 1);
  }
  ShowCampMenu(g);
}

// --- the doors ---

void OfferKeyedDoor(Game& g) {
  SetChoices(g, g.state.itemCount[kKey] >= 1 ? "鍵を使う→扉" : "", "こじあける→扉", "蹴破る→扉");
}

void OfferElectronicDoor(Game& g) {
  SetChoices(g, g.state.itemCount[kElectronicKey] >= 1 ? "電子キーを使う→扉" : "",
             "試行錯誤する→扉", "破壊する→扉");
}

void DoorOpens(Game& g, int32_t expRange) {
  ShowPicture(g, "door2.bmp");
  Say(g, "扉は開いた!!");
  GainExp(g, RandomPlus(g, expRange, expRange));
}

void UnlockSounds(Game& g, std::string_view lockSound) {
  PlayWave(g, 1, lockSound);
  PlayWave(g, 3, "door.wav");
}

// A failed attempt: the injury, then (while alive) the skill roll and the same door again.
void DoorFails(Game& g, int32_t damage, void (*skill)(Game&, int32_t), void (*offer)(Game&)) {
  Fumble(g);
  ChangeHp(g, Sub32(0, damage));
  if (CheckDeath(g) != 0) return;
  if (skill && OneIn(g, 3)) skill(g, 1);
  offer(g);
}

// Random(2) + wl, and at least 1: the keyed door's injury.
int32_t KeyedDoorDamage(Game& g) {
  const int32_t m = RandomPlus(g, 2, g.state.worldLevel);
  return m == 0 ? 1 : m;
}

int32_t ElectronicDoorDamage(Game& g) { return RandomPlus(g, 2, Add32(g.state.worldLevel, 1)); }

void DoorWithKey(Game& g) {
  GameState& s = g.state;
  s.itemCount[kKey] = Sub32(s.itemCount[kKey], 1);
  UnlockSounds(g, "kagi.wav");
  DoorOpens(g, 10);
  if (OneIn(g, 3)) RaiseTrapSkill(g, 1);
  ShowCampMenu(g);
}

void PickDoor(Game& g) {
  if (Random(g, LockDivisor(g, g.state.trapSkill, 4)) != 0)
    return DoorFails(g, KeyedDoorDamage(g), RaiseTrapSkill, OfferKeyedDoor);
  UnlockSounds(g, "kagi.wav");
  SayIn(g, "扉の鍵の解除に成功した!!", "aqua");
  DoorOpens(g, 10);
  if (OneIn(g, 3)) RaiseTrapSkill(g, 1);
  ShowCampMenu(g);
}

// Kicking the keyed door or smashing the electronic one: strength against the lock.
void ForceDoor(Game& g, bool electronic) {
  if (Random(g, LockDivisor(g, g.state.strength, 4)) != 0) {
    if (electronic) return DoorFails(g, ElectronicDoorDamage(g), nullptr, OfferElectronicDoor);
    return DoorFails(g, KeyedDoorDamage(g), nullptr, OfferKeyedDoor);
  }
  PlayWave(g, 1, "don.wav");
  SayIn(g, electronic ? "扉を破壊した!!" : "扉を蹴破った!!", "aqua");
  DoorOpens(g, electronic ? 20 : 10);
  ShowCampMenu(g);
}

void DoorWithElectronicKey(Game& g) {
  GameState& s = g.state;
  s.itemCount[kElectronicKey] = Sub32(s.itemCount[kElectronicKey], 1);
  UnlockSounds(g, "kagi_machine.wav");
  DoorOpens(g, 20);
  if (OneIn(g, 3)) RaiseMachineSkill(g, 1);
  ShowCampMenu(g);
}

void CrackDoor(Game& g) {
  if (Random(g, LockDivisor(g, g.state.machineSkill, 4)) != 0)
    return DoorFails(g, ElectronicDoorDamage(g), RaiseMachineSkill, OfferElectronicDoor);
  UnlockSounds(g, "kagi_machine.wav");
  SayIn(g, "電子ロックの解除に成功した!!", "aqua");
  DoorOpens(g, 20);
  if (OneIn(g, 3)) RaiseMachineSkill(g, 1);
  ShowCampMenu(g);
}

// --- the blue chests ---

void OpenBlueChest(Game& g) {
  GameState& s = g.state;
  const int32_t wl = s.worldLevel;
  PlayWave(g, 1, "takara.wav");
  const int32_t r = Random(g, 10);
  if (r == 0) {
    ShowPicture(g, "takara_rea_kara.bmp");
    Say(g, "空だった....");
  } else if (r <= 8) {
    ShowPicture(g, "takara_rea_a.bmp");
    if (r == 8) {
      GainRandomItem(g, Add32(Mul32(wl, 1000), 1000));
      GainRandomItem(g, Add32(Mul32(wl, 20), 20));
    } else {
      GainRandomItem(g, Add32(Mul32(wl, 100), 100));
    }
    if (OneIn(g, 2)) GainRandomItem(g, Add32(Mul32(wl, 10), 10));
  } else {
    ShowPicture(g, "takara_rea_gus.bmp");
    PlayWave(g, 3, "bress.wav");
    Say(g, "しびれガスだ!!");
    s.statusParalysis = 20;
    AddMessage(g, "あなたは麻痺になってしまった!!");
  }
  ShowCampMenu(g);
}

// The treasure of a locked blue chest, once it is open.
void BlueTreasure(Game& g) {
  const int32_t wl = g.state.worldLevel;
  GainRandomItem(g, Add32(Mul32(wl, 1000), 1000));
  if (OneIn(g, 2)) GainRandomItem(g, Add32(Mul32(wl, 100), 100));
  GainExp(g, RandomPlus(g, 5, 9));
}

void BlueChestWithKey(Game& g) {
  GameState& s = g.state;
  ShowPicture(g, "takara_rea_a.bmp");
  PlayWave(g, 1, "kagi.wav");
  s.itemCount[kKey] = Sub32(s.itemCount[kKey], 1);
  BlueTreasure(g);
  ShowCampMenu(g);
}

// No skill enters the test: only the depth of the world.
void PickBlueChest(Game& g) {
  const int32_t wl = g.state.worldLevel;
  if (Random(g, Add32(Mul32(wl, 3), 3)) == 0) {
    ShowPicture(g, "takara_rea_a.bmp");
    PlayWave(g, 1, "kagi.wav");
    SayIn(g, "鍵の解除に成功した!!", "aqua");
    BlueTreasure(g);
    if (OneIn(g, 2)) RaiseTrapSkill(g, 1);
    return ShowCampMenu(g);
  }
  Fumble(g);
  HardHurt(g, 2, 2);
  Say(g, "宝箱は壊れてしまった....");
  if (OneIn(g, 2)) RaiseTrapSkill(g, 1);
  CampIfAlive(g);
}

}  // namespace

void MachineScene(Game& g, std::string_view label) {
  if (label == "いじる") return TinkerWithMachine(g);
  if (label == "電子キーを使う") return OpenMachineChestWithKey(g);
  CrackMachineChest(g);
}

void DoorScene(Game& g, std::string_view label) {
  if (label == "鍵を使う→扉") return DoorWithKey(g);
  if (label == "こじあける→扉") return PickDoor(g);
  if (label == "蹴破る→扉") return ForceDoor(g, false);
  if (label == "電子キーを使う→扉") return DoorWithElectronicKey(g);
  if (label == "試行錯誤する→扉") return CrackDoor(g);
  ForceDoor(g, true);
}

void BlueChestScene(Game& g, std::string_view label) {
  if (label == "開ける→青宝箱") return OpenBlueChest(g);
  if (label == "鍵を使う→青宝箱") return BlueChestWithKey(g);
  PickBlueChest(g);
}

}  // namespace pp
