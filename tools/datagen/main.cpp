// datagen: builds the default data folder from data/, and shows a data folder for review.
//
//   datagen --source DATA_SOURCES --out DATA_FOLDER     generate cg/ and dat/
//   datagen --source DATA_SOURCES --icons DIR [--icon-name NAME]
//                                                       the icon, DIR/NxN/apps/NAME.png
//   datagen --source DATA_SOURCES --web-icons DIR       the browser page's icons, DIR/icon-*.png
//   datagen --contact-sheet OUT.png [--data DATA_FOLDER] every picture on one sheet
//   datagen --sound-list [--data DATA_FOLDER]           every sound with its length

#include <cstdio>
#include <exception>
#include <string>
#include <string_view>

#include "datagen/Generate.h"
#include "datagen/Icons.h"
#include "datagen/Review.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: datagen --source DIR --out DIR\n"
               "       datagen --source DIR --icons DIR [--icon-name NAME]\n"
               "       datagen --source DIR --web-icons DIR\n"
               "       datagen --contact-sheet OUT.png [--data DIR]\n"
               "       datagen --sound-list [--data DIR]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::string source, out, icons, webIcons, iconName = "panipani", sheet, data = "data";
  bool listSounds = false;
  for (int i = 1; i < argc; ++i) {
    std::string_view a = argv[i];
    bool hasValue = i + 1 < argc;
    if (a == "--source" && hasValue) {
      source = argv[++i];
    } else if (a == "--out" && hasValue) {
      out = argv[++i];
    } else if (a == "--icons" && hasValue) {
      icons = argv[++i];
    } else if (a == "--web-icons" && hasValue) {
      webIcons = argv[++i];
    } else if (a == "--icon-name" && hasValue) {
      iconName = argv[++i];
    } else if (a == "--contact-sheet" && hasValue) {
      sheet = argv[++i];
    } else if (a == "--data" && hasValue) {
      data = argv[++i];
    } else if (a == "--sound-list") {
      listSounds = true;
    } else {
      return Usage();
    }
  }
  // --source goes with the modes that read the sources, and one mode at least is asked for.
  const bool generate = !out.empty(), drawIcons = !icons.empty() || !webIcons.empty();
  const bool review = !sheet.empty() || listSounds;
  if (source.empty() == (generate || drawIcons) || !(generate || drawIcons || review))
    return Usage();
  try {
    if (generate) std::printf("%s\n", pp::datagen::GenerateDataFolder(source, out).c_str());
    if (!icons.empty())
      std::printf("%s\n", pp::datagen::WriteIcons(source, icons, iconName).c_str());
    if (!webIcons.empty())
      std::printf("%s\n", pp::datagen::WriteWebIcons(source, webIcons).c_str());
    if (!sheet.empty()) std::printf("%s\n", pp::datagen::WriteContactSheet(data, sheet).c_str());
    if (listSounds) std::printf("%s", pp::datagen::ListSounds(data).c_str());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "datagen: %s\n", e.what());
    return 1;
  }
  return 0;
}
