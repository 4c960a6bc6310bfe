#include "datagen/Generate.h"

#include <algorithm>
#include <optional>
#include <set>
#include <stdexcept>
#include <vector>

#include "core/AtomicFile.h"
#include "core/Cp932.h"
#include "datagen/AssetNames.h"
#include "datagen/Icons.h"
#include "datagen/PictureFile.h"
#include "datagen/SourceText.h"
#include "datagen/TextTables.h"
#include "gfx/Bitmap.h"
#include "state/GameState.h"
#include "state/SaveFile.h"

namespace pp::datagen {

namespace fs = std::filesystem;

namespace {

template <size_t N>
bool Contains(const std::array<std::string_view, N>& names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// The first save: a fresh game state under the header line of data/text/header.txt.
std::string FirstSave(const fs::path& sourceDir) {
  std::string header;
  ForEachLine(ReadFile(sourceDir / "text" / "header.txt"), [&](int, std::string_view line) {
    if (header.empty() && !line.empty()) header = line;
  });
  auto cp = Utf8ToCp932(header);
  if (header.empty() || !cp) throw std::runtime_error("text/header.txt: no CP932 header line");
  GameState fresh;
  fresh.headerText = *cp;
  return SerializeMyDat(fresh);
}

// A my.dat that is a first save of any version: a fresh game state under its header line.
bool IsFirstSave(const std::string& bytes) {
  GameState loaded;
  if (ParseMyDat(bytes, loaded)) return false;
  GameState fresh;
  fresh.headerText = loaded.headerText;
  return SerializeMyDat(fresh) == bytes;
}

// Writes the first save into `file` unless the file holds a played save: a build folder made by
// an earlier version kept the player's records there, and the game copies them into the player's
// save folder on its first start. Returns whether it was written.
bool WriteFirstSave(const fs::path& file, const fs::path& sourceDir) {
  const std::string first = FirstSave(sourceDir);
  std::error_code ec;
  if (fs::exists(file, ec) || ec) {
    const std::optional<std::string> old = ReadWholeFile(file);
    if (!old || !IsFirstSave(*old)) return false;
  }
  WriteFile(file, first);
  return true;
}

void CopyStatic(const fs::path& from, const fs::path& to) {
  if (!fs::is_directory(from)) return;
  for (const auto& e : fs::recursive_directory_iterator(from)) {
    if (!e.is_regular_file()) continue;
    fs::path target = to / fs::relative(e.path(), from);
    WriteFile(target, ReadFile(e.path()));
  }
}

// The translations' catalogues (lang/*.po), which the program reads from the data folder.
void CopyCatalogues(const fs::path& from, const fs::path& to) {
  if (!fs::is_directory(from)) return;
  for (const auto& e : fs::directory_iterator(from))
    if (e.is_regular_file() && e.path().extension() == ".po")
      WriteFile(to / e.path().filename(), ReadFile(e.path()));
}

}  // namespace

SceneTable LoadSceneTable(const fs::path& dir) {
  SceneTable table;
  for (const auto& f : TextFilesIn(dir)) {
    try {
      SceneTable t = ParseScenes(ReadFile(f));
      for (auto& s : t.scenes) table.scenes.push_back(std::move(s));
      for (auto& s : t.templates) table.templates.push_back(std::move(s));
    } catch (const std::exception& e) {
      throw std::runtime_error(f.filename().string() + ": " + e.what());
    }
  }
  return table;
}

Sources LoadSources(const fs::path& dir) {
  Sources src;
  src.palette = Palette::Parse(ReadFile(dir / "palette.txt"));
  for (const auto& f : TextFilesIn(dir / "sprites"))
    ParseSprites(ReadFile(f), f.filename().string(), src.palette, src.sprites);
  src.scenes = LoadSceneTable(dir / "scenes");
  src.sounds = LoadSoundRecipes(dir / "sounds");
  return src;
}

std::map<std::string, IndexedImage> RenderPictures(const Sources& src) {
  std::map<std::string, IndexedImage> out;
  for (const auto& scene : src.scenes.scenes) {
    if (!Contains(kPictureNames, scene.file))
      throw std::runtime_error("scene " + scene.file + " is not a picture of the game");
    if (out.count(scene.file)) throw std::runtime_error("scene " + scene.file + " written twice");
    out.emplace(scene.file, RenderScene(scene, src.scenes, src.sprites, src.palette));
  }
  for (auto name : kPictureNames)
    if (!out.count(std::string(name)))
      throw std::runtime_error("no scene for " + std::string(name));
  return out;
}

std::string GenerateDataFolder(const fs::path& sourceDir, const fs::path& out) {
  Sources src = LoadSources(sourceDir);
  const fs::path cg = out / "cg", dat = out / "dat";
  fs::create_directories(cg);
  fs::create_directories(dat);

  auto pictures = RenderPictures(src);
  for (const auto& scene : src.scenes.scenes) {
    const IndexedImage& img = pictures.at(scene.file);
    // Pictures drawn enlarged go out at 24 bits through the game's own writer, the rest as
    // 8-bit palettised files: a data folder of the time held both kinds.
    if (scene.scale > 1) {
      if (!SaveBmp(ToSurface(img, src.palette), cg / scene.file))
        throw std::runtime_error("cannot write " + (cg / scene.file).string());
    } else {
      WriteFile(cg / scene.file, EncodeBmp8(img, src.palette));
    }
  }

  std::set<std::string> sounds;
  for (const auto& r : src.sounds) {
    if (!Contains(kSoundNames, r.file))
      throw std::runtime_error("sound " + r.file + " is not a sound of the game");
    if (!sounds.insert(r.file).second) throw std::runtime_error("sound " + r.file + " twice");
    WriteFile(dat / r.file, Synthesize(r));
  }
  for (auto name : kSoundNames)
    if (!sounds.count(std::string(name)))
      throw std::runtime_error("no recipe for " + std::string(name));

  WriteFile(dat / "map.dat",
            BuildTextTable(ReadFile(sourceDir / "text" / "map.txt"), kLevelNames, "map.txt"));
  WriteFile(dat / "name.dat",
            BuildTextTable(ReadFile(sourceDir / "text" / "name.txt"), kNameSyllables, "name.txt"));
  const bool firstSave = WriteFirstSave(dat / "my.dat", sourceDir);
  CopyStatic(sourceDir / "static", out);
  CopyCatalogues(sourceDir / "lang", out / "lang");
  if (fs::is_directory(sourceDir / "icons")) WriteWindowIcon(src, sourceDir, out / kWindowIconFile);

  return std::to_string(pictures.size()) + " pictures, " + std::to_string(sounds.size()) +
         " sounds, map.dat, name.dat and " +
         (firstSave ? "my.dat" : "no my.dat (the one there holds a played save)") + " written to " +
         out.string();
}

}  // namespace pp::datagen
