#include "ui/MessageColours.h"

#include <array>

namespace pp {
namespace {

struct NamedKind {
  std::string_view name;
  int32_t kind;
};

// 311 has colours but no name.
constexpr std::array<NamedKind, 11> kNamedKinds{{{"green", 301},
                                                 {"yellow", 302},
                                                 {"blue", 303},
                                                 {"pink", 304},
                                                 {"purple", 305},
                                                 {"aqua", 306},
                                                 {"red", 307},
                                                 {"yellow2", 308},
                                                 {"orange", 309},
                                                 {"pink2", 310},
                                                 {"blue2", 312}}};

// By age mod 9.
constexpr std::array<Color, 9> kPlainCycle{Hex(0xCCCCCC), Hex(0xBBBBBB), Hex(0xAAAAAA),
                                           Hex(0x999999), Hex(0x888888), Hex(0x888888),
                                           Hex(0x999999), Hex(0xAAAAAA), Hex(0xBBBBBB)};

// Kinds 301..312, phases 0..5 of the triangle wave over age mod 10.
constexpr std::array<std::array<Color, 6>, 12> kColourPhases{{
    {Hex(0x00EA12), Hex(0x00DB10), Hex(0x00BF0F), Hex(0x00B50E), Hex(0x00B50D), Hex(0x00B50C)},
    {Hex(0xFFFF00), Hex(0xE8E800), Hex(0xDFC402), Hex(0xDFAD02), Hex(0xDF9D02), Hex(0xDF8702)},
    {Hex(0x44A2FF), Hex(0x1E8EFF), Hex(0x0281FF), Hex(0x0076EC), Hex(0x0066CC), Hex(0x0055AA)},
    {Hex(0xFF4AA5), Hex(0xFF379B), Hex(0xFF158A), Hex(0xFB00A9), Hex(0xE300B6), Hex(0xD201D8)},
    {Hex(0x9D3CFF), Hex(0x8B17FF), Hex(0x7B00F7), Hex(0x6802D9), Hex(0x5800BF), Hex(0x421FA8)},
    {Hex(0x7EECF8), Hex(0x64E8F7), Hex(0x4EE4F5), Hex(0x34E0F3), Hex(0x1FDCF1), Hex(0x0FD2E8)},
    {Hex(0xFF4646), Hex(0xFF2626), Hex(0xFF0606), Hex(0xD90000), Hex(0xC40000), Hex(0xB50000)},
    {Hex(0xDDDD88), Hex(0xCCCC77), Hex(0xBBBB66), Hex(0xAAAA55), Hex(0x999955), Hex(0x888855)},
    {Hex(0x994646), Hex(0x882626), Hex(0x770606), Hex(0x660000), Hex(0x550000), Hex(0x440000)},
    {Hex(0xFFBBCC), Hex(0xEEAABB), Hex(0xDD99AA), Hex(0xCC8899), Hex(0xBB7788), Hex(0xAA6677)},
    {Hex(0x88FF55), Hex(0x77EE44), Hex(0x66DD33), Hex(0x55CC22), Hex(0x44BB11), Hex(0x33AA00)},
    {Hex(0xCC00FF), Hex(0xBB00EE), Hex(0xAA00EE), Hex(0x9900DD), Hex(0x8800CC), Hex(0x7700AA)},
}};

// Non-negative remainder, so an age that wrapped below zero still picks a table entry.
int32_t Cycle(int32_t age, int32_t n) {
  int32_t m = age % n;
  return m < 0 ? m + n : m;
}

}  // namespace

int32_t MessageKind(std::string_view colourName) {
  for (const NamedKind& k : kNamedKinds)
    if (k.name == colourName) return k.kind;
  return kPlainMessage;
}

bool IsMessageKind(int32_t kind) {
  return kind == kPlainMessage || (kind >= kFirstColourMessage && kind <= kLastColourMessage);
}

Color MessageColour(int32_t kind, int32_t age) {
  if (kind < kFirstColourMessage || kind > kLastColourMessage)
    return kPlainCycle[static_cast<size_t>(Cycle(age, 9))];
  int32_t m = Cycle(age, 10);
  int32_t phase = m <= 5 ? m : 10 - m;
  return kColourPhases[static_cast<size_t>(kind - kFirstColourMessage)][static_cast<size_t>(phase)];
}

}  // namespace pp
