#pragma once
// What the page's text panel (page/textpanel.js) shows, in the language the player reads the game
// in: each message line, the offered labels and the one pressed, and the item panel's caption,
// rows and details, with the texts as the picture draws them. Each goes to the page as one JSON
// object named as its automation event ("message", "choices", "chosen", "panel", "details",
// "panel-hidden") but carrying the shown texts and "lang", the language they are in; reading both,
// a message carries its Japanese in "text" and its English in "english". When the player switches
// the language (key T, the page's menu), the page gets {"ev":"language","mode":"ja|en|both"}, then
// {"ev":"clear"} and everything the panel shows again, in the new language. The automation events
// are not these: they stay the game's own. Only input reaches the game from the panel (a button is
// `choose N`).

#include <array>
#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "extras/Extra.h"
#include "lang/DisplayLanguage.h"

namespace pp {

class PageTextFeed final : public Extra {
 public:
  // How many message lines the panel keeps, and gets again after a switch.
  static constexpr size_t kKeptLines = 60;
  // Hands one JSON object to the page.
  using Send = std::function<void(std::string_view json)>;

  // `language` must outlive the feed.
  PageTextFeed(const DisplayLanguage& language, Send send);

  void OnEvent(const GameEvent& event) override;
  // Tells the page the language when it is new (the first time, and after a switch); makes no
  // input.
  std::optional<HostEvent> Due(int64_t nowMs) override;

 private:
  struct PanelLine {
    std::string text;
    std::string colour;
  };

  void SendMessage(const PanelLine& line);
  void SendChoices();
  void SendChosen();
  void SendPanel();
  void SendDetails();
  // "ja" while the game is read in Japanese, else "en".
  std::string_view ShownLang() const;

  const DisplayLanguage& language_;
  Send send_;
  std::optional<DisplayLanguage::Mode> toldMode_;
  // What the panel shows now, in the game's own words.
  std::deque<PanelLine> lines_;
  std::array<std::string, 3> labels_;
  int chosen_ = 0;  // the button pressed among the labels shown, 0 for none
  std::optional<PanelEvent> panel_;
  std::optional<std::string> details_;
};

}  // namespace pp
