#include "extras/options/OptionsDraw.h"

#include <string>

#include "extras/Dim.h"
#include "extras/options/OptionsLayout.h"
#include "gfx/Surface.h"
#include "gfx/Text.h"

namespace pp {
namespace {

using namespace options;

constexpr int kPoints = 8;
constexpr Color kBoxFace = Hex(0x0C0C14);
constexpr Color kBoxEdge = Hex(0x8A7A50);
constexpr Color kTitleColour = Hex(0xFFDD66);
constexpr Color kNameColour = Hex(0xCCCCCC);
constexpr Color kValueColour = Hex(0xEECC55);
constexpr Color kChosenFace = Hex(0x3A3020);
constexpr Color kChosenColour = Hex(0xFFFFFF);
constexpr Color kCellOff = Hex(0x403828);
constexpr Color kFootColour = Hex(0x8899AA);

std::string ValueText(const OptionEntry& entry, int value, const DisplayLanguage* language) {
  if (entry.valueText) return entry.valueText(value, language);
  if (entry.kind == OptionEntry::Kind::Toggle)
    return Say(value != 0 ? Word::kOn : Word::kOff, language);
  return {};
}

// A level's bar: count - 1 cells, `value` of them lit; returns the x after it.
int DrawBar(Surface& s, int top, int count, int value, Color lit) {
  int x = kBarX;
  for (int cell = 0; cell + 1 < count; ++cell) {
    s.FillRect(x, top + 3, x + kCellWidth, top + kRowHeight - 3, cell < value ? lit : kCellOff);
    x += kCellWidth + kCellGap;
  }
  return x;
}

}  // namespace

void DrawOptions(Surface& picture, TextRenderer& text, const DisplayLanguage* language,
                 const std::vector<OptionEntry>& entries, int selected) {
  DimPicture(picture);
  const int rows = static_cast<int>(entries.size()) + 1;
  const int top = BoxTop(rows);
  picture.SetPen(kBoxEdge);
  picture.SetBrush(kBoxFace);
  picture.Rectangle(kBoxLeft, top, kBoxLeft + kBoxWidth, top + BoxHeight(rows));
  const std::string title = Say(Word::kOptionsTitle, language);
  text.Draw(picture, kBoxLeft + (kBoxWidth - text.Width(title, 10, true)) / 2, top + 4, title,
            TextStyle{10, true, kTitleColour, false, 0});

  const int textDown = (kRowHeight - text.Height(kPoints)) / 2;
  for (int row = 0; row < rows; ++row) {
    const int y = RowTop(rows, row);
    const bool chosen = row == selected;
    if (chosen)
      picture.FillRect(kBoxLeft + 4, y, kBoxLeft + kBoxWidth - 4, y + kRowHeight, kChosenFace);
    const bool closing = row == rows - 1;
    const std::string name =
        Say(closing ? Word::kClose : entries[static_cast<size_t>(row)].name, language);
    text.Draw(picture, kNameX, y + textDown, name,
              TextStyle{kPoints, chosen, chosen ? kChosenColour : kNameColour, false, 0});
    if (closing) continue;
    const OptionEntry& entry = entries[static_cast<size_t>(row)];
    if (entry.kind == OptionEntry::Kind::Action) continue;
    const int value = entry.get();
    const TextStyle style{kPoints, false, chosen ? kChosenColour : kValueColour, false, 0};
    int x = kBarX;
    if (entry.kind == OptionEntry::Kind::Level)
      x = DrawBar(picture, y, entry.count, value, style.color) + 4;
    x = text.Draw(picture, x, y + textDown, ValueText(entry, value, language), style);
    if (chosen) {
      // Where the value steps: back at its left end, on at its right.
      text.Draw(picture, kValueX + 2, y + textDown, "<", style);
      text.Draw(picture, x + 4, y + textDown, ">", style);
    }
  }
  const std::string foot = Say(Word::kOptionsFoot, language);
  text.Draw(picture, kBoxLeft + (kBoxWidth - text.Width(foot, 7, false)) / 2,
            top + BoxHeight(rows) - kFootHeight + 4, foot,
            TextStyle{7, false, kFootColour, false, 0});
}

}  // namespace pp
