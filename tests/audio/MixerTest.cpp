// The mixer session: queues, mixing, positions, remixing, flushing and its error messages.

#include <gtest/gtest.h>

#include <memory>

#include "AudioTestSupport.h"
#include "audio/MixerError.h"
#include "audio/WaveMixer.h"

namespace pp {
namespace {

using test::FlatWave;
using test::ManualDevice;

constexpr const char* kFastSettings = "[default]\nGoodWavePos=1\nWaveBlockLen=512\nWaveBlocks=2\n";

class MixerTest : public ::testing::Test {
 protected:
  void Create(std::string_view ini = kFastSettings) {
    mixer = std::make_unique<WaveMixer>(
        [this](const AudioFormat& f) -> std::unique_ptr<AudioDevice> {
          ++opened;
          lastFormat = f;
          auto d = std::make_unique<ManualDevice>();
          d->name = deviceName;
          d->synchronous = synchronous;
          device = d.get();
          return d;
        },
        [this] { return nowMs; }, ini);
    session = mixer->WaveMixInit();
  }
  void Start(std::string_view ini = kFastSettings) {
    Create(ini);
    mixer->MixerOpenChannel(session, 8, kOpenChannelCount);
    mixer->WaveMixActivate(session, true);
  }
  const Wave* Load(const std::vector<uint8_t>& image) {
    return mixer->MixerOpenWave(session, "mem", kOpenMemory, image);
  }
  void Play(int32_t channel, const Wave* wave, uint32_t flags = 0, uint16_t loops = 0,
            WaveDoneNotify notify = {}) {
    PlayParams p;
    p.session = session;
    p.channel = channel;
    p.wave = wave;
    p.flags = flags;
    p.loops = loops;
    p.notify = std::move(notify);
    mixer->WaveMixPlay(&p);
  }
  // Lets the device play block after block, pumping after each, until `n` samples were heard
  // or nothing more is queued.
  const std::vector<uint8_t>& Hear(size_t n) {
    while (device->heard.size() < n && !device->queued.empty()) {
      device->FinishBlock();
      mixer->MixerPump();
    }
    return device->heard;
  }
  void ExpectError(const std::function<void()>& f, const std::string& text) {
    try {
      f();
      ADD_FAILURE() << "no error, expected: " << text;
    } catch (const MixerError& e) {
      EXPECT_EQ(e.what(), text);
    }
  }

