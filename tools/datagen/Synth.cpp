#include "datagen/Synth.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "datagen/SourceText.h"
#include "datagen/SynthMath.h"

namespace pp::datagen {

namespace {

Wave ParseWave(std::string_view w) {
  if (w == "sine") return Wave::kSine;
  if (w == "square") return Wave::kSquare;
  if (w == "triangle") return Wave::kTriangle;
  if (w == "saw") return Wave::kSaw;
  if (w == "noise") return Wave::kNoise;
  throw std::runtime_error("unknown wave " + std::string(w));
}

Envelope ParseEnvelope(std::string_view w) {
  if (w == "flat") return Envelope::kFlat;
  if (w == "decay") return Envelope::kDecay;
  if (w == "pluck") return Envelope::kPluck;
  if (w == "swell") return Envelope::kSwell;
  if (w == "fade") return Envelope::kFade;
  throw std::runtime_error("unknown envelope " + std::string(w));
}

// A note name such as C5, F#4 or Bb3 as a frequency (A4 = 440 Hz).
double NoteFrequency(std::string_view n) {
  static constexpr int kSemis[7] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G from C
  if (n.size() < 2 || n[0] < 'A' || n[0] > 'G')
    throw std::runtime_error("bad note " + std::string(n));
  int semi = kSemis[n[0] - 'A'];
  size_t i = 1;
  if (n[i] == '#')
    ++semi, ++i;
  else if (n[i] == 'b')
    --semi, ++i;
  int octave = ParseInt(n.substr(i), "note octave");
  return 440.0 * Exp2((octave - 4) + (semi - 9) / 12.0);
}

// Applies the key=value words to `v`.
void ApplyKeys(const std::vector<std::string_view>& words, size_t from, Voice& v) {
  for (size_t i = from; i < words.size(); ++i) {
    auto w = words[i];
    size_t eq = w.find('=');
    if (eq == std::string_view::npos)
      throw std::runtime_error("expected key=value: " + std::string(w));
    auto key = w.substr(0, eq), val = w.substr(eq + 1);
    if (key == "env") {
      v.envelope = ParseEnvelope(val);
    } else if (key == "pan") {
      v.pan = std::clamp(ParseNumber(val, "pan"), -1.0, 1.0);
    } else if (key == "duty") {
      v.duty = std::clamp(ParseNumber(val, "duty"), 0.05, 0.95);
    } else if (key == "vib") {
      size_t colon = val.find(':');
      if (colon == std::string_view::npos) throw std::runtime_error("vib=RATE:DEPTH");
      v.vibRate = ParseNumber(val.substr(0, colon), "vib rate");
      v.vibDepth = ParseNumber(val.substr(colon + 1), "vib depth");
    } else {
      throw std::runtime_error("unknown key " + std::string(key));
    }
  }
}

// How far the decaying envelopes fall over a voice's duration, in halvings: e^-4 and e^-9.
constexpr double kDecayPerDuration = 4 * 1.4426950408889634074;
constexpr double kPluckPerDuration = 9 * 1.4426950408889634074;
// Short ramps at both ends keep every voice free of clicks (seconds).
constexpr double kRampIn = 0.002, kRampOut = 0.003;

// The correction that takes the alias whistle out of a jump in a square or saw wave at `t` (the
// phase, 0..1) for a wave advancing `dt` a sample.
double PolyBlep(double t, double dt) {
  if (t < dt) {
    t /= dt;
    return t + t - t * t - 1;
  }
  if (t > 1 - dt) {
    t = (t - 1) / dt;
    return t * t + t + t + 1;
  }
  return 0;
}

// Adds `v` into the stereo mix. Each sample costs a few multiplications and one table look-up:
// the slide and the decaying envelopes change by a constant factor a sample, and the sine comes
// from a table.
void Render(const Voice& v, int rate, std::vector<double>& left, std::vector<double>& right) {
  const size_t first = static_cast<size_t>(v.start * rate);
  const size_t count = static_cast<size_t>(v.duration * rate);
  const double samples = v.duration * rate, perSample = 1.0 / rate;
  const double rampIn = kRampIn * rate, rampOut = kRampOut * rate;
  const double slide = v.f1 == v.f0 ? 1 : Exp2(Log2(v.f1 / v.f0) / samples);
  const double decayStep = v.envelope == Envelope::kDecay   ? Exp2(-kDecayPerDuration / samples)
                           : v.envelope == Envelope::kPluck ? Exp2(-kPluckPerDuration / samples)
                                                            : 1;
  const double gl = v.volume * std::min(1.0, 1 - v.pan), gr = v.volume * std::min(1.0, 1 + v.pan);
  uint32_t seed = 0x2545F491u ^ static_cast<uint32_t>(v.f0 * 7 + v.start * 1000);
  double pitch = v.f0, decay = 1, phase = 0, vibratoPhase = 0, noise = 0;
  for (size_t i = 0; i < count && first + i < left.size(); ++i) {
    double f = pitch;
    if (v.vibRate > 0) {
      f *= 1 + v.vibDepth * TableSine(vibratoPhase);
      vibratoPhase += v.vibRate * perSample;
      vibratoPhase -= std::floor(vibratoPhase);
    }
    const double before = phase, step = f * perSample;
    phase += step;
    if (phase >= 1 || phase < 0) phase -= std::floor(phase);  // a deep vibrato may run backwards
    double s = 0;
    switch (v.wave) {
      case Wave::kSine:
        s = TableSine(phase);
        break;
      case Wave::kSquare: {
        const double dt = std::min(0.5, step), fall = phase + 1 - v.duty;
        s = (phase < v.duty ? 1 : -1) + PolyBlep(phase, dt) - PolyBlep(fall - std::floor(fall), dt);
        break;
      }
      case Wave::kTriangle:
        s = phase < 0.5 ? 4 * phase - 1 : 3 - 4 * phase;
        break;
      case Wave::kSaw:
        s = 2 * phase - 1 - PolyBlep(phase, std::min(0.5, step));
        break;
      case Wave::kNoise:
        if (phase < before || i == 0) {  // a new value each cycle of F
          seed = seed * 1664525u + 1013904223u;
          noise = (seed >> 8) / double(1u << 23) - 1;
        }
        s = noise;
        break;
    }
    const double at = static_cast<double>(i), u = at / samples;
    double level = 1;
    switch (v.envelope) {
      case Envelope::kFlat:
        break;
      case Envelope::kDecay:
      case Envelope::kPluck:
        level = decay;
        decay *= decayStep;
        break;
      case Envelope::kSwell:
        level = u < 0.5 ? u * 2 : (1 - u) * 2;
        break;
      case Envelope::kFade:
        level = 1 - u;
        break;
    }
    if (at < rampIn || samples - at < rampOut)
      level *= std::min({1.0, at / rampIn, (samples - at) / rampOut});
    s *= level;
    left[first + i] += s * gl;
    right[first + i] += s * gr;
    pitch *= slide;
  }
}

// `x` to the nearest whole number, halves away from zero, as std::lround does (|x| < 2^31).
int RoundHalfAway(double x) {
  const int whole = static_cast<int>(x);  // toward zero
  const double rest = x - whole;          // exact
  return rest >= 0.5 ? whole + 1 : rest <= -0.5 ? whole - 1 : whole;
}

void Put16(std::string& out, uint32_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>((v >> 8) & 0xFF));
}
void Put32(std::string& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}
uint32_t Get16(std::string_view b, size_t at) {
  return static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8;
}
uint32_t Get32(std::string_view b, size_t at) { return Get16(b, at) | Get16(b, at + 2) << 16; }

}  // namespace

