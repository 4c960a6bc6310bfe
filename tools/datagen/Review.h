#pragma once
// A look at a whole data folder: every picture as the game shows it on one sheet, and every
// sound with its format and length.

#include <filesystem>
#include <string>

namespace pp::datagen {

// Renders every picture of the game found in `dataDir`/cg as shown on screen (a scene's top-left
// 100 x 60 stretched to 390 x 260, the title unscaled), halved, in a labelled grid, into the PNG
// `outPng`. A picture missing or unreadable shows as a labelled grey cell. Returns a summary;
// throws std::runtime_error when the PNG cannot be written.
std::string WriteContactSheet(const std::filesystem::path& dataDir,
                              const std::filesystem::path& outPng);

// One line per sound of the game in `dataDir`/dat: name, rate, bits, channels and seconds, or
// what is wrong with it; a last line with the count and the longest.
std::string ListSounds(const std::filesystem::path& dataDir);

}  // namespace pp::datagen
