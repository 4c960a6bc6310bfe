#include <gtest/gtest.h>

#include <algorithm>

#include "adventure/AdventureTest.h"
#include "adventure/Conversations.h"
#include "adventure/Encounters.h"

namespace pp {
namespace {

TEST(Conversation, LevelZeroAlwaysMeetsOneOfItsSevenPeople) {
  for (uint32_t seed = 1; seed <= 200; ++seed) {
    Play p;
    p.g.random.set_seed(seed);
    MeetSomeone(p.g);
    const auto m = p.Messages();
    ASSERT_FALSE(m.empty());
    bool known = false;
    for (int32_t slot = 0; slot <= 6; ++slot)
      known |= m[0] == std::string(ConversationAt(slot)->speaker) + "と出会った....!!";
    EXPECT_TRUE(known) << "seed " << seed << ": " << m[0];
  }
  for (int32_t slot = 7; slot <= 9; ++slot) EXPECT_EQ(ConversationAt(slot), nullptr);
}

TEST(Conversation, TheRemoteStaysUntilTheEndOfSlotTwo) {
  Play p;
  p.Seed({Is(10, 2)});
  MeetSomeone(p.g);
  // The pictures shown up to the last of the six blue lines (the camp shows its own after).
  std::vector<std::string> pictures;
  int blueLines = 0;
  for (const GameEvent& e : p.host.events) {
    if (const auto* picture = std::get_if<PictureEvent>(&e); picture && blueLines < 6)
      pictures.push_back(picture->file);
    if (const auto* message = std::get_if<MessageEvent>(&e);
        message && message->colourName == "blue")
      ++blueLines;
  }
  EXPECT_EQ(blueLines, 6);
  EXPECT_EQ(pictures, (std::vector<std::string>{"ppoorrnn.bmp", "remote.bmp"}));
}

}  // namespace
}  // namespace pp
