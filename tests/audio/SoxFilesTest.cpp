// Wave files this project did not write: made by sox at test time in several formats, loaded
// through the mixer from disk.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "AudioTestSupport.h"
#include "audio/MixerError.h"
#include "audio/WaveMixer.h"

namespace pp {
namespace {

namespace fs = std::filesystem;

bool HaveSox() { return std::system("sox --version > /dev/null 2>&1") == 0; }

class SoxFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HaveSox()) GTEST_SKIP() << "sox is not installed (Debian package sox)";
    dir = fs::temp_directory_path() /
          ("pp-sox-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir);
    mixer = std::make_unique<WaveMixer>(
        [](const AudioFormat&) { return std::make_unique<test::ManualDevice>(); },
        [] { return int64_t{0}; }, "");
    session = mixer->WaveMixInit();
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dir, ec);
  }
  // A 30 ms sine sweep made by sox with the given output options.
  fs::path Make(const std::string& name, const std::string& options) {
    fs::path p = dir / name;
    std::string cmd = "sox -n " + options + " '" + p.string() + "' synth 0.03 sine 300-2000 2>&1";
    EXPECT_EQ(std::system(cmd.c_str()), 0) << cmd;
    return p;
  }
  const Wave* Load(const fs::path& p) { return mixer->MixerOpenWave(session, p.string(), 0); }
  std::string LoadError(const fs::path& p) {
    try {
      Load(p);
    } catch (const MixerError& e) {
      return e.what();
    }
    return "";
  }
  // The samples of the file's data chunk, found by looking for its name.
  static std::vector<uint8_t> DataOf(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
    const std::string tag = "data";
    auto at = std::search(bytes.begin(), bytes.end(), tag.begin(), tag.end());
    size_t size = at[4] | at[5] << 8 | at[6] << 16 | size_t{at[7]} << 24;
    return std::vector<uint8_t>(at + 8, at + 8 + static_cast<ptrdiff_t>(size));
  }

  fs::path dir;
  std::unique_ptr<WaveMixer> mixer;
  MixSession session = 0;
};

TEST_F(SoxFilesTest, EightBitMonoAtTheSessionRateLoadsAsItIs) {
  auto p = Make("u8.wav", "-r 11025 -b 8 -c 1 -e unsigned-integer");
  EXPECT_EQ(Load(p)->samples, DataOf(p));
  EXPECT_EQ(Load(p)->name, "u8.wav");
}

TEST_F(SoxFilesTest, SixteenBitStereoAt22050) {
  auto p = Make("s16.wav", "-r 22050 -b 16 -c 2 -e signed-integer");
  std::vector<uint8_t> raw = DataOf(p);
  std::vector<int> mono;  // high byte + 128 per channel, then the floor average
  for (size_t i = 0; i + 3 < raw.size(); i += 4) {
    int l = static_cast<int8_t>(raw[i + 1]) + 128, r = static_cast<int8_t>(raw[i + 3]) + 128;
    mono.push_back((l + r) / 2);
  }
  size_t frames = mono.size() / 2;
  std::vector<uint8_t> expected;
  for (size_t j = 0; j + 1 < frames; ++j)
    expected.push_back(static_cast<uint8_t>(128 + (mono[2 * j] - 128 + mono[2 * j + 1] - 128) / 2));
  expected.push_back(static_cast<uint8_t>(mono[2 * (frames - 1)]));
  EXPECT_EQ(Load(p)->samples, expected);
}

TEST_F(SoxFilesTest, OtherAcceptedFormats) {
  auto stereo8 = Make("u8s.wav", "-r 11025 -b 8 -c 2 -e unsigned-integer");
  EXPECT_EQ(Load(stereo8)->samples.size(), DataOf(stereo8).size() / 2);
  auto slow = Make("slow.wav", "-r 5512 -b 8 -c 1 -e unsigned-integer");
  EXPECT_EQ(Load(slow)->samples.size(), DataOf(slow).size() * 2);
  auto fast = Make("fast.wav", "-r 44100 -b 16 -c 1 -e signed-integer");
  EXPECT_EQ(Load(fast)->samples.size(), DataOf(fast).size() / 2 / 4);
}

TEST_F(SoxFilesTest, RefusedFormats) {
  EXPECT_EQ(LoadError(Make("s24.wav", "-r 11025 -b 24 -c 1 -e signed-integer")),
            "The file is not a PCM file");  // sox writes it as an extensible format
  EXPECT_EQ(LoadError(Make("f32.wav", "-r 11025 -b 32 -c 1 -e floating-point")),
            "The file is not a PCM file");
  EXPECT_EQ(LoadError(Make("alaw.wav", "-r 8000 -b 8 -c 1 -e a-law")),
            "The file is not a PCM file");
  EXPECT_EQ(LoadError(Make("adpcm.wav", "-r 11025 -b 4 -c 1 -e ima-adpcm")),
            "The file is not a PCM file");
  EXPECT_EQ(LoadError(Make("quad.wav", "-r 11025 -b 16 -c 4 -e signed-integer")),
            "The file is not a PCM file");
  auto raw = Make("raw.au", "-r 11025 -b 8 -c 1 -e signed-integer");
  EXPECT_EQ(LoadError(raw), "This is not a WAVE file");
  EXPECT_EQ(LoadError(dir / "missing.wav"), "Failed to open wave file " + (dir / "missing.wav").string());
  EXPECT_EQ(LoadError(dir), "Failed to open wave file " + dir.string());
}

}  // namespace
}  // namespace pp
