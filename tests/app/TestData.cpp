#include "app/TestData.h"

#include <unistd.h>

#include <atomic>
#include <fstream>
#include <string>

#include "gfx/Bitmap.h"
#include "state/SaveFile.h"

namespace pp::test {
namespace {

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

// `count` ASCII lines (valid CP932) ending in CR LF.
std::string Lines(const char* stem, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += stem + std::to_string(i) + "\r\n";
  return text;
}

}  // namespace

TempData::TempData(const GameState& saved) {
  static std::atomic<int> counter{0};
  root = std::filesystem::temp_directory_path() /
         ("panipani-app-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
  dataDir = root / "data";
  saveDir = root / "save";
  std::filesystem::create_directories(dataDir / "cg");
  std::filesystem::create_directories(dataDir / "dat");
  std::filesystem::create_directories(saveDir);

  Surface title(390, 260, kTitleColour);
  title.SetPixel(0, 0, 0xFFFFFF);
  SaveBmp(title, dataDir / "cg" / "title.bmp");
  SaveBmp(Surface(117, 89, 0), dataDir / "cg" / "00.bmp");
  SaveBmp(Surface(100, 60, kTitle2Colour), dataDir / "cg" / "title2.bmp");
  SaveBmp(Surface(100, 60, kLoginColour), dataDir / "cg" / "login.bmp");
  WriteFile(dataDir / "dat" / "my.dat", SerializeMyDat(saved));
  WriteFile(dataDir / "dat" / "map.dat", Lines("map", kLevelNames));
  WriteFile(dataDir / "dat" / "name.dat", Lines("n", kNameSyllables));
}

GameConfig TempData::Config() const {
  GameConfig c;
  c.dataDir = dataDir;
  c.saveDir = saveDir;
  return c;
}

TempData::~TempData() {
  std::error_code ec;
  std::filesystem::remove_all(root, ec);
}

}  // namespace pp::test
