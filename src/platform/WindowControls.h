#pragma once
// What the player may change about a window while the game runs (the options screen's scale and
// fullscreen entries). A host with a window implements it beside Host.

#include "platform/Host.h"

namespace pp {

class WindowControls {
 public:
  virtual ~WindowControls() = default;

  // Whether the window fills the screen; switching says so to whoever the host tells (as F11
  // does).
  virtual bool Fullscreen() const = 0;
  virtual void SetFullscreen(bool on) = 0;
  // The scale the window was asked for (0: the largest that fits the screen comfortably, as at
  // start), and the largest whole scale the screen holds. A new scale sizes the window at once,
  // or when it leaves fullscreen.
  virtual int Scale() const = 0;
  virtual int LargestScale() const = 0;
  virtual void SetScale(int scale) = 0;
};

// A host that shows the game in a window the player may change.
class WindowHost : public Host, public WindowControls {};

}  // namespace pp
