#pragma once
// Names of the window's screenshots: panipani-YYYYMMDD-HHMMSS.png by local time, with -2, -3, ...
// added when more than one falls in the same second.

#include <ctime>
#include <filesystem>
#include <functional>
#include <string>

namespace pp {

// The name of the `n`th screenshot (n >= 1) taken in the second `time`.
std::string ScreenshotFileName(const std::tm& time, int n);

// The first name for `time` in `folder` that `exists` does not report as taken.
std::filesystem::path ChooseScreenshotPath(
    const std::filesystem::path& folder, const std::tm& time,
    const std::function<bool(const std::filesystem::path&)>& exists);

}  // namespace pp
