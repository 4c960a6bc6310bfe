#include "extras/ReadAloud.h"

#include <gtest/gtest.h>

#include "support/RecordingSpeaker.h"
#include "support/SeededRun.h"

namespace pp {
namespace {

using Strings = std::vector<std::string>;

GameEvent Message(const std::string& text) { return MessageEvent{4, "plain", 0, text}; }

GameEvent Choices(std::array<std::string, 3> labels) { return ChoicesEvent{std::move(labels)}; }

// Keeps the text of every message the game reports.
class MessageCollector final : public Extra {
 public:
  explicit MessageCollector(Strings& texts) : texts_(texts) {}
  void OnEvent(const GameEvent& e) override {
    if (const auto* message = std::get_if<MessageEvent>(&e)) texts_.push_back(message->text);
  }

 private:
  Strings& texts_;
};

HostEvent Key(int code) {
  HostEvent e;
  e.type = HostEvent::Type::Key;
  e.value = code;
  return e;
}

TEST(ReadAloud, QueuesTheLinesOfOneWaitAndCancelsWhenThePlayerMovesOn) {
  auto requests = std::make_shared<Strings>();
  ReadAloud speech(std::make_unique<test::RecordingSpeaker>(requests), /*on=*/true);

  speech.OnEvent(Message("この世界は"));
  speech.OnEvent(Message("あなたが今いるのは"));
  speech.OnEvent(ClickWaitEvent{});
  EXPECT_EQ(*requests, (Strings{"say この世界は", "say あなたが今いるのは"}))
      << "a wait alone stops nothing: the player may still be listening";

  speech.OnEvent(Message("界の果てには"));
  speech.OnEvent(Choices({"", "冒険者です", "冒険者ではない"}));
  speech.OnEvent(ChosenEvent{});
  speech.OnEvent(Choices({"", "冒険者です", "冒険者ではない"}));
  speech.OnEvent(Message("冒険者よ"));
  speech.OnEvent(Choices({"", "冒険者です", "冒険者ではない"}));
  speech.OnEvent(Choices({"", "", ""}));
  speech.OnEvent(ChosenEvent{});
  speech.OnEvent(Choices({"", "", "冒険!!!!"}));
  EXPECT_EQ(*requests, (Strings{"say この世界は", "say あなたが今いるのは", "cancel",
                                "say 界の果てには", "say 冒険者です、冒険者ではない", "cancel",
                                "say 冒険者よ", "cancel", "say 冒険!!!!"}))
      << "labels are read when they change, and what is offered after a move cancels too";
}

TEST(ReadAloud, KeySSwitchesOffAtOnceAndOnAgainWithWhatIsShown) {
  auto requests = std::make_shared<Strings>();
  ReadAloud speech(std::make_unique<test::RecordingSpeaker>(requests), /*on=*/false);

  speech.OnEvent(Message("草は何も考えていないようだ"));
  speech.OnEvent(Choices({"", "アイテム", "冒険!!!!"}));
  EXPECT_TRUE(requests->empty()) << "off: silent";
  EXPECT_FALSE(speech.OnInput(Key(HostKey::kL))) << "other keys go on to the game";
  EXPECT_TRUE(speech.OnInput(Key(HostKey::kS)));
  EXPECT_TRUE(speech.on());
  EXPECT_EQ(*requests, (Strings{"say 草は何も考えていないようだ", "say アイテム、冒険!!!!"}));

  speech.OnEvent(ClickWaitEvent{});
  speech.OnEvent(Message("腹が減った"));
  EXPECT_TRUE(speech.OnInput(Key(HostKey::kS)));
  speech.OnEvent(Message("麻痺した"));
  EXPECT_EQ(*requests, (Strings{"say 草は何も考えていないようだ", "say アイテム、冒険!!!!",
                                "cancel", "say 腹が減った", "cancel"}))
      << "switched off mid-line: stopped at once, and silent after";
}

TEST(ReadAloud, ASeededRunGivesTheSameEventsWithSpeechAndReadsEveryMessage) {
  const std::string script = test::LongScript();
  const Strings plain = test::PlaySeeded(script, 11);
  auto requests = std::make_shared<Strings>();
  Strings messages, said;
  const Strings spoken = test::PlaySeeded(script, 11, [&](ExtrasHost& h) {
    h.Add(std::make_unique<ReadAloud>(std::make_unique<test::RecordingSpeaker>(requests), true));
    h.Add(std::make_unique<MessageCollector>(messages));
  });
  ASSERT_GT(plain.size(), 500u);
  EXPECT_EQ(plain, spoken);

  // Every message of the run is said, in the order the game wrote them.
  for (const std::string& request : *requests)
    if (request.starts_with("say ")) said.push_back(request.substr(4));
  ASSERT_GT(messages.size(), 50u);
  size_t next = 0;
  for (const std::string& text : said)
    if (next < messages.size() && text == messages[next]) ++next;
  EXPECT_EQ(next, messages.size());
}

}  // namespace
}  // namespace pp
