#pragma once
// The item panel `item_box`: the player's inventory ("使う") and the shops ("買う", and "秘密"
// for the secret shop, which turns into "買う" once its list is filled). It lies over the right
// of the picture at (152, 0); closing it always returns to the camp menu.

#include <cstdint>
#include <string>
#include <string_view>

namespace pp {

class Game;

inline constexpr std::string_view kUseCaption = "使う";
inline constexpr std::string_view kBuyCaption = "買う";
inline constexpr std::string_view kSecretCaption = "秘密";

// Opens the panel with the action caption `caption`: clears the details, fills the list, plays
// "box.wav" on channel 0 and shows the panel.
void OpenPanel(Game& g, std::string_view caption);
// Shows or hides `item_box`, reported as a PanelEvent or a PanelHiddenEvent.
void ShowPanel(Game& g);
void HidePanel(Game& g);

// The inventory row of an item: " 5 name" for 1..9, "12 name" from 10 on.
std::string InventoryRowText(int32_t count, std::string_view name);
// Replaces the text of row `row` (nothing when there is no such row); a shown panel reports its
// rows again.
void SetRowText(Game& g, int row, std::string text);

// Selects row `row` (-1: none) as a click or a key on the list does, and shows its details.
void SelectRow(Game& g, int row);
// Finds the item of the selected row into `selectedItem` ("key2.wav" on channel 0 when it
// changes) and writes its details into the description area. Nothing without a selected row or
// on a sold (blank) row.
void ShowItemDetails(Game& g);
// The action button: uses the selected item ("使う") or buys it ("買う").
void Image1Click(Game& g);
// The close button: "back.wav", hides the panel and offers the camp menu.
void Image2Click(Game& g);

}  // namespace pp
