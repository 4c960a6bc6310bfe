#include "adventure/Say.h"

#include "ui/Messages.h"

namespace pp {

void Say(Game& g, std::string_view text) {
  AddMessage(g, text);
  WaitForClick(g);
}

void SayIn(Game& g, std::string_view text, std::string_view colour) {
  AddColorMessage(g, text, colour);
  WaitForClick(g);
}

}  // namespace pp
