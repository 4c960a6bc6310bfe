#pragma once
// Which texts of a played game no msgid of a catalogue matches, exactly or as a template.

#include <cstddef>
#include <istream>
#include <ostream>

#include "lang/Catalogue.h"

namespace pp::langpot {

// A catalogue that translates every entry of `file` into its own msgid, translated or not, so
// that matching shows which msgids cover a line.
Catalogue MsgidCatalogue(PoFile file);

struct Coverage {
  size_t texts = 0, distinct = 0;
  size_t unmatched = 0, unmatchedDistinct = 0;  // no msgid matches
  size_t partial = 0, partialDistinct = 0;      // matched, but a value in it has no entry
};

// Reads events (one JSON object a line) from `events` and writes each unmatched or partial text
// with its count to `report` ("unmatched<TAB>COUNT<TAB>ROLE<TAB>TEXT", then "partial..."), most
// frequent first.
Coverage CheckEvents(std::istream& events, const Catalogue& msgids, std::ostream& report);

}  // namespace pp::langpot
