#pragma once
// The line order of my.dat, written once for both the reader and the writer. `VisitMyDat` calls
// the visitor once per line, in file order, with the field that line holds:
//   v.Int(int32_t&, const LineField&), v.Byte(uint8_t&, const LineField&),
//   v.Text(std::string&, const LineField&)
// (const references when `State` is const).

#include <string>

#include "state/GameState.h"

namespace pp {

// Names the field a line holds, for error messages: name, name[index] or name[index].member.
struct LineField {
  const char* name;
  int index = -1;
  const char* member = nullptr;
  int memberIndex = -1;

  std::string ToString() const;
};

template <class State, class Visitor>
void VisitMyDat(State& s, Visitor& v) {
  auto ints = [&v](auto& array, const char* name) {
    for (size_t i = 0; i < array.size(); ++i) v.Int(array[i], LineField{name, static_cast<int>(i)});
  };
  auto bytes = [&v](auto& array, const char* name) {
    for (size_t i = 0; i < array.size(); ++i)
      v.Byte(array[i], LineField{name, static_cast<int>(i)});
  };

  v.Text(s.headerText, LineField{"headerText"});
  v.Int(s.money, LineField{"money"});
  v.Int(s.level, LineField{"level"});
  v.Int(s.strength, LineField{"strength"});
  v.Int(s.defenceSkill, LineField{"defenceSkill"});
  v.Int(s.reserved3, LineField{"reserved3"});
  v.Int(s.maxHp, LineField{"maxHp"});
  v.Int(s.reserved11, LineField{"reserved11"});
  v.Int(s.reserved10, LineField{"reserved10"});
  v.Int(s.reserved6, LineField{"reserved6"});
  v.Int(s.exp, LineField{"exp"});
  v.Int(s.reserved2, LineField{"reserved2"});
  v.Int(s.reserved9, LineField{"reserved9"});
  v.Int(s.reserved19, LineField{"reserved19"});
  ints(s.itemCount, "itemCount");
  bytes(s.reservedBytesB, "reservedBytesB");
  bytes(s.reservedBytesA, "reservedBytesA");
  v.Int(s.reserved21, LineField{"reserved21"});
  v.Int(s.reserved22, LineField{"reserved22"});
  v.Int(s.reserved23, LineField{"reserved23"});
  v.Int(s.reserved20, LineField{"reserved20"});
  v.Int(s.reserved1, LineField{"reserved1"});
  v.Int(s.reserved24, LineField{"reserved24"});
  ints(s.reservedInts10, "reservedInts10");
  v.Int(s.reserved14, LineField{"reserved14"});
  v.Int(s.reserved8, LineField{"reserved8"});
  v.Int(s.reserved15, LineField{"reserved15"});
  v.Int(s.deathCount, LineField{"deathCount"});
  v.Int(s.keptValue1, LineField{"keptValue1"});
  v.Int(s.keptValue2, LineField{"keptValue2"});
  bytes(s.keptFlags, "keptFlags");
  v.Int(s.reserved16, LineField{"reserved16"});
  v.Int(s.reserved17, LineField{"reserved17"});
  v.Int(s.reserved18, LineField{"reserved18"});
  bytes(s.reservedBytesC, "reservedBytesC");
  v.Int(s.reserved25, LineField{"reserved25"});
  v.Int(s.spareSaved, LineField{"spareSaved"});
  bytes(s.reservedBytesD, "reservedBytesD");
  // The file carries the first 200 pairs entries interleaved: i, then i + 100.
  for (int i = 0; i < 100; ++i) {
    v.Int(s.reservedPairs[i], LineField{"reservedPairs", i});
    v.Int(s.reservedPairs[i + 100], LineField{"reservedPairs", i + 100});
  }
  v.Int(s.reserved26, LineField{"reserved26"});
  v.Int(s.reserved7, LineField{"reserved7"});
  for (int i = 0; i < static_cast<int>(s.beds.size()); ++i) {
    auto& bed = s.beds[i];
    v.Text(bed.text, LineField{"beds", i, "text"});
    for (int k = 0; k < static_cast<int>(bed.values.size()); ++k)
      v.Int(bed.values[k], LineField{"beds", i, "values", k});
  }
  v.Int(s.reserved4, LineField{"reserved4"});
  v.Int(s.reserved5, LineField{"reserved5"});
  ints(s.records, "records");
  v.Int(s.deepestLevel, LineField{"deepestLevel"});
  v.Int(s.deepestAu, LineField{"deepestAu"});
}

}  // namespace pp
