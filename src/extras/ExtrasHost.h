#pragma once
// The host the game runs on when additions are switched on: it wraps the real host (the window,
// the browser or the headless host), forwards everything, hands the game's reports and the
// input to each addition in the order they were added, and shows their drawings over the
// picture. With no additions it changes nothing.

#include <memory>
#include <vector>

#include "extras/Extra.h"
#include "gfx/Surface.h"
#include "platform/AudioDevice.h"
#include "platform/Host.h"

namespace pp {

class ExtrasHost final : public ForwardingHost {
 public:
  explicit ExtrasHost(Host& inner) : ForwardingHost(inner) {}

  // Adds an addition; it sees input after the ones added before it. Returns it for wiring.
  template <class T>
  T& Add(std::unique_ptr<T> extra) {
    T& ref = *extra;
    extras_.push_back(std::move(extra));
    return ref;
  }

  // The next event for the game: input an addition makes, or the inner host's next event that
  // no addition took. While an addition holds the input only the holders see the player's input,
  // and only time, audio, commands and the close get through to the game.
  HostEvent WaitEvent() override;
  // Shows the frame with the additions' drawings over a copy of it.
  void Present(const Surface& frame) override;
  // The question as the additions put it (in the player's language, say).
  bool ConfirmYesNo(const std::string& text) override;
  // Forwards the event, then hands it to every addition.
  void Report(const GameEvent& event) override;

 private:
  bool Holding() const;
  // Shows the last frame again with the additions' current drawings.
  void Repaint();

  std::vector<std::unique_ptr<Extra>> extras_;
  Surface lastFrame_;
  Surface composed_;
};

}  // namespace pp
