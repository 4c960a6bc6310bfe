#pragma once
// What the game reports as it plays, read back from its automation events, for the additions
// around the game (message log, text hook, speech, auto mode). The game keeps one way of saying
// what it does; the additions listen to it instead of reaching into the rules.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pp {

struct Report {
  enum class Kind {
    Message,      // a message entered the ring: text, colour, number = its kind
    Choices,      // the choice buttons got new labels
    Chosen,       // the player pressed a choice: text = its label, number = the button (1..3)
    Wait,         // a click wait began
    Picture,      // a scene picture was shown: text = its file
    Sound,        // a sound was played: text = its file, number = the channel
    Panel,        // the item panel filled or changed its rows
    PanelHidden,  // the item panel closed
    Details,      // the item panel showed an item's details: text
    Other,        // anything else (state, caption, confirm, error)
  };
  Kind kind = Kind::Other;
  std::string text;
  std::string colour;
  int64_t number = 0;
  std::array<std::string, 3> labels;  // Choices only
};

// Whether the item panel is shown, followed from the reports: several additions step aside for it.
class PanelWatch {
 public:
  void See(const Report& r) {
    if (r.kind == Report::Kind::Panel) open_ = true;
    if (r.kind == Report::Kind::PanelHidden) open_ = false;
  }
  bool open() const { return open_; }

 private:
  bool open_ = false;
};

// The report in one automation event (a JSON object on one line); nullopt when it is not one.
std::optional<Report> ReadReport(std::string_view json);

}  // namespace pp
