#pragma once
// The C++ side of the page script (page/panipani.js): what the hosts take from the page and
// hand to it. Only the browser build compiles this.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pp {

// One thing the page collected for the game, oldest first.
struct PageInput {
  enum class Kind {
    Pointer,    // a mouse or finger `phase` at (x, y) CSS pixels on the canvas shown at w x h
    Key,        // a key of the game's (`value` is a HostKey code) going down, or up with `phase` Up
    Choose,     // keys 1..3: button `value`
    AudioDone,  // the sound output finished blocks
    Answer,     // the reset question was answered: `value` 1 for Yes
    Line,       // an automation command line in `text`
    Wheel,  // the wheel turned by `value` notches over the canvas (positive = away from the user)
  };
  enum class Phase { Down, Move, Up };
  Kind kind = Kind::Key;
  Phase phase = Phase::Down;
  double x = 0, y = 0, w = 0, h = 0;
  int value = 0;
  std::string text;
};

// Suspends the program (through Asyncify, as WaitForPageSounds does) until the page has input
// or `timeoutMs` passed; the page keeps running meanwhile.
void WaitForPageInput(int timeoutMs);
// Suspends the program until the page's sound worker has put the sounds into the data folder's
// dat/ (or failed: the game then plays without them).
void WaitForPageSounds();
// Suspends the program until the page has read the saves from the browser's storage into /save
// (or found it unusable: the folder then starts empty, and the page says so).
void WaitForPageSaves();
// Lets the page run (a task of its own) before the program goes on: the start-up is several long
// pieces of work (the English catalogue, the glyphs, the pictures and the save), and one task
// holding them all kept the page from answering for half a second.
void LetThePageRun();
// The oldest collected input; nullopt when there is none.
std::optional<PageInput> TakePageInput();

// Draws a 390 x 260 frame of 0x00RRGGBB pixels into the canvas; `rgba` is the caller's buffer
// for the canvas's byte order.
void ShowFrameOnPage(const uint32_t* pixels, std::vector<uint32_t>& rgba);
void SetPageTitle(const std::string& text);
// Opens the page's Yes/No dialog (No has the focus; Escape answers No); the answer arrives as
// PageInput::Kind::Answer.
void OpenPageQuestion(const std::string& text);
// Shows an error on the page.
void ShowPageError(const std::string& text);
// Hands one automation event (a JSON object) to the page's event list.
void SendPageEvent(std::string_view json);
// Hands the text panel one JSON object of what the game shows (PageTextFeed.h).
void SendPageText(std::string_view json);
// The game has started: the page's ready promise resolves.
void ReportGameStarted();
// The game ended with `status` (the page says so; nothing runs after it).
void ReportGameEnded(int status);

}  // namespace pp
