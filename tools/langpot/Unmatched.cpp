#include "langpot/Unmatched.h"

#include <algorithm>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "langpot/EventTexts.h"

namespace pp::langpot {

Catalogue MsgidCatalogue(PoFile file) {
  for (PoEntry& e : file.entries) {
    e.translation = e.id;
    std::erase(e.flags, "fuzzy");
  }
  return Catalogue(std::move(file));
}

Coverage CheckEvents(std::istream& events, const Catalogue& msgids, std::ostream& report) {
  std::map<std::pair<std::string, std::string>, size_t> seen;  // (role, text) -> count
  std::string line;
  while (std::getline(events, line))
    for (ShownText& t : TextsOfEvent(line)) ++seen[{std::move(t.role), std::move(t.text)}];

  Coverage c;
  std::vector<std::tuple<std::string, size_t, std::string, std::string>> rows;
  for (const auto& [key, count] : seen) {
    c.texts += count;
    ++c.distinct;
    const std::optional<Translation> t = msgids.Translate(key.second, key.first);
    if (t && t->complete) continue;
    const std::string kind = t ? "partial" : "unmatched";
    (t ? c.partial : c.unmatched) += count;
    ++(t ? c.partialDistinct : c.unmatchedDistinct);
    rows.emplace_back(kind, count, key.first, key.second);
  }
  // Unmatched before partial, then the most frequent first.
  std::sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
    const auto& [kindA, countA, roleA, textA] = a;
    const auto& [kindB, countB, roleB, textB] = b;
    if (kindA != kindB) return kindA == "unmatched";
    if (countA != countB) return countA > countB;
    return std::tie(textA, roleA) < std::tie(textB, roleB);
  });
  for (const auto& [kind, count, role, text] : rows)
    report << kind << '\t' << count << '\t' << role << '\t' << text << '\n';
  return c;
}

}  // namespace pp::langpot
