// Reading WAVE images and converting them to the session format.

#include <gtest/gtest.h>

#include "AudioTestSupport.h"
#include "audio/MixerError.h"
#include "audio/WaveConvert.h"
#include "audio/WaveFile.h"

namespace pp {
namespace {

using namespace pp::test;

std::string ReadError(const std::vector<uint8_t>& image) {
  try {
    ReadWaveImage(image);
  } catch (const MixerError& e) {
    return e.what();
  }
  return "";
}

std::string ConvertError(const AudioFormat& from, const std::vector<uint8_t>& data,
                         const AudioFormat& to) {
  try {
    ConvertWave(from, data, to);
  } catch (const MixerError& e) {
    return e.what();
  }
  return "";
}

TEST(WaveFile, EachFlawHasItsMessage) {
  std::vector<uint8_t> samples{1, 2, 3};
  auto good = MakeWave(samples);
  EXPECT_EQ(ReadError({}), "This is not a WAVE file");
  EXPECT_EQ(ReadError({'R', 'I', 'F', 'F', 4, 0, 0, 0, 'A', 'V', 'I', ' '}),
            "This is not a WAVE file");
  EXPECT_EQ(ReadError(Riff({})), "WAVE file is corrupted");

  std::vector<uint8_t> shortFmt;
  PutChunk(shortFmt, "fmt ", {1, 0, 1, 0, 0x11, 0x2B, 0, 0});
  EXPECT_EQ(ReadError(Riff(shortFmt)), "Failed to read format chunk");
  EXPECT_EQ(ReadError(std::vector<uint8_t>(good.begin(), good.begin() + 30)),
            "Failed to read format chunk");

  EXPECT_EQ(ReadError(MakeWave(samples, 11025, 1, 8, 3)), "The file is not a PCM file");
  EXPECT_EQ(ReadError(MakeWave(samples, 11025, 2, 24, 0xFFFE)), "The file is not a PCM file");

  std::vector<uint8_t> noData;
  PutChunk(noData, "fmt ", FmtBody(1, 1, 11025, 8));
  EXPECT_EQ(ReadError(Riff(noData)), "WAVE file has no data chunk");
  EXPECT_EQ(ReadError(MakeWave({})), "The data chunk has no data");

  auto truncated = good;
  truncated.pop_back();  // the pad byte
  truncated.pop_back();  // the last sample
  EXPECT_EQ(ReadError(truncated), "Failed to read data chunk");
  auto oversized = good;
  oversized[40] = 0xFF;  // data size far beyond the file
  oversized[43] = 0x7F;
  EXPECT_EQ(ReadError(oversized), "Failed to read data chunk");
}

TEST(WaveFile, ChunkOrderAndExtraChunks) {
  std::vector<uint8_t> samples{7, 8, 9, 10, 11};
  std::vector<uint8_t> chunks;
  PutChunk(chunks, "LIST", {'I', 'N', 'F', 'O', 'x'});  // odd size: padded
  PutChunk(chunks, "fmt ", FmtBody(1, 1, 22050, 8));
  PutChunk(chunks, "fact", {0, 0, 0, 0});
  PutChunk(chunks, "data", samples);
  auto image = Riff(chunks);
  WaveImage w = ReadWaveImage(image);  // points into `image`
  EXPECT_EQ(w.format.samplesPerSec, 22050u);
  EXPECT_EQ(std::vector<uint8_t>(w.data.begin(), w.data.end()), samples);

  // The data chunk is sought only after the format chunk, as the mixer always did.
  std::vector<uint8_t> dataFirst;
  PutChunk(dataFirst, "data", samples);
  PutChunk(dataFirst, "fmt ", FmtBody(1, 1, 11025, 8));
  EXPECT_EQ(ReadError(Riff(dataFirst)), "WAVE file has no data chunk");

  // A longer format chunk (WAVEFORMATEX with its extra size) is fine.
  std::vector<uint8_t> longFmt;
  auto fmt = FmtBody(1, 1, 11025, 8);
  fmt.insert(fmt.end(), {0, 0});
  PutChunk(longFmt, "fmt ", fmt);
  PutChunk(longFmt, "data", samples);
  EXPECT_EQ(ReadWaveImage(Riff(longFmt)).data.size(), samples.size());
}

const AudioFormat kSession{11025, 1, 8};

TEST(WaveConvert, SixteenBitStereoAt22050IntoTheSession) {
  // Frames (left, right) as signed 16-bit samples.
  std::vector<int16_t> frames{0x1234, -0x0100, 0x7FFF, 0x7FFF, -0x8000, 0x0000,
                              0x0A00, 0x0C00,  0x0100, 0x0300, -0x0200, 0x4000};
  std::vector<uint8_t> data;
  for (int16_t s : frames) PutLe(data, static_cast<uint16_t>(s), 2);
  // Bits: high byte + 128 -> (146, 127) (255, 255) (0, 128) (138, 140) (129, 131) (126, 192)
  // Channels: floor average -> 136 255 64 139 130 159
  // Rate: pairs about 128, toward zero -> 128 + (8 + 127) / 2 = 195, 128 + (-64 + 11) / 2 = 102,
  // and the last output frame copies the next source frame, 130.
  auto out = ConvertWave({22050, 2, 16}, data, kSession);
  EXPECT_EQ(out, (std::vector<uint8_t>{195, 102, 130}));
}

TEST(WaveConvert, RatesByWholeFactors) {
  // Up by 2: steps of (next - current) / 2 toward zero; the last frame is held.
  EXPECT_EQ(ConvertWave({11025, 1, 8}, std::vector<uint8_t>{100, 105, 90}, {22050, 1, 8}),
            (std::vector<uint8_t>{100, 102, 105, 98, 90, 90}));
  // Down by 4 from 44100 (frames 10 / 4 = 2 output frames).
  std::vector<uint8_t> ten{100, 101, 102, 104, 200, 1, 2, 3, 4, 5};
  // (-28 - 27 - 26 - 24) / 4 is -26 toward zero (not -27).
  EXPECT_EQ(ConvertWave({44100, 1, 8}, ten, kSession), (std::vector<uint8_t>{102, 200}));
  // A rate that is no whole multiple rounds to the nearest factor: 48000 -> 4.
  EXPECT_EQ(ConvertWave({48000, 1, 8}, ten, kSession).size(), 2u);
  // 16000 Hz is factor 1: the samples pass unchanged (and play fast, as they always did).
  EXPECT_EQ(ConvertWave({16000, 1, 8}, ten, kSession), ten);
}

TEST(WaveConvert, WideningSteps) {
  std::vector<uint8_t> mono{0, 128, 255};
  auto out = ConvertWave({11025, 1, 8}, mono, {11025, 2, 16});
  std::vector<uint8_t> expected;
  for (int v : {-32768, -32768, 0, 0, 32512, 32512}) PutLe(expected, static_cast<uint16_t>(v), 2);
  EXPECT_EQ(out, expected);
}

TEST(WaveConvert, UnsupportedOrEmptyResults) {
  std::vector<uint8_t> data(30, 1);
  EXPECT_EQ(ConvertError({11025, 1, 24}, data, kSession), "File format not supported");
  EXPECT_EQ(ConvertError({11025, 1, 4}, data, kSession), "File format not supported");
  EXPECT_EQ(ConvertError({11025, 6, 8}, data, kSession), "File format not supported");
  EXPECT_EQ(ConvertError({11025, 2, 16}, {1, 2, 3}, kSession), "Failed to convert wave format");
  EXPECT_EQ(ConvertError({44100, 1, 8}, {1, 2, 3}, kSession), "Failed to convert wave format");
  EXPECT_EQ(ConvertError({0, 1, 8}, data, kSession), "Failed to convert wave format");
  // A tiny rate would need an enormous wave: refused, not attempted.
  EXPECT_EQ(ConvertError({1, 1, 8}, std::vector<uint8_t>(100000, 1), {44100, 1, 8}),
            kMixerOutOfMemory);
}

}  // namespace
}  // namespace pp
