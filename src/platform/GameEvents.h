#pragma once
// What the game reports as it plays, in the order it happens, through Host::Report. Everything
// around the game (the automation hosts, the recorder, the additions, the tests) learns what the
// game does from these events only; the automation hosts alone turn them into JSON. Texts are
// UTF-8 as the game holds them (the labels are the game's own Japanese keys).

#include <array>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "gfx/Surface.h"

namespace pp {

struct GameState;

// A message line entered the ring.
struct MessageEvent {
  int32_t kind = 0;        // 4 plain, 301..312 coloured
  std::string colourName;  // "plain" or the colour's name ("pink2", ...)
  Color colour = 0;        // the line's colour at its brightest
  std::string text;
  bool operator==(const MessageEvent&) const = default;
};

// A click wait began: the game waits for a click on the picture.
struct ClickWaitEvent {
  bool operator==(const ClickWaitEvent&) const = default;
};

// The choice buttons got new labels (an empty label: no button there).
struct ChoicesEvent {
  std::array<std::string, 3> labels;
  bool operator==(const ChoicesEvent&) const = default;
};

// The player pressed choice button `button` (1..3), which carried `label`.
struct ChosenEvent {
  int button = 0;
  std::string label;
  bool operator==(const ChosenEvent&) const = default;
};

// A scene picture was shown (`ok` false: the file could not be read).
struct PictureEvent {
  std::string file;
  bool ok = false;
  bool operator==(const PictureEvent&) const = default;
};

// A sound was played on `channel`.
struct SoundEvent {
  int channel = 0;
  std::string file;
  bool operator==(const SoundEvent&) const = default;
};

// The item panel is shown with these rows, or changed them while shown.
struct PanelEvent {
  std::string mode;  // the panel's caption: using or buying
  std::vector<std::string> rows;
  bool operator==(const PanelEvent&) const = default;
};

// The item panel shows an item's details (lines joined by CR).
struct DetailsEvent {
  std::string text;
  bool operator==(const DetailsEvent&) const = default;
};

// The item panel closed.
struct PanelHiddenEvent {
  bool operator==(const PanelHiddenEvent&) const = default;
};

// The game asks a Yes/No question (the host's ConfirmYesNo answers it right after).
struct ConfirmEvent {
  std::string question;
  bool operator==(const ConfirmEvent&) const = default;
};

// The window's caption changed (the frame-rate line).
struct CaptionEvent {
  std::string text;
  bool operator==(const CaptionEvent&) const = default;
};

// Something the player must see went wrong (a dialog in a window).
struct ErrorEvent {
  std::string text;
  bool operator==(const ErrorEvent&) const = default;
};

// The game's whole state, on request (the automation command `state`). Valid during the report
// only.
struct StateEvent {
  const GameState* state = nullptr;
  bool operator==(const StateEvent&) const = default;
};

using GameEvent = std::variant<MessageEvent, ClickWaitEvent, ChoicesEvent, ChosenEvent,
                               PictureEvent, SoundEvent, PanelEvent, DetailsEvent, PanelHiddenEvent,
                               ConfirmEvent, CaptionEvent, ErrorEvent, StateEvent>;

// Whether the item panel is shown, followed from the events: several observers step aside for it.
class PanelWatch {
 public:
  void See(const GameEvent& e) {
    if (std::holds_alternative<PanelEvent>(e)) open_ = true;
    if (std::holds_alternative<PanelHiddenEvent>(e)) open_ = false;
  }
  bool open() const { return open_; }

 private:
  bool open_ = false;
};

}  // namespace pp