std::vector<SoundRecipe> ParseSounds(std::string_view text) {
  std::vector<SoundRecipe> out;
  SoundRecipe* open = nullptr;
  int openLine = 0;
  ForEachLine(text, [&](int lineNo, std::string_view line) {
    if (line.empty()) return;
    auto w = SplitWords(line);
    try {
      if (!open) {
        if ((w.size() != 5 && w.size() != 6) || w[0] != "sound")
          throw std::runtime_error("expected: sound FILE RATE BITS CHANNELS [PEAK]");
        SoundRecipe r;
        r.file = w[1];
        r.rate = ParseInt(w[2], "rate");
        r.bits = ParseInt(w[3], "bits");
        r.channels = ParseInt(w[4], "channels");
        if (w.size() == 6) r.peak = ParseNumber(w[5], "peak");
        if (r.peak <= 0 || r.peak > 1)
          throw std::runtime_error("peak must be above 0 and at most 1");
        if (r.rate != 11025 && r.rate != 22050 && r.rate != 44100)
          throw std::runtime_error("rate must be 11025, 22050 or 44100");
        if (r.bits != 8 && r.bits != 16) throw std::runtime_error("bits must be 8 or 16");
        if (r.channels != 1 && r.channels != 2) throw std::runtime_error("channels must be 1 or 2");
        open = &out.emplace_back(std::move(r));
        openLine = lineNo;
      } else if (w[0] == "end") {
        if (open->voices.empty()) throw std::runtime_error(open->file + " has no voice");
        open = nullptr;
      } else if (w[0] == "tone") {
        if (w.size() < 7) throw std::runtime_error("expected: tone WAVE F0 F1 START DUR VOL");
        Voice v;
        v.wave = ParseWave(w[1]);
        v.f0 = ParseNumber(w[2], "F0"), v.f1 = ParseNumber(w[3], "F1");
        v.start = ParseNumber(w[4], "START"), v.duration = ParseNumber(w[5], "DUR");
        v.volume = ParseNumber(w[6], "VOL");
        ApplyKeys(w, 7, v);
        if (v.f0 <= 0 || v.f1 <= 0 || v.start < 0 || v.duration <= 0)
          throw std::runtime_error("frequencies and duration must be positive");
        open->voices.push_back(v);
      } else if (w[0] == "seq") {
        if (w.size() < 7) throw std::runtime_error("expected: seq WAVE START STEP DUR VOL NOTE...");
        Voice base;
        base.wave = ParseWave(w[1]);
        double start = ParseNumber(w[2], "START"), step = ParseNumber(w[3], "STEP");
        base.duration = ParseNumber(w[4], "DUR");
        base.volume = ParseNumber(w[5], "VOL");
        size_t keys = 6;
        while (keys < w.size() && w[keys].find('=') == std::string_view::npos) ++keys;
        ApplyKeys(w, keys, base);
        if (base.duration <= 0 || step < 0 || start < 0) throw std::runtime_error("bad timing");
        for (size_t i = 6; i < keys; ++i) {
          if (w[i] != "-") {
            Voice v = base;
            v.f0 = v.f1 = NoteFrequency(w[i]);
            v.start = start + step * double(i - 6);
            open->voices.push_back(v);
          }
        }
      } else {
        throw std::runtime_error("unknown line");
      }
    } catch (const std::exception& e) {
      throw std::runtime_error("sounds line " + std::to_string(lineNo) + ": " + e.what());
    }
  });
  if (open) throw std::runtime_error("sounds line " + std::to_string(openLine) + ": no end");
  return out;
}

