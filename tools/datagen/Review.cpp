#include "datagen/Review.h"

#include <cstdio>
#include <stdexcept>

#include "core/FileLookup.h"
#include "datagen/AssetNames.h"
#include "datagen/SourceText.h"
#include "datagen/Synth.h"
#include "gfx/Bitmap.h"
#include "gfx/Png.h"
#include "gfx/Text.h"

namespace pp::datagen {

namespace fs = std::filesystem;

namespace {
constexpr int kScreenW = 390, kScreenH = 260;
constexpr int kCellW = kScreenW / 2, kCellH = kScreenH / 2, kLabelH = 14, kColumns = 8;
constexpr Color kMissing = 0x404040;
}  // namespace

std::string WriteContactSheet(const fs::path& dataDir, const fs::path& outPng) {
  const int rows = static_cast<int>((kPictureNames.size() + kColumns - 1) / kColumns);
  Surface sheet(kColumns * (kCellW + 2), rows * (kCellH + kLabelH + 2), 0x202020);
  TextRenderer text;
  int shown = 0;
  for (size_t i = 0; i < kPictureNames.size(); ++i) {
    std::string_view name = kPictureNames[i];
    int cx = static_cast<int>(i % kColumns) * (kCellW + 2);
    int cy = static_cast<int>(i / kColumns) * (kCellH + kLabelH + 2);
    Surface screen(kScreenW, kScreenH, kMissing);
    auto path = FindDataFile(dataDir, "cg", name);
    BitmapResult pic = path ? LoadBmp(*path) : BitmapResult{};
    if (pic.surface) {
      ++shown;
      if (name == kTitlePicture || name == kMessageLayer)
        screen.CopyFrom(*pic.surface, {0, 0, kScreenW, kScreenH}, 0, 0);
      else
        screen.StretchFrom(*pic.surface, {0, 0, kSceneWidth, kSceneHeight},
                           {0, 0, kScreenW, kScreenH});
    }
    sheet.StretchFrom(screen, {0, 0, kScreenW, kScreenH},
                      {cx, cy + kLabelH, cx + kCellW, cy + kLabelH + kCellH});
    TextStyle style;
    style.color = pic.surface ? 0xFFFFFF : 0xFF6060;
    style.bold = false;
    text.Draw(sheet, cx + 2, cy + 1, name, style);
  }
  if (!SavePng(sheet, outPng)) throw std::runtime_error("cannot write " + outPng.string());
  return std::to_string(shown) + " of " + std::to_string(kPictureNames.size()) + " pictures on " +
         outPng.string();
}

std::string ListSounds(const fs::path& dataDir) {
  std::string out;
  char line[160];
  double longest = 0;
  std::string longestName;
  int found = 0;
  for (auto name : kSoundNames) {
    auto path = FindDataFile(dataDir, "dat", name);
    std::optional<WaveInfo> info;
    if (path) info = ReadWaveInfo(ReadFile(*path));
    if (!info) {
      std::snprintf(line, sizeof line, "%-18s %s\n", std::string(name).c_str(),
                    path ? "not a PCM WAVE file" : "missing");
    } else {
      ++found;
      if (info->seconds() > longest) longest = info->seconds(), longestName = name;
      std::snprintf(line, sizeof line, "%-18s %5d Hz %2d-bit %-6s %6.3f s\n",
                    std::string(name).c_str(), info->rate, info->bits,
                    info->channels == 1 ? "mono" : "stereo", info->seconds());
    }
    out += line;
  }
  std::snprintf(line, sizeof line, "%d of %zu sounds; longest %s, %.3f s\n", found,
                kSoundNames.size(), longestName.c_str(), longest);
  return out + line;
}

}  // namespace pp::datagen
