#pragma once
// A fresh game for the item panel: catalogue filled, past the title, every wait clicked away.

#include <cstdint>
#include <string>
#include <vector>

#include "game/Game.h"
#include "items/Catalogue.h"
#include "items/EventView.h"
#include "support/TestHost.h"

namespace pp {

struct PanelPlay {
  TestHost host;
  Game g{host, GameConfig{}, 1};
  GameState& s = g.state;
  ItemPanel& panel = g.itemPanel;

  PanelPlay() {
    InitItemCatalogue(g);
    s.titlePhase = 1;
  }

  std::vector<std::string> RowTexts() const {
    std::vector<std::string> out;
    for (const PanelRow& r : panel.rows) out.push_back(r.text);
    return out;
  }
  // The texts of the item details shown, in order.
  std::vector<std::string> Details() const {
    std::vector<std::string> out;
    for (const DetailsEvent& d : host.All<DetailsEvent>()) out.push_back(d.text);
    return out;
  }
  std::vector<std::string> Messages() const { return host.Messages(); }
  // Sounds as "channel:file", leaving out the message and click sounds.
  std::vector<std::string> Sounds() const { return SoundsPlayed(host); }
  int Waits() const { return WaitsIn(host); }
  void Clear() { host.events.clear(); }
  // Seeds the generator so that the next Random(n_i) draws give `values`.
  void SeedFor(const std::vector<int32_t>& ns, const std::vector<int32_t>& values) {
    for (uint32_t seed = 1;; ++seed) {
      RandomGenerator r(seed);
      bool all = true;
      for (size_t i = 0; i < ns.size() && all; ++i) all = r.Next(ns[i]) == values[i];
      if (all) {
        g.random.set_seed(seed);
        return;
      }
    }
  }
};

}  // namespace pp
