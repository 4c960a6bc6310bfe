// The page's sound worker (compiled with sound-worker.js for a Web Worker): synthesises every sound
// of the recipes compiled into it (SoundRecipes.h, generated from data/sounds) with the data
// generator's synthesiser, the same bytes as the native build writes into its data folder, while
// the page's main thread loads the game. A recipe that cannot be read stops the worker (the
// native build has refused it before).

#include <emscripten.h>

#include <string>

#include "SoundRecipes.h"
#include "datagen/Synth.h"

// Hands one finished WAVE file to the worker script (sound-worker.js).
EM_JS(void, pp_sound_done, (const char* name, const char* bytes, int size),
      { Module.soundDone(UTF8ToString(name), HEAPU8.slice(bytes, bytes + size)); });

int main() {
  for (const SoundRecipeFile& file : kSoundRecipeFiles)
    for (const pp::datagen::SoundRecipe& recipe : pp::datagen::ParseSounds(file.text)) {
      const std::string wave = pp::datagen::Synthesize(recipe);
      pp_sound_done(recipe.file.c_str(), wave.data(), static_cast<int>(wave.size()));
    }
  return 0;
}
