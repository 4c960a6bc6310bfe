#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "adventure/Changes.h"
#include "game/Game.h"
#include "items/EventView.h"

namespace pp {
namespace {

class ChangesTest : public ::testing::Test {
 protected:
  void SetUp() override { s.titlePhase = 1; }  // adventuring: a click only ends the wait
  std::vector<std::string> Told() {
    auto lines = SaidLines(host);
    host.events.clear();
    return lines;
  }
  using Lines = std::vector<std::string>;

  TestHost host;
  Game g{host, GameConfig{}, 1};
  GameState& s = g.state;
};

TEST_F(ChangesTest, HpHealsHurtsAndTheHeroTakesNothing) {
  ChangeHp(g, 0);
  EXPECT_TRUE(host.events.empty());

  ChangeHp(g, 4);
  EXPECT_EQ(s.hp, 14);  // not clamped here
  EXPECT_EQ(SoundsPlayed(host), Lines{"2:kaifuku.wav"});
  EXPECT_EQ(Told(), Lines{Said("aqua", "HPが 4回復した!!")});

  ChangeHp(g, -6);
  EXPECT_EQ(s.hp, 8);
  EXPECT_EQ(s.hurtFlash, 8);
  EXPECT_EQ(SoundsPlayed(host), Lines{"2:damage.wav"});
  EXPECT_EQ(Told(), Lines{Said("red", "あなたは 6ダメージ食らった!!")});

  s.statusHero = 3;
  s.hurtFlash = 0;
  ChangeHp(g, -5);
  EXPECT_EQ(s.hp, 8);
  EXPECT_EQ(s.hurtFlash, 8);
  EXPECT_EQ(SoundsPlayed(host), Lines{"2:damage.wav"});
  EXPECT_EQ(Told(), Lines{Said("red", "あなたは 0ダメージ食らった!!")});
}

TEST_F(ChangesTest, MpRisesAndFalls) {
  ChangeMp(g, 0);
  EXPECT_TRUE(host.events.empty());
  ChangeMp(g, 3);
  EXPECT_EQ(SoundsPlayed(host), Lines{"2:kaifuku.wav"});
  EXPECT_EQ(Told(), Lines{Said("aqua", "MPが 3回復した!!")});
  ChangeMp(g, -10);
  EXPECT_EQ(s.mp, -2);
  EXPECT_EQ(SoundsPlayed(host), Lines{"2:down.wav"});
  EXPECT_EQ(Told(), Lines{Said("red", "あなたはMPが 10減少!!")});
}

TEST_F(ChangesTest, EatingPastAFullStomachStretchesItByOne) {
  ChangeHunger(g, 10);  // 50 of 50
  EXPECT_EQ(s.hunger, 60);
  EXPECT_EQ(s.maxHunger, 51);
  EXPECT_EQ(SoundsPlayed(host), Lines{"2:taberu.wav"});
  EXPECT_EQ(Told(), Lines{Said("aqua", "お腹が 10回復した!!")});

  s.hunger = 20;
  ChangeHunger(g, 5);
  EXPECT_EQ(s.maxHunger, 51);
  ChangeHunger(g, -7);
  EXPECT_EQ(s.hunger, 18);
  EXPECT_EQ(Told(),
            (Lines{Said("aqua", "お腹が 5回復した!!"), Said("red", "あなたはonakaが 7減少!!")}));
  ChangeHunger(g, 0);
  EXPECT_TRUE(host.events.empty());
}

TEST_F(ChangesTest, CowardiceIsToldAsOneOfTwoSkills) {
  s.cowardice = 2;
  ChangeCowardice(g, 3);  // 5: 臆病 rises
  s.cowardice = 7;
  ChangeCowardice(g, -5);  // 2: 臆病 falls
  s.cowardice = -2;
  ChangeCowardice(g, 1);  // -1: 冒険 falls
  s.cowardice = 2;
  ChangeCowardice(g, -5);  // -3: 冒険 rises
  EXPECT_EQ(s.cowardice, -3);
  EXPECT_EQ(Told(), (Lines{Said("yellow", "あなたの臆病スキルが 3上昇→ 5"),
                           Said("yellow", "あなたの臆病スキルが 5減少→ 2"),
                           Said("yellow", "あなたの冒険スキルが 1減少→ 1"),
                           Said("yellow", "あなたの冒険スキルが 5上昇→ 3")}));

  // From the edges of zero: landing on 0 from either side.
  s.cowardice = 3;
  ChangeCowardice(g, -3);
  s.cowardice = -4;
  ChangeCowardice(g, 4);
  EXPECT_EQ(Told(), (Lines{Said("yellow", "あなたの臆病スキルが 3減少→ 0"),
                           Said("yellow", "あなたの冒険スキルが 4減少→ 0")}));

  ChangeCowardice(g, 0);  // the sound plays, nothing is said
  EXPECT_EQ(SoundsPlayed(host), Lines{"1:skill.wav"});
  EXPECT_TRUE(SaidLines(host).empty());
  EXPECT_EQ(WaitsIn(host), 0);
}

TEST_F(ChangesTest, RaisesAlwaysSayRise) {
  s.trapSkill = 2;
  RaiseTrapSkill(g, -1);
  EXPECT_EQ(s.trapSkill, 1);
  RaiseCharmSkill(g, 2);
  RaiseMaxHp(g, 3);
  EXPECT_EQ(s.maxHp, 13);
  EXPECT_EQ(s.hp, 10);
  RaiseMaxMp(g, 1);
  EXPECT_EQ(s.mp, 5);
  RaiseStrength(g, 1);
  RaiseSpirit(g, -2);
  EXPECT_EQ(SoundsPlayed(host),
            (Lines{"1:skill.wav", "1:skill.wav", "1:bp.wav", "1:bp.wav", "1:bp.wav", "1:bp.wav"}));
  EXPECT_EQ(Told(), (Lines{Said("yellow", "あなたの罠解除スキルが -1上昇→ 1"),
                           Said("yellow", "あなたの魅了スキルが 2上昇→ 2"),
                           Said("pink", "最大HPが 3上昇→ 13"), Said("pink", "最大MPが 1上昇→ 6"),
                           Said("pink", "力が 1上昇→ 1"), Said("pink", "精神が -2上昇→ -2")}));
}

TEST_F(ChangesTest, TheLowestDeltaIsToldWithoutOverflow) {
  s.hunger = 0;
  ChangeHunger(g, std::numeric_limits<int32_t>::min());
  EXPECT_EQ(Told(), Lines{Said("red", "あなたはonakaが 2147483648減少!!")});
}

}  // namespace
}  // namespace pp
