#include "BusyFrame.h"

#include <cstdint>

#include "game/Game.h"
#include "platform/AudioDevice.h"
#include "ui/Messages.h"
#include "ui/Renderer.h"
#include "ui/Status.h"

namespace pp {

HostEvent BenchHost::WaitEvent() {
  HostEvent e;
  e.type = HostEvent::Type::Close;
  return e;
}

std::unique_ptr<AudioDevice> BenchHost::OpenAudioDevice(const AudioFormat&) { return nullptr; }

void SetUpBusyFrame(Game& g) {
  GameState& s = g.state;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 100; ++x)
      g.haikei.SetPixel(x, y,
                        Rgb(static_cast<uint32_t>(x * 2), static_cast<uint32_t>(y * 4),
                            static_cast<uint32_t>((x + y) % 256)));
  s.titlePhase = 1;
  s.statusSlideX = 0;
  s.clickState = 0;
  s.choiceSlide = 0;
  s.hoveredChoice = 2;
  s.choiceLabel1 = "攻撃";
  s.choiceLabel2 = "魔法";
  s.choiceLabel3 = "修行 \\-50";
  s.enemyName = "スライム";
  s.enemyMaxHp = 300;
  s.enemyHp = 120;
  s.enemyHpShown = 200;
  s.enemyBarX = 200;
  s.tp = 100;
  s.level = 12;
  s.exp = 80;
  s.hp = 40;
  s.maxHp = 90;
  s.mp = 7;
  s.maxMp = 20;
  s.hunger = 12;
  s.money = 123456;
  s.daysLeft = 200;
  s.worldLevel = 3;
  s.auDistance = 21;
  s.levelNames[3] = "テストの界";
  for (int32_t* status :
       {&s.statusParalysis, &s.statusPoison, &s.statusStomachache, &s.statusTraining,
        &s.statusHellTraining, &s.statusHero, &s.statusPhantomThief, &s.statusLogicAttack,
        &s.statusLogicDefence, &s.statusTheoryArmour, &s.statusAttackUp, &s.statusDefenceUp,
        &s.statusMagicDefenceUp, &s.statusMagicAttackUp, &s.statusHeal, &s.statusMagic,
        &s.statusSpirit, &s.statusExtra})
    *status = 5;
  const int32_t kinds[] = {4, 301, 302, 303, 304, 305, 306, 307, 308, 309, 310, 312};
  for (int i = 0; i < kOverlaySlots; ++i)
    PushOverlayText(g, 5, 250, "メッセージ行 " + std::to_string(i) + " が上ってゆく",
                    kinds[i % 12]);
}

void DrawBusyFrame(Game& g) {
  GameState& s = g.state;
  for (int i = 0; i < kOverlaySlots; ++i) s.overlayRing[static_cast<size_t>(i)].age = 5 * i + 1;
  s.hurtFlash = 4;
  s.frameCounter = (s.frameCounter + 1) % 1000;
  RenderFrame(g);
  ClampState(g);
}

}  // namespace pp
