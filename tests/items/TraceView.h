#pragma once
// Reading a TestHost's automation events back as what the player saw and heard.

#include <string>
#include <vector>

#include "core/Json.h"
#include "platform/AudioDevice.h"  // TestHost.h needs the complete device type
#include "support/TestHost.h"

namespace pp {

// `"colour":"…","text":"…"` of every message, in order.
inline std::vector<std::string> SaidLines(const TestHost& host) {
  std::vector<std::string> out;
  for (const std::string& t : host.traces) {
    if (t.find("\"ev\":\"message\"") == std::string::npos) continue;
    size_t at = t.find("\"colour\":");
    out.push_back(t.substr(at, t.size() - at - 1));
  }
  return out;
}

// The expected form of one message line for SaidLines.
inline std::string Said(const std::string& colour, const std::string& text) {
  return "\"colour\":" + JsonQuote(colour) + ",\"text\":" + JsonQuote(text);
}

// Every sound the rules played, as "channel:file", leaving out the message and click sounds.
inline std::vector<std::string> SoundsPlayed(const TestHost& host) {
  std::vector<std::string> out;
  for (const std::string& t : host.traces) {
    if (t.find("\"ev\":\"sound\"") == std::string::npos) continue;
    size_t ch = t.find("\"channel\":") + 10;
    size_t file = t.find("\"file\":\"") + 8;
    std::string name = t.substr(file, t.find('"', file) - file);
    if (name == "moji.wav" || name == "1.wav") continue;
    out.push_back(t.substr(ch, t.find_first_of(",}", ch) - ch) + ":" + name);
  }
  return out;
}

inline int WaitsIn(const TestHost& host) {
  int n = 0;
  for (const std::string& t : host.traces) n += t == "{\"ev\":\"wait\"}";
  return n;
}

}  // namespace pp
