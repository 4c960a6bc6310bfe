#include "items/UseItem.h"

#include <string>
#include <string_view>
#include <utility>

#include "adventure/Changes.h"
#include "adventure/Growth.h"
#include "core/Int32.h"
#include "game/Game.h"
#include "game/Sound.h"
#include "items/Catalogue.h"
#include "items/Panel.h"
#include "ui/Messages.h"
#include "ui/Picture.h"

namespace pp {
namespace {

void Tell(Game& g, int channel, std::string_view sound, const std::string& text,
          std::string_view colour) {
  PlayWave(g, channel, sound);
  AddColorMessage(g, text, colour);
  WaitForClick(g);
}

// A timed status set to `turns` (not added to a running one).
void Status(Game& g, int32_t& status, int32_t turns, std::string_view sound,
            const std::string& text) {
  status = turns;
  Tell(g, 2, sound, text, "aqua");
}

// A cure finds its ailment or does nothing; the item is gone either way.
void Cure(Game& g, int32_t& ailment, const std::string& text) {
  if (ailment < 1) {
    AddMessage(g, "何も効果がなかった....");
    WaitForClick(g);
    return;
  }
  ailment = 0;
  Tell(g, 2, "kaifuku.wav", text, "aqua");
}

void Grow(Game& g, int32_t& stat, int32_t a, const std::string& name) {
  stat = Add32(stat, a);
  Tell(g, 2, "bp.wav", name + std::to_string(a) + "上昇....!", "pink");
}

void TurnBackTime(Game& g, int32_t days) {
  g.state.daysLeft = Add32(g.state.daysLeft, days);
  Tell(g, 3, "time.wav", "時間が" + std::to_string(days) + "日さかのぼった!!", "aqua");
}

void Train(Game& g, int32_t a) {
  ShowPicture(g, "taki.bmp");
  PlayWave(g, 2, "taki.wav");
  AddMessage(g, "修行を行った!!");
  WaitForClick(g);
  GainExp(g, Random(g, a));
}

void ApplyEffect(Game& g, int32_t kind, int32_t a) {
  GameState& s = g.state;
  switch (kind) {
    case 0:
      ChangeHp(g, a);
      break;
    case 1:
      ChangeMp(g, a);
      break;
    case 2:
      Cure(g, s.statusPoison, "体から毒が消えた....!");
      break;
    case 3:
      Cure(g, s.statusStomachache, "腹痛が治った....!");
      break;
    case 4:
      ChangeHunger(g, a);
      break;
    // The book lowers the 臆病 value.
    case 5:
      ChangeCowardice(g, Wrap32(-int64_t{a}));
      break;
    case 6:
      Grow(g, s.maxHp, a, "最大HPが ");
      break;
    case 7:
      Grow(g, s.maxMp, a, "最大MPが ");
      break;
    case 8:
      Grow(g, s.strength, a, "力が ");
      break;
    case 9:
      Grow(g, s.wisdom, a, "知恵が ");
      break;
    case 10:
      Grow(g, s.spirit, a, "精神が ");
      break;
    case 11:
      Train(g, a);
      break;
    case 12:
      s.hp = s.maxHp;
      s.mp = s.maxMp;
      Tell(g, 2, "kaifuku.wav", "完全回復した!!", "aqua");
      break;
    case 13:
      RaiseDefenceSkill(g, a);
      break;
    case 14:
      RaiseAttackSkill(g, a);
      break;
    case 15:
      Status(g, s.statusHero, a, "up2.wav", "ヒーローフィーバー状態になった!!");
      break;
    case 16:
      Status(g, s.statusPhantomThief, a, "up2.wav", "怪盗の才能が一時的に備わった!!");
      break;
    case 17:
      s.tp = Add32(s.tp, a);
      // Said as the game says it: "TPが 10が増えた".
      Tell(g, 1, "kaifuku.wav", "TPが " + std::to_string(a) + "が増えた", "aqua");
      break;
    case 18:
      RaiseDebateSkill(g, a);
      break;
    case 19:
      Status(g, s.statusLogicAttack, a, "up2.wav", "一時的に論理攻撃が上昇した!!");
      break;
    case 20:
      Status(g, s.statusLogicDefence, a, "up2.wav", "一時的に論理防御が上昇した!!");
      break;
    case 21:
      Status(g, s.statusTheoryArmour, a, "up2.wav", "一時的に『理論武装』の威力が上昇した!!");
      break;
    case 22:
      RaiseLogicSkill(g, a);
      break;
    case 23:
      TurnBackTime(g, a);
      break;
    case 24:
      RaiseTrapSkill(g, a);
      break;
    case 25:
      RaiseEscapeSkill(g, a);
      break;
    case 26:
      RaiseMachineSkill(g, a);
      break;
    case 27:
      Grow(g, s.maxHp, a, "最大HPが ");
      Grow(g, s.maxMp, a, "最大MPが ");
      break;
    case 28:
      Grow(g, s.strength, a, "力が ");
      Grow(g, s.wisdom, a, "知恵が ");
      Grow(g, s.spirit, a, "精神が ");
      break;
    case 29:
      Status(g, s.statusMagicDefenceUp, a, "up2.wav", "あなたの魔法防御力が一時的に上昇した!!");
      break;
    case 30:
      RaiseCharmSkill(g, a);
      break;
    case 31:
      Status(g, s.statusHeal, a, "up.wav", "あなたは一時的に<癒>状態になった!!");
      break;
    case 32:
      Status(g, s.statusExtra, a, "up.wav", "あなたは一時的に<追加>状態になった!!");
      break;
    case 33:
      Status(g, s.statusDefenceUp, a, "up2.wav", "あなたは一時的に、物理防御力が上昇した!!");
      break;
    case 34:
      Status(g, s.statusMagicAttackUp, a, "up2.wav", "あなたは一時的に、魔法攻撃力が上昇した!!");
      break;
    case 35:
      Status(g, s.statusMagic, a, "up.wav", "あなたは一時的に<魔>状態になった!!");
      break;
    case 36:
      Status(g, s.statusSpirit, a, "up.wav", "あなたは一時的に<精>状態になった!!");
      break;
    case 37:
      Cure(g, s.statusParalysis, "体から麻痺が消えた....!");
      break;
    case 38:
      std::swap(s.hp, s.mp);
      Tell(g, 2, "change.wav", "HPとMPが入れ替わった....!", "aqua");
      break;
    case 39:
      RaiseMagicDefenceSkill(g, a);
      break;
    case 40:
      TurnBackTime(g, a);
      s.strength = Sub32(s.strength, 1);
      s.wisdom = Sub32(s.wisdom, 1);
      s.spirit = Sub32(s.spirit, 1);
      Tell(g, 2, "down.wav", "代わりに 力,知恵,精神が 1ずつ減少した....!!", "red");
      break;
    case 41:
      RaiseMagicSkill(g, a);
      break;
    case 42:
      GainMoney(g, a);
      break;
    case 43:
      RaiseCaptureSkill(g, a);
      break;
    case 44:
      s.auDistance = Add32(s.auDistance, a);
      PlayWave(g, 0, "nigeru.wav");
      // The stride is told without waiting for a click.
      AddColorMessage(g, "距離が " + std::to_string(a) + "AU進んだ!!", "aqua");
      break;
  }
}

}  // namespace

void UseItem(Game& g, int32_t id) {
  const Item& item = ItemInfo(g, id);
  if (item.name.empty()) return;
  HidePanel(g);
  if (item.useKind == kNoUseEffect) {
    AddMessage(g, "何もおきなかった....");
    WaitForClick(g);
    ShowPanel(g);
    return;
  }
  int32_t& count = g.state.itemCount[id];
  count = Sub32(count, 1);
  ApplyEffect(g, item.useKind, item.useAmount);
  ShowItemDetails(g);
  const int row = g.itemPanel.selectedRow;
  SetRowText(g, row, count > 0 ? InventoryRowText(count, item.name) : "");
  ShowPanel(g);
}

}  // namespace pp
