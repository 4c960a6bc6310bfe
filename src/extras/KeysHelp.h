#pragma once
// The keys help: F1 (or the options screen's entry) shows every key and mouse action of the
// window over the picture; any key or click closes it. While shown it holds the input.

#include <vector>

#include "extras/Extra.h"
#include "extras/HelpTable.h"

namespace pp {

class TextRenderer;

class KeysHelp final : public Extra {
 public:
  // `text` draws the lines and must outlive the addition.
  KeysHelp(TextRenderer& text, std::vector<HelpLine> lines)
      : text_(text), lines_(std::move(lines)) {}

  void Open() { open_ = true; }
  bool OnInput(const HostEvent& e) override;
  bool HoldsInput() const override { return open_; }
  bool Visible() const override { return open_; }
  void DrawOver(Surface& picture) override;

 private:
  TextRenderer& text_;
  std::vector<HelpLine> lines_;
  bool open_ = false;
};

}  // namespace pp
