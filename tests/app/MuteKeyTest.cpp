#include <gtest/gtest.h>

#include "game/Events.h"
#include "game/Game.h"
#include "support/TestHost.h"

namespace pp {
namespace {

TEST(MuteKey, TogglesTheOutputAndNothingElse) {
  TestHost host;
  Game g(host, GameConfig{}, 1);
  HostEvent m;
  m.type = HostEvent::Type::Key;
  m.value = kMuteKey;
  HandleEvent(g, m);
  EXPECT_TRUE(g.config.mute);
  HandleEvent(g, m);
  EXPECT_FALSE(g.config.mute);
  EXPECT_TRUE(host.confirms.empty());
  EXPECT_TRUE(host.events.empty());
}

}  // namespace
}  // namespace pp
