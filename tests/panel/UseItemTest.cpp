#include <gtest/gtest.h>

#include <set>

#include "items/Panel.h"
#include "items/UseItem.h"
#include "panel/PanelFixture.h"
#include "ui/Status.h"

namespace pp {
namespace {

using Lines = std::vector<std::string>;

using S = GameState;
struct Value {
  int32_t S::*field;
  int32_t value;
};
struct Use {
  int32_t id;
  std::vector<Value> before, after;
  Lines sounds;
  Lines messages;  // empty: the operation called tells the player in its own words
};

TEST(UseItem, EveryKindTakesOneAndDoesItsWork) {
  const std::vector<Use> uses = {
      {19,
       {{&S::hp, 5}, {&S::maxHp, 100}},
       {{&S::hp, 15}},
       {"2:kaifuku.wav"},
       {"HPが 10回復した!!"}},
      {24, {{&S::mp, 1}}, {{&S::mp, 11}}, {"2:kaifuku.wav"}, {"MPが 10回復した!!"}},
      {31,
       {{&S::statusPoison, 5}},
       {{&S::statusPoison, 0}},
       {"2:kaifuku.wav"},
       {"体から毒が消えた....!"}},
      {32,
       {{&S::statusStomachache, 3}},
       {{&S::statusStomachache, 0}},
       {"2:kaifuku.wav"},
       {"腹痛が治った....!"}},
      {34, {{&S::hunger, 10}}, {{&S::hunger, 20}}, {"2:taberu.wav"}, {"お腹が 10回復した!!"}},
      {39, {{&S::cowardice, 5}}, {{&S::cowardice, 3}}, {"1:skill.wav"}, {}},
      {17, {}, {{&S::maxHp, 12}}, {"2:bp.wav"}, {"最大HPが 2上昇....!"}},
      {55, {}, {{&S::maxMp, 6}}, {"2:bp.wav"}, {"最大MPが 1上昇....!"}},
      {42, {}, {{&S::strength, 1}}, {"2:bp.wav"}, {"力が 1上昇....!"}},
      {43, {}, {{&S::wisdom, 1}}, {"2:bp.wav"}, {"知恵が 1上昇....!"}},
      {44, {}, {{&S::spirit, 1}}, {"2:bp.wav"}, {"精神が 1上昇....!"}},
      // Experience of the training: its own test below.
      {47, {{&S::level, 50}}, {}, {"2:taki.wav"}, {}},
      {65,
       {{&S::hp, 1}, {&S::mp, 0}, {&S::maxHp, 30}, {&S::maxMp, 20}},
       {{&S::hp, 30}, {&S::mp, 20}},
       {"2:kaifuku.wav"},
       {"完全回復した!!"}},
      {66, {}, {{&S::defenceSkill, 2}}, {"1:skill.wav"}, {}},
      {67, {}, {{&S::attackSkill, 2}}, {"1:skill.wav"}, {}},
      {68,
       {{&S::statusHero, 7}},
       {{&S::statusHero, 40}},
       {"2:up2.wav"},
       {"ヒーローフィーバー状態になった!!"}},
      {51, {}, {{&S::statusPhantomThief, 30}}, {"2:up2.wav"}, {"怪盗の才能が一時的に備わった!!"}},
      {58, {{&S::tp, 5}}, {{&S::tp, 15}}, {"1:kaifuku.wav"}, {"TPが 10が増えた"}},
      {69, {}, {{&S::debateSkill, 1}}, {"1:skill.wav"}, {}},
      {74, {}, {{&S::statusLogicAttack, 20}}, {"2:up2.wav"}, {"一時的に論理攻撃が上昇した!!"}},
      {75, {}, {{&S::statusLogicDefence, 20}}, {"2:up2.wav"}, {"一時的に論理防御が上昇した!!"}},
      {76,
       {},
       {{&S::statusTheoryArmour, 20}},
       {"2:up2.wav"},
       {"一時的に『理論武装』の威力が上昇した!!"}},
      {77, {}, {{&S::logicSkill, 3}}, {"1:skill.wav"}, {}},
      {181,
       {{&S::daysLeft, 100}},
       {{&S::daysLeft, 107}},
       {"3:time.wav"},
       {"時間が7日さかのぼった!!"}},
      {166, {}, {{&S::trapSkill, 1}}, {"1:skill.wav"}, {}},
      {176, {}, {{&S::escapeSkill, 1}}, {"1:skill.wav"}, {}},
      {207, {}, {{&S::machineSkill, 1}}, {"1:skill.wav"}, {}},
      {195,
       {},
       {{&S::maxHp, 11}, {&S::maxMp, 6}},
       {"2:bp.wav", "2:bp.wav"},
       {"最大HPが 1上昇....!", "最大MPが 1上昇....!"}},
      {118,
       {},
       {{&S::strength, 2}, {&S::wisdom, 2}, {&S::spirit, 2}},
       {"2:bp.wav", "2:bp.wav", "2:bp.wav"},
       {"力が 2上昇....!", "知恵が 2上昇....!", "精神が 2上昇....!"}},
      {127,
       {},
       {{&S::statusMagicDefenceUp, 20}},
       {"2:up2.wav"},
       {"あなたの魔法防御力が一時的に上昇した!!"}},
      {128, {}, {{&S::charmSkill, 1}}, {"1:skill.wav"}, {}},
      {129, {}, {{&S::statusHeal, 20}}, {"2:up.wav"}, {"あなたは一時的に<癒>状態になった!!"}},
      {130, {}, {{&S::statusExtra, 20}}, {"2:up.wav"}, {"あなたは一時的に<追加>状態になった!!"}},
      {131,
       {},
       {{&S::statusDefenceUp, 20}},
       {"2:up2.wav"},
       {"あなたは一時的に、物理防御力が上昇した!!"}},
      {132,
       {},
       {{&S::statusMagicAttackUp, 20}},
       {"2:up2.wav"},
       {"あなたは一時的に、魔法攻撃力が上昇した!!"}},
      {133, {}, {{&S::statusMagic, 20}}, {"2:up.wav"}, {"あなたは一時的に<魔>状態になった!!"}},
      {134, {}, {{&S::statusSpirit, 20}}, {"2:up.wav"}, {"あなたは一時的に<精>状態になった!!"}},
      {135,
       {{&S::statusParalysis, 2}},
       {{&S::statusParalysis, 0}},
       {"2:kaifuku.wav"},
       {"体から麻痺が消えた....!"}},
      {150,
       {{&S::hp, 3}, {&S::mp, 40}},
       {{&S::hp, 40}, {&S::mp, 3}},
       {"2:change.wav"},
       {"HPとMPが入れ替わった....!"}},
      {177, {}, {{&S::magicDefenceSkill, 2}}, {"1:skill.wav"}, {}},
      {186,
       {{&S::daysLeft, 10}, {&S::strength, 5}, {&S::wisdom, 5}, {&S::spirit, 5}},
       {{&S::daysLeft, 25}, {&S::strength, 4}, {&S::wisdom, 4}, {&S::spirit, 4}},
       {"3:time.wav", "2:down.wav"},
       {"時間が15日さかのぼった!!", "代わりに 力,知恵,精神が 1ずつ減少した....!!"}},
      {211, {}, {{&S::magicSkill, 1}}, {"1:skill.wav"}, {}},
      {196, {}, {{&S::money, 1000}}, {"0:coin.wav"}, {}},
      {201, {}, {{&S::captureSkill, 1}}, {"1:skill.wav"}, {}},
      {202,
       {{&S::auDistance, 3}},
       {{&S::auDistance, 13}},
       {"0:nigeru.wav"},
       {"距離が 10AU進んだ!!"}},
  };

  std::set<int32_t> kinds;
  for (const Use& use : uses) {
    PanelPlay p;
    const Item& item = ItemInfo(p.g, use.id);
    SCOPED_TRACE(item.name);
    kinds.insert(item.useKind);
    for (const Value& v : use.before) p.s.*v.field = v.value;
    p.s.itemCount[use.id] = 2;
    UseItem(p.g, use.id);
    EXPECT_EQ(p.s.itemCount[use.id], 1) << "one taken";
    for (const Value& v : use.after) EXPECT_EQ(p.s.*v.field, v.value);
    const Lines sounds = p.Sounds();
    ASSERT_GE(sounds.size(), use.sounds.size());
    EXPECT_EQ(Lines(sounds.begin(), sounds.begin() + static_cast<long>(use.sounds.size())),
              use.sounds);
    if (!use.messages.empty()) {
      EXPECT_EQ(p.Messages(), use.messages);
    }
    // Only the stride is told without a wait.
    EXPECT_EQ(p.Waits() == 0, item.useKind == 44) << p.Waits();
    EXPECT_TRUE(p.panel.visible) << "shown again";
  }
  EXPECT_EQ(kinds.size(), 45u);
  EXPECT_EQ(*kinds.begin(), 0);
  EXPECT_EQ(*kinds.rbegin(), 44);
}

TEST(UseItem, ItemsWithoutUseAndCuresWithoutAilment) {
  PanelPlay p;
  p.s.itemCount[1] = 1;
  p.s.itemCount[31] = 1;
  OpenPanel(p.g, kUseCaption);
  SelectRow(p.g, 0);
  p.Clear();
  UseItem(p.g, 1);
  EXPECT_EQ(p.s.itemCount[1], 1) << "nothing happened, nothing spent";
  EXPECT_EQ(p.Messages(), Lines{"何もおきなかった...."});
  EXPECT_EQ(p.Waits(), 1);
  EXPECT_TRUE(p.Details().empty()) << "the details are left alone";
  EXPECT_TRUE(p.panel.visible);

  p.Clear();
  UseItem(p.g, 31);
  EXPECT_EQ(p.s.itemCount[31], 0) << "the cure is spent anyway";
  EXPECT_EQ(p.Messages(), Lines{"何も効果がなかった...."});
  EXPECT_TRUE(p.Sounds().empty());

  p.Clear();
  UseItem(p.g, 0);
  UseItem(p.g, 500);
  EXPECT_TRUE(p.host.events.empty()) << "ids without an item do nothing";
}

TEST(UseItem, SwapAndRewoundTimeAreClampedOnTheNextFrame) {
  PanelPlay p;
  p.s.hp = 3, p.s.mp = 40, p.s.maxHp = 10, p.s.maxMp = 50;
  p.s.itemCount[150] = 1;
  UseItem(p.g, 150);
  EXPECT_EQ(p.s.hp, 40);
  EXPECT_EQ(p.s.mp, 3);
  p.s.daysLeft = 300;
  p.s.itemCount[199] = 1;
  UseItem(p.g, 199);
  EXPECT_EQ(p.s.daysLeft, 665);
  ClampState(p.g);
  EXPECT_EQ(p.s.hp, 10);
  EXPECT_EQ(p.s.daysLeft, 365);
}

TEST(UseItem, TrainingGrantsUpToOneLessThanTheAmount) {
  std::set<int32_t> seen;
  for (uint32_t seed = 1; seed <= 40; ++seed) {
    PanelPlay p;
    p.g.random.set_seed(seed);
    p.s.level = 100;  // room for the whole gain
    p.s.itemCount[138] = 1;
    RandomGenerator draw = p.g.random;
    UseItem(p.g, 138);
    EXPECT_EQ(p.s.exp, draw.Next(120));
    EXPECT_GE(p.s.exp, 0);
    EXPECT_LE(p.s.exp, 119);
    seen.insert(p.s.exp);
    EXPECT_EQ(p.Messages().front(), "修行を行った!!");
  }
  EXPECT_GT(seen.size(), 10u);
}

TEST(UseItem, ThroughThePanelTheRowFollowsTheCount) {
  PanelPlay p;
  p.s.itemCount[19] = 12;
  p.s.itemCount[24] = 1;
  OpenPanel(p.g, kUseCaption);
  SelectRow(p.g, 0);
  p.Clear();
  Image1Click(p.g);
  EXPECT_EQ(p.panel.rows[0].text, "11 ハーブティ");
  SelectRow(p.g, 1);
  p.Clear();
  Image1Click(p.g);
  EXPECT_EQ(p.panel.rows[1].text, "") << "the last one blanks its row";
  EXPECT_NE(p.panel.details.find("(所持: 0個)"), std::string::npos);
  EXPECT_EQ(p.panel.selectedRow, 1) << "the selection stays";
  // Hidden first, shown again with the new rows last.
  std::vector<GameEvent> panelEvents;
  for (const GameEvent& e : p.host.events)
    if (std::holds_alternative<PanelEvent>(e) || std::holds_alternative<PanelHiddenEvent>(e))
      panelEvents.push_back(e);
  EXPECT_EQ(panelEvents, (std::vector<GameEvent>{PanelHiddenEvent{},
                                                 PanelEvent{"使う", {"11 ハーブティ", ""}}}));
  EXPECT_EQ(p.Sounds().front(), "0:item_use.wav");
  p.Clear();
  Image1Click(p.g);
  EXPECT_TRUE(p.host.events.empty()) << "a blank row uses nothing";
}

}  // namespace
}  // namespace pp
