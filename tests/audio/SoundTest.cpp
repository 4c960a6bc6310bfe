// The game's sound: start-up, PlayWave, releasing replaced waves, shutdown, and the recording
// of what the device plays (used here to measure the delay from a play to its first sample).

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "AudioTestSupport.h"
#include "audio/SoundSystem.h"
#include "game/Game.h"
#include "game/Sound.h"
#include "platform/NullAudioDevice.h"
#include "support/TestHost.h"

namespace pp {
namespace {

namespace fs = std::filesystem;

// A test host whose audio output plays silently by its clock.
class AudioHost : public TestHost {
 public:
  std::unique_ptr<AudioDevice> OpenAudioDevice(const AudioFormat& f) override {
    ++devicesOpened;
    return std::make_unique<NullAudioDevice>(f, [this] { return nowMs; });
  }
  // One 20 ms timer tick, as the game's event loop handles it.
  void Tick(Game& g) {
    nowMs += 20;
    PumpSound(g);
  }
  int devicesOpened = 0;
};

void WriteFile(const fs::path& p, const std::vector<uint8_t>& bytes) {
  std::ofstream(p, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

class SoundTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("pp-sound-" +
           std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::create_directories(dir / "DAT");  // found whatever its case
    WriteFile(dir / "DAT" / "1.WAV", test::FlatWave(200, 140));
    WriteFile(dir / "DAT" / "moji.wav", test::FlatWave(2000, 160));
    WriteFile(dir / "DAT" / "click.wav", test::FlatWave(500, 250));
    WriteFile(dir / "DAT" / "hum.wav", test::FlatWave(40000, 131));
    fs::copy_file(fs::path(PANIPANI_SOURCE_DIR) / "data/static/dat/WAVEMIX.INI",
                  dir / "DAT" / "wavemix.ini");
    config.dataDir = dir;
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dir, ec);
  }
  std::vector<uint8_t> Recording() const {
    std::ifstream in(config.recordAudioPath, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
    return bytes.size() > 44 ? std::vector<uint8_t>(bytes.begin() + 44, bytes.end())
                             : std::vector<uint8_t>{};
  }

  // Plays click.wav on channel 2 at `playMs` (with hum.wav on channel 1 from the start when
  // `busy`), records the output, and returns the delay in ms from the play to its first sample.
  double ClickDelayMs(int64_t playMs, bool busy) {
    host.nowMs = 0;
    {
      Game g(host, config, 1);
      StartSound(g);
      if (busy) PlayWave(g, 1, "hum.wav");
      while (host.nowMs + 20 <= playMs) host.Tick(g);
      host.nowMs = playMs;
      PlayWave(g, 2, "click.wav");
      for (int i = 0; i < 20; ++i) host.Tick(g);
      StopSound(g);
    }
    auto samples = Recording();
    for (size_t i = 0; i < samples.size(); ++i)
      if (samples[i] >= 200) return static_cast<double>(i) * 1000.0 / 22050 - double(playMs);
    return -1;
  }

  fs::path dir;
  GameConfig config;
  AudioHost host;
};

TEST_F(SoundTest, StartPlayAndStop) {
  Game g(host, config, 1);
  StartSound(g);
  ASSERT_TRUE(g.sound && g.sound->waveMix());
  EXPECT_EQ(g.sound->waveMix()->Channels(), 63);
  EXPECT_TRUE(g.sound->waveMix()->Activated());
  EXPECT_EQ(g.sound->mixer().Settings().sampleRate, 22050);  // the shipped settings
  for (int ch = 0; ch < 6; ++ch) ASSERT_NE(g.sound->channelWave(ch), nullptr);

  const Wave* before = g.sound->channelWave(1);
  PlayWave(g, 1, "nothing.wav");
  EXPECT_EQ(g.sound->channelWave(1), before);  // a failed open keeps the handle
  PlayWave(g, 1, "moji.wav");
  PlayWave(g, 1, "moji.wav");  // queued behind the first
  PlayWave(g, 6, "moji.wav");  // no such channel: traced, not played
  EXPECT_EQ(host.All<SoundEvent>().size(), 4u);
  EXPECT_EQ(host.events.back(), GameEvent(SoundEvent{6, "moji.wav"}));

  // The first moji.wav was replaced while queued: it is freed only once heard.
  ASSERT_EQ(g.sound->replaced().size(), 1u);
  const Wave* firstMoji = g.sound->replaced()[0];
  EXPECT_TRUE(g.sound->mixer().IsWaveQueued(firstMoji));
  for (int i = 0; i < 10; ++i) host.Tick(g);
  EXPECT_TRUE(g.sound->replaced().empty());
  EXPECT_FALSE(g.sound->mixer().IsWaveQueued(firstMoji));

  StopSound(g);
  EXPECT_EQ(g.sound, nullptr);
}

TEST_F(SoundTest, WithoutAnAudioDeviceTheGameIsSilent) {
  TestHost plain;  // opens no device
  Game g(plain, config, 1);
  StartSound(g);
  ASSERT_TRUE(g.sound);
  EXPECT_FALSE(g.sound->waveMix());
  PlayWave(g, 4, "pi.wav");
  PumpSound(g);
  EXPECT_EQ(plain.All<SoundEvent>().size(), 1u);
  StopSound(g);
}

TEST_F(SoundTest, AClickIsHeardWithinATenthOfASecond) {
  config.recordAudioPath = dir / "out.wav";
  double worst = 0;
  for (bool busy : {false, true}) {
    for (int64_t at = 500; at < 620; at += 7) {
      double d = ClickDelayMs(at, busy);
      ASSERT_GT(d, -0.1) << "click not found, busy " << busy << " at " << at;
      worst = std::max(worst, d);
    }
  }
  EXPECT_LT(worst, 100.0);
  std::cout << "[ measure ] worst delay from PlayWave to its first sample: " << worst << " ms\n";
}

TEST_F(SoundTest, TheRecordingKeepsTheGamesTime) {
  config.recordAudioPath = dir / "out.wav";
  {
    Game g(host, config, 1);
    StartSound(g);
    host.nowMs = 1000;  // a second of nothing, then a click
    PlayWave(g, 2, "click.wav");
    for (int i = 0; i < 25; ++i) host.Tick(g);
    SetMute(g, true);  // what is heard goes quiet; what the game sends is still recorded
    PlayWave(g, 2, "click.wav");
    for (int i = 0; i < 25; ++i) host.Tick(g);
    StopSound(g);
  }
  auto samples = Recording();
  EXPECT_EQ(samples.size(), 22050u * 2);  // 2000 ms of the game's time
  EXPECT_EQ(samples[22049], 128);
  EXPECT_EQ(samples[22050], 250);            // the device was idle: no delay at all
  EXPECT_EQ(samples[22050 + 999 - 1], 250);  // 500 samples at 11025 Hz become 1000
  EXPECT_EQ(samples[22050 + 1000], 128);
  EXPECT_EQ(samples[22050 + 11025], 250);  // the muted click, 500 ms later
}

}  // namespace
}  // namespace pp
