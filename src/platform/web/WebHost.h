#pragma once
// The browser hosts. The page (page/index.html) shows the 390 x 260 picture in a canvas scaled
// by a whole factor with sharp pixels, centred; the mouse, a finger (a tap is a click) and the
// window's keys play, with F11 or the page's button for fullscreen. The reset question is the
// page's own dialog.

#include <functional>
#include <memory>

#include "platform/Host.h"

namespace pp {

// Real time: ticks every 20 ms of the page's clock, sound through Web Audio.
std::unique_ptr<Host> CreateWebHost();

// Automation on virtual time, as the headless host: command lines come from the page's
// `panipani.command`, events go to `panipani.events`; frames are still shown in the canvas and
// the pointer on it is passed on as `mouse` commands. `observe` sees every event too (the page's
// text panel: the additions' host would copy every frame, a fifth of an automation run's time).
std::unique_ptr<Host> CreateWebAutomationHost(bool autoClick,
                                              std::function<void(const GameEvent&)> observe);

}  // namespace pp
