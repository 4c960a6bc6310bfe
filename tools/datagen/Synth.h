#pragma once
// Sound recipes and the synthesiser that plays them into PCM WAVE files.
//
//   sound FILE RATE BITS CHANNELS [PEAK]  RATE 11025, 22050 or 44100; BITS 8 or 16; CHANNELS
//                                        1 or 2; PEAK the loudest sample, 0..1 (default 0.7)
//     tone WAVE F0 F1 START DUR VOL [key=value ...]
//     seq WAVE START STEP DUR VOL NOTE NOTE ... [key=value ...]   notes like C5, F#4, Bb3, - (rest)
//   end
//
// WAVE is sine, square, triangle, saw or noise (for noise F is how often it changes). The pitch
// slides from F0 to F1 over the tone. Keys: env=flat|decay|pluck|swell|fade, pan=-1..1,
// duty=0..1 (square), vib=RATE:DEPTH (depth as a fraction of the pitch).
//
// The same recipe gives the same bytes on every platform (the native data folder and the
// browser's, which synthesises its sounds when the page starts).

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pp::datagen {

enum class Wave { kSine, kSquare, kTriangle, kSaw, kNoise };
enum class Envelope { kFlat, kDecay, kPluck, kSwell, kFade };

struct Voice {
  Wave wave = Wave::kSine;
  double f0 = 440, f1 = 440, start = 0, duration = 0.1, volume = 0.5;
  Envelope envelope = Envelope::kDecay;
  double pan = 0, duty = 0.5, vibRate = 0, vibDepth = 0;
};

struct SoundRecipe {
  std::string file;
  int rate = 22050, bits = 8, channels = 1;
  double peak = 0.7;  // the mix is scaled so that its loudest sample reaches this
  std::vector<Voice> voices;
};

// Throws std::runtime_error naming the line for anything malformed or out of range.
std::vector<SoundRecipe> ParseSounds(std::string_view text);

// The recipes of every .txt file of `dir`, in name order. Throws std::runtime_error naming the
// file and line of the first fault.
std::vector<SoundRecipe> LoadSoundRecipes(const std::filesystem::path& dir);

// The finished WAVE file: voices summed, scaled to the recipe's peak, written at its format.
std::string Synthesize(const SoundRecipe& recipe);

struct WaveInfo {
  int rate = 0, bits = 0, channels = 0;
  uint32_t dataBytes = 0;
  double seconds() const { return rate > 0 ? dataBytes / double(rate * channels * (bits / 8)) : 0; }
};

// The format of a PCM WAVE file, checked: RIFF/WAVE, a PCM fmt chunk whose byte rate and block
// size agree with it, and a data chunk that fits in the file. nullopt for anything else.
std::optional<WaveInfo> ReadWaveInfo(std::string_view bytes);

}  // namespace pp::datagen
