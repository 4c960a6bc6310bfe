#pragma once
// The game's texts found in its source: every Japanese literal that reaches the screen, and the
// templates of the lines it composes with "+" from literals and values, the values named by what
// they are ({n}, {monster}, {item}, {level}, {name}, {text}). A parameter that is a part of a line
// is replaced by what each call passes for it, so "prefix + n" becomes one template per caller.

#include <string>
#include <vector>

#include "langpot/CppScan.h"
#include "langpot/PotFile.h"

namespace pp::langpot {

// True for text with kana, kanji or full-width characters: what a translator must see.
bool IsJapanese(std::string_view text);

// Adds the texts of `scan` to `pot`. Templates that cannot be matched (two values touching) are
// not added; each is described in `handWork` ("file:line: ...") for a person to write down.
void AddSourceTexts(const SourceScan& scan, PotFile& pot, std::vector<std::string>& handWork);

// Adds `text` found at file:line; a text of several lines joined by CR (as the game joins the
// item details and its questions) gives one entry per line.
void AddLines(PotFile& pot, std::string_view text, std::string_view context, std::string_view file,
              int line, std::string_view comment);

}  // namespace pp::langpot
