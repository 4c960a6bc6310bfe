#pragma once
// A short line at the top right of the picture that says what a key did, shown for a couple of
// seconds and then faded out. Today it answers M (sound off / on); the game itself mutes. It
// follows whether the sound is off, for the options screen too.

#include <cstdint>
#include <functional>

#include "extras/Extra.h"
#include "gfx/Notice.h"

namespace pp {

class TextRenderer;

class KeyNotice final : public Extra {
 public:
  static constexpr int64_t kShownMs = 2000;
  static constexpr int64_t kFadeMs = 500;

  // `now` is the host's clock; `muted` whether the run starts muted. `text` must outlive it.
  KeyNotice(TextRenderer& text, std::function<int64_t()> now, bool muted);

  // Sees M on its way to the game (and leaves it to the game).
  bool OnInput(const HostEvent& e) override;
  bool Visible() const override;

  bool muted() const { return muted_; }
  // The options screen switched the sound (its own M went to the game): followed without a word.
  void FollowMuted(bool muted) { muted_ = muted; }
  void DrawOver(Surface& picture) override;

 private:
  TextRenderer& text_;
  std::function<int64_t()> now_;
  bool muted_;
  Notice notice_;
};

}  // namespace pp
