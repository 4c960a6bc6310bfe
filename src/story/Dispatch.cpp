#include "story/Dispatch.h"

namespace pp {

void DispatchChoice(Game& g, std::string_view label) { DispatchChoice2(g, label); }

void DispatchChoice2(Game&, std::string_view) {}

}  // namespace pp
