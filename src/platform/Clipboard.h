#pragma once
// The desktop's clipboard, for the text hook's copy mode.

#include <string>

namespace pp {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // Replaces the clipboard's text with `utf8`.
  virtual void Copy(const std::string& utf8) = 0;
};

}  // namespace pp
