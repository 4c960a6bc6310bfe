#pragma once
// The people of the world: ten conversation slots per world level.

#include <cstdint>
#include <span>
#include <string_view>

namespace pp {

inline constexpr int32_t kConversationSlots = 256;

struct ConversationLine {
  std::string_view text;
  std::string_view picture;  // shown just before the line; empty keeps the current picture
};

struct Conversation {
  std::string_view picture;
  std::string_view speaker;
  std::span<const ConversationLine> lines;
  int32_t giftItem = 0;  // 0 = no gift
};

// The conversation in `slot`, or nullptr for an empty slot (every slot outside 0..255 is).
const Conversation* ConversationAt(int32_t slot);

}  // namespace pp
