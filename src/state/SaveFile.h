#pragma once
// The save file my.dat and the two name tables, as pure conversions between file bytes and the
// game state. Files are CP932 text, one value per line, lines ending in CR LF (a bare LF is read
// too). Loading and saving on disk are in state/LoadSave.h.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "state/GameState.h"

namespace pp {

inline constexpr int kMyDatLines = 5247;

// Reads the 5247 lines of my.dat into the saved fields of `s`. Byte fields keep the low 8 bits
// of the number on their line; texts are kept as raw bytes. On failure returns
// "line N: expected ..." and `s` may be partly filled.
std::optional<std::string> ParseMyDat(std::string_view bytes, GameState& s);

// The 5247 lines of my.dat for `s`, CR LF after each line. Texts are written as raw bytes up to
// their first line break, so the file always keeps its layout.
std::string SerializeMyDat(const GameState& s);

// Reads `out.size()` lines of CP932 text into UTF-8 texts (name.dat: 226, map.dat: 100). A
// player's table is only shown, so a byte that is not CP932 never stops it: it reads as U+FFFD
// and the rest of the line is read on. `rawOut`, when not empty (same size), gets each line's own
// bytes. On failure (too few lines) returns "line N: expected ..."; the tables may be partly
// filled.
std::optional<std::string> ParseTextTable(std::string_view bytes, std::span<std::string> out,
                                          std::span<std::string> rawOut = {});

}  // namespace pp
