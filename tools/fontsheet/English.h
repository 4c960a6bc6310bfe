#pragma once
// The English review sheet: the game's English (from its catalogue) drawn with each candidate for
// the Latin face, and per candidate how wide the widest item rows and labels come out against
// their places, the letters' proportions, and whether the font has every character the English
// uses.

namespace fontsheet {

// fontsheet --english [--catalogue FILE] [--picture FILE.bmp] OUT.png [FONT[,FONT...] ...]
// (arguments after --english); returns the exit status.
int EnglishSheet(int argc, char** argv);

}  // namespace fontsheet
