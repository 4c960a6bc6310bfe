#pragma once
// A fresh game for the item panel: catalogue filled, past the title, every wait clicked away.

#include <cstdint>
#include <string>
#include <vector>

#include "game/Game.h"
#include "items/Catalogue.h"
#include "platform/AudioDevice.h"  // TestHost.h needs the complete device type
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
  // The `text` field of every event of kind `ev`, in order.
  std::vector<std::string> Texts(const std::string& ev) const {
    std::vector<std::string> out;
    for (const std::string& t : host.traces) {
      if (t.find("\"ev\":\"" + ev + "\"") == std::string::npos) continue;
      const size_t at = t.find("\"text\":\"");
      if (at != std::string::npos) out.push_back(t.substr(at + 8, t.rfind('"') - at - 8));
    }
    return out;
  }
  std::vector<std::string> Messages() const { return Texts("message"); }
  // Sounds as "channel:file", leaving out the message and click sounds.
  std::vector<std::string> Sounds() const {
    std::vector<std::string> out;
    for (const std::string& t : host.traces) {
      if (t.find("\"ev\":\"sound\"") == std::string::npos) continue;
      const size_t ch = t.find("\"channel\":") + 10;
      const size_t file = t.find("\"file\":\"") + 8;
      const std::string name = t.substr(file, t.find('"', file) - file);
      if (name == "moji.wav" || name == "1.wav") continue;
      out.push_back(t.substr(ch, t.find_first_of(",}", ch) - ch) + ":" + name);
    }
    return out;
  }
  int Waits() const {
    int n = 0;
    for (const std::string& t : host.traces) n += t == "{\"ev\":\"wait\"}";
    return n;
  }
  void Clear() { host.traces.clear(); }
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
