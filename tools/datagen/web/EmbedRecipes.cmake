# cmake "-DFILES=A;B" -DOUT=SoundRecipes.h -P EmbedRecipes.cmake
# Writes the sound recipe files as C++ texts, kSoundRecipeFiles, for the page's sound worker.
set(entries "")
foreach(file ${FILES})
  get_filename_component(name ${file} NAME)
  file(READ ${file} hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "\\\\x\\1" escaped "${hex}")
  string(APPEND entries "    {\"${name}\", \"${escaped}\"},\n")
endforeach()
file(WRITE ${OUT} "#pragma once
// Generated from data/sounds by tools/datagen/web/EmbedRecipes.cmake.
#include <string_view>

struct SoundRecipeFile {
  std::string_view name, text;
};

constexpr SoundRecipeFile kSoundRecipeFiles[] = {
${entries}};
")
