#include "extras/ReadAloud.h"

#include <gtest/gtest.h>

#include "support/RecordingSpeaker.h"
#include "support/SeededRun.h"

namespace pp {
namespace {

using Strings = std::vector<std::string>;

Report Message(const std::string& text) {
  Report r;
  r.kind = Report::Kind::Message;
  r.text = text;
  return r;
}

Report Of(Report::Kind kind) {
  Report r;
  r.kind = kind;
  return r;
}

Report Choices(std::array<std::string, 3> labels) {
  Report r = Of(Report::Kind::Choices);
  r.labels = std::move(labels);
  return r;
}

HostEvent Key(int code) {
  HostEvent e;
  e.type = HostEvent::Type::Key;
  e.value = code;
  return e;
}

TEST(ReadAloud, QueuesTheLinesOfOneWaitAndCancelsWhenThePlayerMovesOn) {
  auto requests = std::make_shared<Strings>();
  ReadAloud speech(std::make_unique<test::RecordingSpeaker>(requests), /*on=*/true);

  speech.OnReport(Message("この世界は"));
  speech.OnReport(Message("あなたが今いるのは"));
  speech.OnReport(Of(Report::Kind::Wait));
  EXPECT_EQ(*requests, (Strings{"say この世界は", "say あなたが今いるのは"}))
      << "a wait alone stops nothing: the player may still be listening";

  speech.OnReport(Message("界の果てには"));
  speech.OnReport(Choices({"", "冒険者です", "冒険者ではない"}));
  speech.OnReport(Of(Report::Kind::Chosen));
  speech.OnReport(Choices({"", "冒険者です", "冒険者ではない"}));
  speech.OnReport(Message("冒険者よ"));
  speech.OnReport(Choices({"", "冒険者です", "冒険者ではない"}));
  speech.OnReport(Choices({"", "", ""}));
  speech.OnReport(Of(Report::Kind::Chosen));
  speech.OnReport(Choices({"", "", "冒険!!!!"}));
  EXPECT_EQ(*requests, (Strings{"say この世界は", "say あなたが今いるのは", "cancel",
                                "say 界の果てには", "say 冒険者です、冒険者ではない", "cancel",
                                "say 冒険者よ", "cancel", "say 冒険!!!!"}))
      << "labels are read when they change, and what is offered after a move cancels too";
}

TEST(ReadAloud, KeySSwitchesOffAtOnceAndOnAgainWithWhatIsShown) {
  auto requests = std::make_shared<Strings>();
  ReadAloud speech(std::make_unique<test::RecordingSpeaker>(requests), /*on=*/false);

  speech.OnReport(Message("草は何も考えていないようだ"));
  speech.OnReport(Choices({"", "アイテム", "冒険!!!!"}));
  EXPECT_TRUE(requests->empty()) << "off: silent";
  EXPECT_FALSE(speech.OnInput(Key(HostKey::kL))) << "other keys go on to the game";
  EXPECT_TRUE(speech.OnInput(Key(HostKey::kS)));
  EXPECT_TRUE(speech.on());
  EXPECT_EQ(*requests, (Strings{"say 草は何も考えていないようだ", "say アイテム、冒険!!!!"}));

  speech.OnReport(Of(Report::Kind::Wait));
  speech.OnReport(Message("腹が減った"));
  EXPECT_TRUE(speech.OnInput(Key(HostKey::kS)));
  speech.OnReport(Message("麻痺した"));
  EXPECT_EQ(*requests, (Strings{"say 草は何も考えていないようだ", "say アイテム、冒険!!!!",
                                "cancel", "say 腹が減った", "cancel"}))
      << "switched off mid-line: stopped at once, and silent after";
}

TEST(ReadAloud, ASeededRunGivesTheSameEventsWithSpeechAndReadsEveryMessage) {
  const std::string script = test::LongScript();
  const Strings plain = test::PlaySeeded(script, 11);
  auto requests = std::make_shared<Strings>();
  const Strings spoken = test::PlaySeeded(script, 11, [&](ExtrasHost& h) {
    h.Add(std::make_unique<ReadAloud>(std::make_unique<test::RecordingSpeaker>(requests), true));
  });
  ASSERT_GT(plain.size(), 500u);
  EXPECT_EQ(plain, spoken);

  // Every message of the run is said, in the order the game wrote them.
  Strings messages, said;
  for (const std::string& line : plain)
    if (auto r = ReadReport(line); r && r->kind == Report::Kind::Message)
      messages.push_back(r->text);
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
