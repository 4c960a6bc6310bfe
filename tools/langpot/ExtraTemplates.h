#pragma once
// The hand-kept supplement (data/lang/extra-templates.txt): lines the game composes across
// statements ("line += ..."), which no "+" chain shows whole. Blocks of "key: value" lines,
// separated by blank lines; '#' starts a comment line:
//   text: "<the msgid, in double quotes; \\ and \" escaped>"
//   at: <source file> <the function that composes the line>
//   why: <why langpot cannot find it by itself>
//   comment: <a note for the translator> (optional, may repeat)
//   context: <msgctxt> (optional)

#include <string>
#include <string_view>
#include <vector>

#include "langpot/CppScan.h"
#include "langpot/PotFile.h"

namespace pp::langpot {

struct ExtraTemplate {
  std::string text, context, file, function, why;
  std::vector<std::string> comments;
  int line = 0;  // in the supplement
};

// Reads the supplement; throws std::runtime_error ("FILE:LINE: message") at the first fault.
std::vector<ExtraTemplate> ReadExtraTemplates(std::string_view text, std::string_view fileName);

// Adds each at the line of its function; throws std::runtime_error when the function is gone.
void AddExtraTemplates(const std::vector<ExtraTemplate>& extras, std::string_view fileName,
                       const SourceScan& scan, PotFile& pot);

}  // namespace pp::langpot
