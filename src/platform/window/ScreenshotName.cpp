#include "platform/window/ScreenshotName.h"

namespace pp {

std::string ScreenshotFileName(const std::tm& time, int n) {
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &time);
  std::string name = std::string("panipani-") + stamp;
  if (n > 1) name += "-" + std::to_string(n);
  return name + ".png";
}

std::filesystem::path ChooseScreenshotPath(
    const std::filesystem::path& folder, const std::tm& time,
    const std::function<bool(const std::filesystem::path&)>& exists) {
  for (int n = 1;; ++n) {
    std::filesystem::path path = folder / ScreenshotFileName(time, n);
    if (!exists(path)) return path;
  }
}

}  // namespace pp
