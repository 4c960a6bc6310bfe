#pragma once
// The additions a player gets in the window and the browser page: auto mode and fast-forward,
// then the keyboard choices.

#include "extras/ExtrasHost.h"
#include "settings/Settings.h"

namespace pp {

// Adds them to `host` with the reading time and auto mode `settings` ask for.
void AddPlayerExtras(ExtrasHost& host, const Settings& settings);

}  // namespace pp
