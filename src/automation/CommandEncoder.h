#pragma once
// The automation protocol's input, written: the command line that CommandScript reads back as
// the same host event. The recorder writes runs with it and the browser page sends its input
// through it.

#include <optional>
#include <string>

#include "platform/Host.h"

namespace pp {

// The line for `e`: `click` and `hover N` for the protocol's own pointer spots, `mouse …` for any
// other position, `key`/`keyup NAME`, `choose N`, `wheel N`, `tick`, `close`, and a Command's own
// text. nullopt for what no command makes (a finished audio block).
std::optional<std::string> CommandLineFor(const HostEvent& e);

}  // namespace pp
