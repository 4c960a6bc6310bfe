// Building again after a data source changed: the generated files follow the sources, but a
// played save an earlier version kept in the build folder is never replaced.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "datagen/Generate.h"
#include "datagen/SourceText.h"
#include "state/GameState.h"
#include "state/SaveFile.h"

namespace pp::datagen {
namespace {

namespace fs = std::filesystem;

TEST(Rebuild, APlayedSaveInTheBuildFolderSurvivesASourceChange) {
  const fs::path root =
      fs::temp_directory_path() / ("panipani-rebuild-" + std::to_string(getpid()));
  fs::remove_all(root);
  const fs::path source = root / "source", out = root / "data", save = out / "dat" / "my.dat";
  fs::create_directories(root);
  fs::copy(fs::path(PANIPANI_SOURCE_DIR) / "data", source, fs::copy_options::recursive);
  GenerateDataFolder(source, out);

  // A first save follows its source.
  WriteFile(source / "text" / "header.txt", "newer header\n");
  GenerateDataFolder(source, out);
  GameState first;
  ASSERT_EQ(ParseMyDat(ReadFile(save), first), std::nullopt);
  EXPECT_EQ(first.headerText, "newer header");

  // A played one stays, while the rest of the folder is generated again.
  GameState played = first;
  played.deathCount = 7;
  played.records[5] = 1;
  const std::string playedBytes = SerializeMyDat(played);
  WriteFile(save, playedBytes);
  WriteFile(out / "dat" / "map.dat", "stale");
  WriteFile(source / "text" / "header.txt", "newest header\n");
  const std::string summary = GenerateDataFolder(source, out);
  EXPECT_EQ(ReadFile(save), playedBytes);
  EXPECT_NE(ReadFile(out / "dat" / "map.dat"), "stale");
  EXPECT_NE(summary.find("no my.dat"), std::string::npos) << summary;
  fs::remove_all(root);
}

}  // namespace
}  // namespace pp::datagen
