#include "game/Commands.h"

#include <charconv>
#include <filesystem>
#include <optional>
#include <string>

#include "game/Game.h"
#include "gfx/Bitmap.h"
#include "gfx/Png.h"
#include "state/StateFields.h"

namespace pp {
namespace {

std::string Lower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

// `screenshot PATH`: the picture as it stands, as PNG or BMP by the file's extension.
void Screenshot(Game& g, std::string_view pathText) {
  const std::filesystem::path path{std::string(pathText)};
  const std::string ext = Lower(path.extension().string());
  bool written = false;
  if (ext == ".png") {
    written = SavePng(g.cg, path);
  } else if (ext == ".bmp") {
    written = SaveBmp(g.cg, path);
  } else {
    g.host.ShowError("a screenshot is written as .bmp or .png, not '" + std::string(pathText) +
                     "'");
    return;
  }
  if (!written) g.host.ShowError("cannot write the screenshot " + std::string(pathText));
}

// `set FIELD VALUE` or `set FIELD[I] VALUE`; a text value is the rest of the line.
void Set(Game& g, std::string_view args) {
  const size_t space = args.find(' ');
  std::string_view field = args.substr(0, space);
  const std::string_view value = space == std::string_view::npos ? "" : args.substr(space + 1);
  std::optional<int> index;
  if (const size_t open = field.find('['); open != std::string_view::npos) {
    const std::string_view inside = field.substr(open + 1);
    int i = 0;
    auto [ptr, ec] = std::from_chars(inside.data(), inside.data() + inside.size(), i);
    if (ec != std::errc() || ptr == inside.data() || *ptr != ']' ||
        ptr + 1 != inside.data() + inside.size()) {
      g.host.ShowError("set: bad index in '" + std::string(field) + "'");
      return;
    }
    index = i;
    field = field.substr(0, open);
  }
  if (auto error = SetStateField(g.state, field, index, value)) g.host.ShowError("set: " + *error);
}

}  // namespace

void RunCommand(Game& g, std::string_view line) {
  const size_t space = line.find(' ');
  const std::string_view word = line.substr(0, space);
  const std::string_view args = space == std::string_view::npos ? "" : line.substr(space + 1);
  if (word == "state" && args.empty()) {
    g.host.Report(StateEvent{&g.state});
  } else if (word == "screenshot" && !args.empty()) {
    Screenshot(g, args);
  } else if (word == "set" && !args.empty()) {
    Set(g, args);
  } else {
    g.host.ShowError("command not understood: " + std::string(line));
  }
}

}  // namespace pp
