#pragma once
// The busy game frame the frame benchmarks draw, natively and in the browser: a scene picture,
// 50 live message lines (plain and coloured), three choice buttons at rest with one hovered, the
// enemy bar, every status tag, the orb charged, and the spark ring.

#include <memory>
#include <string>

#include "platform/Host.h"

namespace pp {
class Game;

// A host the renderer never asks for anything: every wait ends in Close.
class BenchHost : public Host {
 public:
  int64_t NowMs() override { return 0; }
  HostEvent WaitEvent() override;
  void Present(const Surface&) override {}
  bool ConfirmYesNo(const std::string&) override { return false; }
  void Report(const GameEvent&) override {}
  std::unique_ptr<AudioDevice> OpenAudioDevice(const AudioFormat&) override;
};

// Puts the busy frame's picture, status, buttons and 50 message lines into `g`.
void SetUpBusyFrame(Game& g);

// Draws the busy frame once (with the clamp that follows every frame), first restoring the line
// ages and the hurt flash (100 integer writes) so that every call draws the same amount.
void DrawBusyFrame(Game& g);

}  // namespace pp