std::vector<SoundRecipe> LoadSoundRecipes(const std::filesystem::path& dir) {
  std::vector<SoundRecipe> recipes;
  for (const auto& f : TextFilesIn(dir)) {
    try {
      for (auto& r : ParseSounds(ReadFile(f))) recipes.push_back(std::move(r));
    } catch (const std::exception& e) {
      throw std::runtime_error(f.filename().string() + ": " + e.what());
    }
  }
  return recipes;
}

std::string Synthesize(const SoundRecipe& r) {
  double end = 0;
  for (const auto& v : r.voices) end = std::max(end, v.start + v.duration);
  size_t frames = static_cast<size_t>(std::ceil(end * r.rate));
  std::vector<double> left(frames), right(frames);
  for (const auto& v : r.voices) Render(v, r.rate, left, right);
  double loudest = 0;
  for (size_t i = 0; i < frames; ++i) {
    loudest = std::max(loudest, std::abs(r.channels == 1 ? (left[i] + right[i]) / 2 : left[i]));
    if (r.channels == 2) loudest = std::max(loudest, std::abs(right[i]));
  }
  const double gain = loudest > 0 ? r.peak / loudest : 0;

  const uint32_t blockAlign = static_cast<uint32_t>(r.channels * r.bits / 8);
  const uint32_t dataBytes = static_cast<uint32_t>(frames) * blockAlign;
  std::string out;
  out.reserve(44 + dataBytes + 1);
  out += "RIFF";
  Put32(out, 36 + dataBytes + (dataBytes & 1));
  out += "WAVEfmt ";
  Put32(out, 16);
  Put16(out, 1);  // PCM
  Put16(out, static_cast<uint32_t>(r.channels));
  Put32(out, static_cast<uint32_t>(r.rate));
  Put32(out, static_cast<uint32_t>(r.rate) * blockAlign);
  Put16(out, blockAlign);
  Put16(out, static_cast<uint32_t>(r.bits));
  out += "data";
  Put32(out, dataBytes);
  const size_t header = out.size();
  out.resize(header + dataBytes);
  auto* sample = reinterpret_cast<unsigned char*>(out.data() + header);
  for (size_t i = 0; i < frames; ++i) {
    const double mono = (left[i] + right[i]) / 2;
    for (int c = 0; c < r.channels; ++c) {
      const double s =
          std::clamp(gain * (r.channels == 1 ? mono : (c == 0 ? left[i] : right[i])), -1.0, 1.0);
      if (r.bits == 8) {
        *sample++ = static_cast<unsigned char>(RoundHalfAway(128 + s * 127));
      } else {
        const auto word = static_cast<uint16_t>(RoundHalfAway(s * 32767));
        *sample++ = static_cast<unsigned char>(word & 0xFF);
        *sample++ = static_cast<unsigned char>(word >> 8);
      }
    }
  }
  if (dataBytes & 1) out.push_back(0);  // chunks are padded to even sizes
  return out;
}

