#pragma once
// The host interface: everything the game gets from its platform. The game never sees SDL; a
// window host, a headless host and test hosts implement this.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace pp {

class Surface;
class AudioDevice;
struct AudioFormat;

// One input event, in picture coordinates (0..389, 0..259) where it has a position.
struct HostEvent {
  enum class Type {
    Tick,        // the 20 ms timer fired
    MouseDown,   // a mouse button went down at (x, y)
    MouseMove,   // the pointer moved to (x, y)
    MouseUp,     // a mouse button went up at (x, y)
    Wheel,       // mouse wheel by `value` notches (positive = away from the user)
    Key,         // a key went down; `value` is a key code (13 Enter, 38 up, 40 down, 77 M)
    AudioDone,   // the audio device finished one or more blocks
    Command,     // an automation command the game itself answers; `text` holds the line
    Close,       // the window closes (or the input ends)
  };
  Type type = Type::Tick;
  int x = 0, y = 0;
  int value = 0;
  std::string text;
};

// The window's mute key (M): toggles the sound output without changing the game.
inline constexpr int kMuteKey = 77;

class Host {
 public:
  virtual ~Host() = default;

  // Milliseconds of the host clock (virtual time when headless).
  virtual int64_t NowMs() = 0;
  // Blocks until the next event and returns it. Ticks come every 20 ms of host time.
  virtual HostEvent WaitEvent() = 0;
  // Shows a finished 390 x 260 frame.
  virtual void Present(const Surface& frame) = 0;
  // Sets the window caption (UTF-8).
  virtual void SetCaption(const std::string& text) = 0;
  // A Yes/No question; No is the default, and closing the box counts as No.
  virtual bool ConfirmYesNo(const std::string& text) = 0;
  // Reports an error the user must see (dialog in a window, error event headless).
  virtual void ShowError(const std::string& text) = 0;
  // An automation event as one JSON object; hosts without automation ignore it.
  virtual void Trace(std::string_view /*jsonObject*/) {}
  // Opens the audio output in `format`; nullptr when there is none.
  virtual std::unique_ptr<AudioDevice> OpenAudioDevice(const AudioFormat& format) = 0;
};

}  // namespace pp