  std::unique_ptr<WaveMixer> mixer;
  ManualDevice* device = nullptr;
  MixSession session = 0;
  int64_t nowMs = 0;
  int opened = 0;
  AudioFormat lastFormat;
  std::string deviceName = "Test Device";
  bool synchronous = false;
};

// Counts of `value` in out[from, to).
size_t CountOf(const std::vector<uint8_t>& out, size_t from, size_t to, uint8_t value) {
  size_t n = 0;
  for (size_t i = from; i < to && i < out.size(); ++i) n += out[i] == value;
  return n;
}

TEST_F(MixerTest, SoundsOnOneChannelFollowEachOtherAndEndOneSampleShort) {
  Start();
  const Wave* a = Load(FlatWave(2000, 200));
  const Wave* b = Load(FlatWave(300, 50));
  Play(0, a);
  Play(0, b);  // the mix is at 1024, before a ends at 1999: b follows a directly
  const auto& out = Hear(3072);
  ASSERT_GE(out.size(), 2560u);
  EXPECT_EQ(CountOf(out, 0, 1999, 200), 1999u);
  EXPECT_EQ(CountOf(out, 1999, 1999 + 299, 50), 299u);
  EXPECT_EQ(CountOf(out, 1999 + 299, out.size(), 128), out.size() - 1999 - 299);
}

TEST_F(MixerTest, ASoundQueuedLateStartsAfterWhatTheDeviceHolds) {
  Start();
  Play(0, Load(FlatWave(100, 200)));
  EXPECT_EQ(device->queued.size(), 1u);  // nothing to mix in the second block
  Play(0, Load(FlatWave(100, 60)));      // queued behind the block already written
  const auto& out = Hear(1024);
  ASSERT_EQ(out.size(), 1024u);
  EXPECT_EQ(CountOf(out, 0, 99, 200), 99u);
  EXPECT_EQ(CountOf(out, 99, 512, 128), 512u - 99);
  EXPECT_EQ(CountOf(out, 512, 611, 60), 99u);
}

TEST_F(MixerTest, ChannelsAreSummedAboutTheMiddleAndClamped) {
  Start();
  Play(0, Load(FlatWave(600, 200)), kPlayWait);  // held so that all three start together
  Play(1, Load(FlatWave(300, 100)), kPlayWait);
  Play(2, Load(FlatWave(100, 250)));
  const auto& out = Hear(1024);
  EXPECT_EQ(out[0], 255);    // 128 + 72 - 28 + 122 clamps
  EXPECT_EQ(out[150], 172);  // 128 + 72 - 28
  EXPECT_EQ(out[400], 200);  // a single source is copied
  EXPECT_EQ(out[700], 128);
}

TEST_F(MixerTest, EightChannelsAtTheLimits) {
  for (uint8_t v : {uint8_t{255}, uint8_t{0}, uint8_t{128}}) {
    SCOPED_TRACE(int{v});
    Start();
    for (int c = 0; c < 8; ++c) Play(c, Load(FlatWave(400, v)), c < 7 ? kPlayWait : 0);
    const auto& out = Hear(512);
    EXPECT_EQ(CountOf(out, 0, 399, v), 399u);
    mixer->MixerCloseSession(session);
  }
}

TEST_F(MixerTest, TwoSourcesNeverWrapPastTheEnds) {
  Start();
  std::vector<uint8_t> ramp(512);
  for (size_t i = 0; i < ramp.size(); ++i) ramp[i] = static_cast<uint8_t>(i);
  Play(0, Load(test::MakeWave(ramp)), kPlayWait);
  Play(1, Load(test::MakeWave(ramp)));
  const auto& out = Hear(512);
  for (size_t i = 0; i < 511; ++i) {
    int expected = std::clamp(128 + 2 * (int(i % 256) - 128), 0, 255);
    ASSERT_EQ(out[i], expected) << i;
  }
}

TEST_F(MixerTest, LoopingPlaysWrapAroundTheWave) {
  Start();
  std::vector<uint8_t> three{10, 20, 30};
  Play(0, Load(test::MakeWave(three)), 0, 2);  // three passes: 9 samples, the last one dropped
  const auto& out = Hear(512);
  std::vector<uint8_t> head(out.begin(), out.begin() + 9);
  EXPECT_EQ(head, (std::vector<uint8_t>{10, 20, 30, 10, 20, 30, 10, 20, 128}));
}

TEST_F(MixerTest, PumpRetiresPlaysOnceHeardAndNotifies) {
  Start();
  std::vector<std::pair<int32_t, const Wave*>> done;
  const Wave* w = Load(FlatWave(700, 90));
  Play(3, w, 0, 0, [&](int32_t c, const Wave* x) { done.emplace_back(c, x); });
  EXPECT_TRUE(mixer->IsWaveQueued(w));
  device->FinishBlock();
  mixer->MixerPump();
  EXPECT_TRUE(done.empty());  // heard up to 512, the play ends at 699
  Hear(1024);
  ASSERT_EQ(done.size(), 1u);
  EXPECT_EQ(done[0], std::make_pair(3, w));
  EXPECT_FALSE(mixer->IsWaveQueued(w));
}

TEST_F(MixerTest, ClockPositionsWhenTheDeviceCountIsNotTrusted) {
  Start("[default]\nWaveBlockLen=512\nWaveBlocks=2\n");
  const Wave* w = Load(FlatWave(700, 90));
  Play(0, w);
  device->FinishBlock();
  nowMs = 50;  // 551 samples: not yet past the end
  mixer->MixerPump();
  EXPECT_TRUE(mixer->IsWaveQueued(w));
  nowMs = 64;  // 705 samples
  mixer->MixerPump();
  EXPECT_FALSE(mixer->IsWaveQueued(w));
}

TEST_F(MixerTest, TimelineRestartsWhenNothingIsQueued) {
  Start();
  Play(0, Load(FlatWave(100, 200)));
  Hear(512);
  mixer->MixerPump();
  EXPECT_EQ(mixer->MixPosition(), 512);
  Play(0, Load(FlatWave(100, 70)));
  EXPECT_EQ(mixer->MixPosition(), 512);  // restarted at 0, one block mixed
  EXPECT_EQ(device->queued.size(), 1u);
  EXPECT_EQ(device->queued[0][0], 70);
}

TEST_F(MixerTest, FreeingAQueuedWaveRemovesItsPlaysFirst) {
  Start();
  const Wave* a = Load(FlatWave(5000, 220));
  const Wave* b = Load(FlatWave(5000, 100));
  Play(0, a, kPlayWait);
  Play(1, b);
  mixer->MixerFreeWave(session, a);
  EXPECT_FALSE(mixer->IsWaveQueued(a));
  const auto& out = Hear(2048);
  EXPECT_EQ(out[0], 192);     // mixed before the free
  EXPECT_EQ(out[1500], 100);  // mixed after: a is gone
  ExpectError([&] { mixer->MixerFreeWave(session, a); }, "The given pointer was not valid");
  ExpectError([&] { Play(0, a); }, "The given pointer was not valid");
}

TEST_F(MixerTest, FlushRemixesFromTheDevicePositionInMode1) {
  Start();
  Play(0, Load(FlatWave(5000, 220)), kPlayWait);
  Play(1, Load(FlatWave(5000, 100)));
  device->FinishBlock();
  mixer->MixerPump();
  mixer->MixerFlushChannel(session, 0, 0);
  EXPECT_EQ(device->resets, 1);
  ASSERT_EQ(device->queued.size(), 2u);
  EXPECT_EQ(device->queued[0][0], 100);  // re-mixed from 512 without channel 0
  EXPECT_EQ(mixer->MixPosition(), 512 + 1024);
}

TEST_F(MixerTest, FlushInMode2LeavesTheDeviceAlone) {
  Start(std::string(kFastSettings) + "Remix=2\n");
  Play(0, Load(FlatWave(5000, 220)));
  mixer->MixerFlushChannel(session, 0, 0);
  EXPECT_EQ(device->resets, 0);
  EXPECT_EQ(device->queued.size(), 2u);
  Hear(1024);
  EXPECT_TRUE(device->queued.empty());  // nothing more to mix
}

TEST_F(MixerTest, ClearQueueWhileBlocksArePlayingRemixes) {
  Start();
  Play(0, Load(FlatWave(5000, 220)));
  Play(0, Load(FlatWave(5000, 30)), kPlayClearQueue);
  EXPECT_EQ(device->resets, 1);
  ASSERT_EQ(device->queued.size(), 2u);
  EXPECT_EQ(device->queued[0][0], 30);  // mixed afresh from the old mix position
  EXPECT_EQ(device->pauses, device->restarts);
}

TEST_F(MixerTest, HighPriorityOnAnIdleChannel) {
  // Mode 1 re-mixes from the device position; mode 2 moves the play to the mix position.
  Start();
  Play(0, Load(FlatWave(5000, 220)));
  device->FinishBlock();
  mixer->MixerPump();  // device at 512, mix at 1536
  Play(1, Load(FlatWave(5000, 100)), kPlayHighPriority);
  EXPECT_EQ(device->resets, 1);
  EXPECT_EQ(device->queued[0][0], 192);
  mixer->MixerCloseSession(session);

  Start(std::string(kFastSettings) + "Remix=2\n");
  Play(0, Load(FlatWave(5000, 220)));
  device->FinishBlock();
  mixer->MixerPump();
  Play(1, Load(FlatWave(5000, 100)), kPlayHighPriority);
  EXPECT_EQ(device->resets, 0);
  ASSERT_EQ(device->queued.size(), 2u);
  EXPECT_EQ(device->queued[0][0], 220);  // already at the device
  Hear(2048);
  EXPECT_EQ(device->heard[1536], 192);   // the late play starts at the mix position
}

TEST_F(MixerTest, WaitHoldsPlaysUntilTheNextOne) {
  Start();
  Play(0, Load(FlatWave(300, 200)), kPlayWait);
  EXPECT_TRUE(device->queued.empty());
  Play(1, Load(FlatWave(300, 100)));
  ASSERT_EQ(device->queued.size(), 1u);
  EXPECT_EQ(device->queued[0][0], 172);
}

TEST_F(MixerTest, LeastRecentlyUsedTakesAnIdleChannel) {
  Create();
  mixer->MixerOpenChannel(session, 3, kOpenChannelCount);
  mixer->WaveMixActivate(session, true);
  const Wave* w = Load(FlatWave(5000, 140));
  for (int i = 0; i < 3; ++i) Play(7, w, kPlayUseLru);
  int32_t fourth = -1;
  // All busy: the least recently stamped, channel 0, queues the fourth play.
  Play(7, Load(FlatWave(100, 140)), kPlayUseLru, 0, [&](int32_t c, const Wave*) { fourth = c; });
  Hear(6144);
  EXPECT_EQ(device->heard[1100], 128 + 3 * 12);
  EXPECT_EQ(fourth, 0);
  ExpectError([&] { Play(7, w); }, "The specified channel was not open");
}

TEST_F(MixerTest, TheNinetyNinthRequestHasNoRoom) {
  Start();
  const Wave* w = Load(FlatWave(100, 140));
  for (int i = 0; i < 98; ++i) Play(i % 8, w);
  ExpectError([&] { Play(0, w); }, "Not enough memory");
}

TEST_F(MixerTest, PlayChecksInOrder) {
  Create();
  const Wave* w = Load(FlatWave(10, 1));
  ExpectError([&] { mixer->WaveMixPlay(nullptr); },
              "nil parameters pointer passed to WaveMixPlay");
  ExpectError([&] { Play(0, nullptr); }, "nil wave pointer passed to WaveMixPlay!");
  ExpectError([&] { Play(0, w); },
              "Wave device not allocated, call WaveMixActivate(hMixSession,TRUE)");
  mixer->WaveMixActivate(session, true);
  ExpectError([&] { Play(0, w); }, "You must open a channel before you can play a wave");
  mixer->MixerOpenChannel(session, 2, kOpenOneChannel);
  ExpectError([&] { Play(0, w); }, "The specified channel was not open");
  ExpectError([&] { Play(8, w); }, "Invalid channel number");
  PlayParams stale;
  stale.session = session + 1;
  stale.wave = w;
  ExpectError([&] { mixer->WaveMixPlay(&stale); }, "Invalid Session handle");
}

TEST_F(MixerTest, ChannelOperationsAndTheirMessages) {
  Create();
  ExpectError([&] { mixer->MixerOpenChannel(session, 0, 3); }, "Invalid Flags");
  ExpectError([&] { mixer->MixerOpenChannel(session, 8, kOpenOneChannel); },
              "Invalid channel number");
  ExpectError([&] { mixer->MixerOpenChannel(session, 9, kOpenChannelCount); },
              "Invalid number of channels");
  ExpectError([&] { mixer->MixerOpenChannel(session, 0, kOpenChannelCount); },
              "Invalid number of channels");
  mixer->MixerOpenChannel(session, 4, kOpenOneChannel);
  ExpectError([&] { mixer->MixerOpenChannel(session, 4, kOpenOneChannel); },
              "The channel has already been opened");
  mixer->MixerOpenChannel(session, 0, kOpenAllChannels);  // skips channel 4 quietly
  mixer->MixerCloseChannel(session, 4, false);
  ExpectError([&] { mixer->MixerCloseChannel(session, 4, false); },
              "The specified channel was not open");
  ExpectError([&] { mixer->MixerFlushChannel(session, -1, 0); }, "Invalid channel number");
  mixer->MixerCloseChannel(session, 0, true);
  mixer->WaveMixActivate(session, true);
  ExpectError([&] { Play(0, Load(FlatWave(10, 1))); },
              "You must open a channel before you can play a wave");
  ExpectError([&] { mixer->MixerFreeWave(session, nullptr); }, "The given pointer was not valid");
}

TEST_F(MixerTest, SessionLifecycle) {
  Create();
  ExpectError([&] { mixer->WaveMixInit(); }, "Session already initialized");
  MixSession first = session;
  mixer->MixerCloseSession(session);
  ExpectError([&] { mixer->WaveMixActivate(first, true); }, "Invalid Session handle");
  session = mixer->WaveMixInit();
  EXPECT_NE(session, first);
}

TEST_F(MixerTest, DeactivationKeepsThePosition) {
  Start();
  Play(0, Load(FlatWave(5000, 200)));
  device->FinishBlock();
  mixer->WaveMixActivate(session, false);
  EXPECT_EQ(mixer->Device(), nullptr);
  mixer->WaveMixActivate(session, true);
  EXPECT_EQ(opened, 2);
  EXPECT_EQ(mixer->MixPosition(), 512 + 1024);  // refilled from 512 on the new device
  EXPECT_EQ(device->queued[0][0], 200);
}

TEST_F(MixerTest, DevicesTheMixerRefuses) {
  deviceName = "Slow Card";
  synchronous = true;
  ExpectError([&] { Create(); },
              "Slow Card is a syncronous (blocking) wave output device.  This will not permit "
              "audio to play while other applications are running");
  synchronous = false;
  ExpectError([&] { Create("[not compatible]\nslow card=1\n"); },
              "Slow Card is not compatible with the realtime wavemixer");
  mixer = std::make_unique<WaveMixer>([](const AudioFormat&) { return nullptr; },
                                      [] { return int64_t{0}; }, "");
  ExpectError([&] { mixer->WaveMixInit(); }, "No wave output devices available");
}

TEST_F(MixerTest, TheDeviceSectionChoosesTheFormat) {
  deviceName = "Card";
  Create("[default]\nSamplesPerSec=11\n[Card]\nSamplesPerSec=22\n");
  EXPECT_EQ(opened, 1);
  mixer->WaveMixActivate(session, true);
  EXPECT_EQ(opened, 2);  // reopened in the device's own format
  EXPECT_EQ(lastFormat.sampleRate, 22050);
  EXPECT_EQ(mixer->Settings().blockLength, 4096);
}

TEST_F(MixerTest, AFailedWriteFreesTheBlock) {
  Start();
  const Wave* w = Load(FlatWave(5000, 200));
  device->failWrites = true;
  ExpectError([&] { Play(0, w); }, "Failed to write block to device");
  EXPECT_EQ(device->pauses, device->restarts);
  device->failWrites = false;
  mixer->MixerPump();  // the block is free again and the play still queued
  EXPECT_EQ(device->queued.size(), 2u);
}

}  // namespace
}  // namespace pp
