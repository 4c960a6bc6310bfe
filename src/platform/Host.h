#pragma once
// The host interface: everything the game gets from its platform, and where it reports what it
// does. The game never sees SDL; a window host, a browser host, a headless host and test hosts
// implement this.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/AudioDevice.h"
#include "platform/GameEvents.h"

namespace pp {

class Surface;

// The picture every frame is drawn at, and the period of the game's timer.
inline constexpr int kPictureWidth = 390, kPictureHeight = 260;
inline constexpr int64_t kTickMs = 20;

// One input event, in picture coordinates (0..389, 0..259) where it has a position.
struct HostEvent {
  enum class Type {
    Tick,       // the 20 ms timer fired
    MouseDown,  // a mouse button went down at (x, y)
    MouseMove,  // the pointer moved to (x, y)
    MouseUp,    // a mouse button went up at (x, y)
    Wheel,      // mouse wheel by `value` notches (positive = away from the user)
    Key,        // a key went down; `value` is a key code (HostKey below)
    KeyUp,      // a key went up; `value` is a key code (only keys that are held matter)
    Choose,     // choice button `value` (1..3) pressed without the pointer (automation, a key)
    AudioDone,  // the audio device finished one or more blocks
    Command,    // an automation command the game itself answers; `text` holds the line
    Close,      // the window closes (or the input ends)
  };
  Type type = Type::Tick;
  int x = 0, y = 0;
  int value = 0;
  std::string text;
};

// Key codes of HostEvent::Key and KeyUp: the desktop's virtual-key numbers of the time, so that
// the game's own key handlers read as written (13 Enter, 38 up, 40 down). Keys the game does not
// know are ignored by it; the additions around the game (log, help, auto mode) take theirs first.
namespace HostKey {
inline constexpr int kTab = 9;
inline constexpr int kEnter = 13;
inline constexpr int kControl = 17;
inline constexpr int kEscape = 27;
inline constexpr int kSpace = 32;
inline constexpr int kPageUp = 33;
inline constexpr int kPageDown = 34;
inline constexpr int kEnd = 35;
inline constexpr int kHome = 36;
inline constexpr int kLeft = 37;
inline constexpr int kUp = 38;
inline constexpr int kRight = 39;
inline constexpr int kDown = 40;
// The number keys 1, 2 and 3 (the keyboard's row and the keypad): the additions press the first,
// second and third button shown with them (HostEvent::Type::Choose is the button's own place).
inline constexpr int kDigit1 = 49;
inline constexpr int kDigit2 = 50;
inline constexpr int kDigit3 = 51;
inline constexpr int kA = 65;
inline constexpr int kL = 76;
inline constexpr int kM = 77;
inline constexpr int kS = 83;
inline constexpr int kT = 84;
inline constexpr int kF1 = 112;
inline constexpr int kF2 = 113;  // the options screen (the page's menu entry sends it too)
// The keypad's Enter, kept apart from the main Enter (which asks the reset question).
inline constexpr int kPadEnter = 0x100 | kEnter;
}  // namespace HostKey

// The window's mute key (M): toggles the sound output without changing the game.
inline constexpr int kMuteKey = HostKey::kM;

class Host {
 public:
  virtual ~Host() = default;

  // Milliseconds of the host clock (virtual time when headless).
  virtual int64_t NowMs() = 0;
  // Blocks until the next event and returns it. Ticks come every 20 ms of host time.
  virtual HostEvent WaitEvent() = 0;
  // Shows a finished 390 x 260 frame.
  virtual void Present(const Surface& frame) = 0;
  // A Yes/No question (the game has reported it as a ConfirmEvent just before); No is the
  // default, and closing the box counts as No.
  virtual bool ConfirmYesNo(const std::string& text) = 0;
  // What the game does, as it happens. A window shows the caption and errors; an automation host
  // writes every event; others may ignore what they do not need.
  virtual void Report(const GameEvent& event) = 0;
  // Opens the audio output in `format`; nullptr when there is none.
  virtual std::unique_ptr<AudioDevice> OpenAudioDevice(const AudioFormat& format) = 0;

  // Reports an error the user must see.
  void ShowError(std::string text) { Report(ErrorEvent{std::move(text)}); }
};

// A host that wraps another and passes everything on; a wrapper overrides what it adds to.
class ForwardingHost : public Host {
 public:
  explicit ForwardingHost(Host& inner) : inner_(inner) {}

  int64_t NowMs() override { return inner_.NowMs(); }
  HostEvent WaitEvent() override { return inner_.WaitEvent(); }
  void Present(const Surface& frame) override { inner_.Present(frame); }
  bool ConfirmYesNo(const std::string& text) override { return inner_.ConfirmYesNo(text); }
  void Report(const GameEvent& event) override { inner_.Report(event); }
  std::unique_ptr<AudioDevice> OpenAudioDevice(const AudioFormat& format) override {
    return inner_.OpenAudioDevice(format);
  }

 protected:
  Host& inner() { return inner_; }

 private:
  Host& inner_;
};

}  // namespace pp