std::optional<WaveInfo> ReadWaveInfo(std::string_view b) {
  if (b.size() < 12 || b.substr(0, 4) != "RIFF" || b.substr(8, 4) != "WAVE") return std::nullopt;
  std::optional<WaveInfo> info;
  bool haveFormat = false;
  size_t at = 12;
  while (at + 8 <= b.size()) {
    std::string_view id = b.substr(at, 4);
    uint32_t size = Get32(b, at + 4);
    if (size > b.size() - at - 8) return std::nullopt;
    if (id == "fmt ") {
      if (size < 16 || Get16(b, at + 8) != 1) return std::nullopt;
      WaveInfo w;
      w.channels = static_cast<int>(Get16(b, at + 10));
      w.rate = static_cast<int>(Get32(b, at + 12));
      w.bits = static_cast<int>(Get16(b, at + 22));
      uint32_t align = static_cast<uint32_t>(w.channels * w.bits / 8);
      if (w.channels < 1 || w.rate < 1 || (w.bits != 8 && w.bits != 16) ||
          Get16(b, at + 20) != align || Get32(b, at + 16) != align * static_cast<uint32_t>(w.rate))
        return std::nullopt;
      info = w;
      haveFormat = true;
    } else if (id == "data") {
      if (!haveFormat) return std::nullopt;
      info->dataBytes = size;
      return info;
    }
    at += 8 + size + (size & 1);
  }
  return std::nullopt;
}

}  // namespace pp::datagen
