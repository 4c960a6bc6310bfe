#pragma once
// Reading a TestHost's events back as what the player saw and heard.

#include <string>
#include <vector>

#include "support/TestHost.h"

namespace pp {

// "colour: text" of every message, in order.
inline std::vector<std::string> SaidLines(const TestHost& host) {
  std::vector<std::string> out;
  for (const MessageEvent& m : host.All<MessageEvent>())
    out.push_back(m.colourName + ": " + m.text);
  return out;
}

// The expected form of one message line for SaidLines.
inline std::string Said(const std::string& colour, const std::string& text) {
  return colour + ": " + text;
}

// Every sound the rules played, as "channel:file", leaving out the message and click sounds.
inline std::vector<std::string> SoundsPlayed(const TestHost& host) {
  std::vector<std::string> out;
  for (const SoundEvent& s : host.All<SoundEvent>())
    if (s.file != "moji.wav" && s.file != "1.wav")
      out.push_back(std::to_string(s.channel) + ":" + s.file);
  return out;
}

inline int WaitsIn(const TestHost& host) {
  return static_cast<int>(host.All<ClickWaitEvent>().size());
}

}  // namespace pp
