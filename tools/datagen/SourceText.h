#pragma once
// Reading the line-based text sources of data/: comments, words, numbers, files.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace pp::datagen {

// Calls `fn(lineNumber, line)` for every line with its comment ('#' standing as a word of its own,
// and what follows), trailing CR and surrounding blanks removed. Line numbers count from 1.
void ForEachLine(std::string_view text, const std::function<void(int, std::string_view)>& fn);
// The line cut at blanks.
std::vector<std::string_view> SplitWords(std::string_view line);
// 0..15 for a hexadecimal digit, else -1.
int HexDigit(char c);
// A whole number; throws std::runtime_error naming `what` when `word` is not one.
int ParseInt(std::string_view word, std::string_view what);
// A decimal number without exponent, of up to 15 significant digits, read to the same double on
// every platform; throws std::runtime_error naming `what` when `word` is not one.
double ParseNumber(std::string_view word, std::string_view what);
// The .txt files of `dir` (none when it is not a folder), in name order so that every build
// reads them alike.
std::vector<std::filesystem::path> TextFilesIn(const std::filesystem::path& dir);
// The whole file; throws std::runtime_error naming it when it cannot be read.
std::string ReadFile(const std::filesystem::path& path);
// Writes `bytes` to `path`, creating its folder; throws std::runtime_error on failure.
void WriteFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace pp::datagen
