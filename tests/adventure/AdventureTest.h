#pragma once
// A fresh game on the test host, with seeds chosen so that chosen draws come out as wanted.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "game/Game.h"
#include "items/Catalogue.h"
#include "platform/AudioDevice.h"
#include "support/TestHost.h"

namespace pp {

// One wanted draw: Random(n) must satisfy `ok`.
struct Draw {
  int32_t n;
  std::function<bool(int32_t)> ok;
};
inline Draw Is(int32_t n, int32_t value) {
  return {n, [value](int32_t v) { return v == value; }};
}
inline Draw Not(int32_t n, int32_t value) {
  return {n, [value](int32_t v) { return v != value; }};
}
inline Draw Any(int32_t n) {
  return {n, [](int32_t) { return true; }};
}

// The first seed whose next draws come out as `draws` says.
inline uint32_t SeedFor(const std::vector<Draw>& draws) {
  for (uint32_t seed = 1;; ++seed) {
    RandomGenerator r(seed);
    bool all = true;
    for (const Draw& d : draws) {
      if (!d.ok(r.Next(d.n))) {
        all = false;
        break;
      }
    }
    if (all) return seed;
  }
}

// Line `i` of `lines`, or a note that there is none (so a short list fails instead of crashing).
inline std::string LineAt(const std::vector<std::string>& lines, size_t i) {
  return i < lines.size() ? lines[i] : "(no line " + std::to_string(i) + ")";
}

struct Play {
  TestHost host;
  Game g{host, GameConfig{}, 1};
  GameState& s = g.state;

  Play() {
    InitItemCatalogue(g);
    s.titlePhase = 1;
  }
  void Seed(const std::vector<Draw>& draws) { g.random.set_seed(SeedFor(draws)); }

  // The text of every message, in order.
  std::vector<std::string> Messages() const { return host.Messages(); }
  bool Said(std::string_view text) const {
    for (const auto& m : Messages())
      if (m == text) return true;
    return false;
  }
  bool SaidSomething(std::string_view part) const {
    for (const auto& m : Messages())
      if (m.find(part) != std::string::npos) return true;
    return false;
  }
  std::vector<std::string> Labels() const {
    return {s.choiceLabel1, s.choiceLabel2, s.choiceLabel3};
  }
  void Clear() { host.events.clear(); }
};

}  // namespace pp
