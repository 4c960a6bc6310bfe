#include <gtest/gtest.h>

#include <algorithm>

#include "AdventureTest.h"
#include "adventure/Conversations.h"
#include "adventure/Encounters.h"

namespace pp {
namespace {

using Labels = std::vector<std::string>;

TEST(Meeting, TheTableHoldsFortyThreeConversationsOfLevelsZeroToFive) {
  int filled = 0;
  size_t lines = 0;
  for (int32_t slot = -1; slot < kConversationSlots + 2; ++slot) {
    const Conversation* c = ConversationAt(slot);
    if (c == nullptr) continue;
    ++filled;
    lines += c->lines.size();
    EXPECT_LE(slot / 10, 5) << slot;
    EXPECT_LE(slot % 10, 8) << slot;
  }
  EXPECT_EQ(filled, 43);
  EXPECT_EQ(lines, 178u);
  EXPECT_EQ(ConversationAt(0)->lines.front().text, "…この世界にまだ名前はない");
  EXPECT_EQ(ConversationAt(3)->lines.front().text, "あんた…新参者？");
  EXPECT_EQ(ConversationAt(52)->lines.size(), 7u);
}

TEST(Meeting, AnEmptySlotIsDrawnAgain) {
  Play p;
  p.Seed({Is(10, 8), Is(10, 9), Is(10, 6)});
  MeetSomeone(p.g);
  const auto m = p.Messages();
  ASSERT_GE(m.size(), 4u);
  EXPECT_EQ(m[0], "るーこと出会った....!!");
  EXPECT_EQ(p.s.itemCount[32], 1);
  EXPECT_EQ(p.s.records[7], 1);
  EXPECT_EQ(p.host.Played("man.wav", 4), 1);
  EXPECT_EQ(p.Labels(), (Labels{"", "アイテム", "冒険!!!!"}));
}

TEST(Meeting, TheRemotePictureComesBeforeTheThirdLine) {
  Play p;
  p.Seed({Is(10, 2)});
  MeetSomeone(p.g);
  const auto& t = p.host.events;
  const auto remote = std::find_if(t.begin(), t.end(), [](const GameEvent& e) {
    const auto* picture = std::get_if<PictureEvent>(&e);
    return picture && picture->file == "remote.bmp";
  });
  ASSERT_NE(remote, t.end());
  const auto next = std::find_if(
      remote, t.end(), [](const GameEvent& e) { return std::holds_alternative<MessageEvent>(e); });
  ASSERT_NE(next, t.end());
  EXPECT_EQ(std::get<MessageEvent>(*next).text, ConversationAt(2)->lines[2].text);
  EXPECT_EQ(p.s.records[7], 0);
}

TEST(Meeting, FromLevelSixNobodyIsThere) {
  Play p;
  p.s.worldLevel = 6;
  MeetSomeone(p.g);
  EXPECT_EQ(p.Messages(), (Labels{"....誰がいた気がしたが気のせいだった...."}));
  EXPECT_EQ(p.Labels(), (Labels{"", "アイテム", "冒険!!!!"}));
}

}  // namespace
}  // namespace pp
