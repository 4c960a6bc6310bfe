#include <string>

#include "adventure/Camp.h"
#include "adventure/Conversations.h"
#include "adventure/Encounters.h"
#include "adventure/Growth.h"
#include "core/Int32.h"
#include "game/Game.h"
#include "game/Sound.h"
#include "items/Catalogue.h"
#include "items/Inventory.h"
#include "ui/Messages.h"
#include "ui/Picture.h"

namespace pp {

namespace {

// Draws after the first one before the meeting gives up.
constexpr int kRedraws = 900;
// Meeting this one opens the advertisement on the title screen.
constexpr int32_t kAdvertisementSlot = 6;

const Conversation* DrawConversation(Game& g, int32_t& slot) {
  const int32_t base = Mul32(g.state.worldLevel, 10);
  for (int i = 0; i <= kRedraws; ++i) {
    slot = Add32(Random(g, 10), base);
    if (const Conversation* c = ConversationAt(slot)) return c;
  }
  return nullptr;
}

}  // namespace

void MeetSomeone(Game& g) {
  GameState& s = g.state;
  int32_t slot = 0;
  const Conversation* c = DrawConversation(g, slot);
  if (c == nullptr) {
    AddMessage(g, "....誰がいた気がしたが気のせいだった....");
    WaitForClick(g);
    ShowCampMenu(g);
    return;
  }
  PlayWave(g, 4, "man.wav");
  ShowPicture(g, c->picture);
  AddMessage(g, std::string(c->speaker) + "と出会った....!!");
  WaitForClick(g);
  for (const ConversationLine& line : c->lines) {
    if (!line.picture.empty()) ShowPicture(g, line.picture);
    AddColorMessage(g, line.text, "blue");
    WaitForClick(g);
  }
  if (c->giftItem != 0 && !ItemInfo(g, c->giftItem).name.empty()) GainItem(g, c->giftItem);
  GainExp(g, Add32(Random(g, 5), Add32(Mul32(s.worldLevel, 5), 10)));
  if (slot == kAdvertisementSlot) s.records[7] = 1;
  ShowCampMenu(g);
}

}  // namespace pp
