#pragma once
// The fixed table of real items, in id order, from which InitItemCatalogue builds the catalogue.

#include <cstdint>
#include <span>

namespace pp {

struct ItemRecord {
  int32_t id;
  const char* name;
  const char* description;
  int32_t price;
  int32_t useKind;
  int32_t useAmount;
};

// Ids 1..214, each once, ascending.
std::span<const ItemRecord> ItemRecords();

}  // namespace pp
