// WAVEMIX.INI: reading integer keys and the mixer's defaults and limits.

#include <gtest/gtest.h>

#include "audio/MixerSettings.h"

namespace pp {
namespace {

TEST(IniFile, IntegerKeys) {
  IniFile ini(
      "; comment\r\nloose=5\r\n[General]\r\n WaveOutDevice = 12abc \r\nneg=-7\r\nword=yes\r\n"
      "big=99999999999\r\n[general]\r\nWaveOutDevice=3\r\n[broken\nx=1\n");
  EXPECT_EQ(ini.GetInt("general", "waveoutdevice"), 12);  // first occurrence, any case
  EXPECT_EQ(ini.GetInt("GENERAL", "neg"), -7);
  EXPECT_EQ(ini.GetInt("general", "word"), 0);
  EXPECT_EQ(ini.GetInt("general", "big"), 2147483647);
  EXPECT_EQ(ini.GetInt("general", "missing"), std::nullopt);
  EXPECT_EQ(ini.GetInt("", "loose"), std::nullopt);  // before any section
  EXPECT_EQ(ini.GetInt("broken", "x"), 1);
}

TEST(MixerSettings, DefaultsWithoutAFile) {
  MixerSettings s = ReadMixerSettings(IniFile(), "Any Device");
  EXPECT_EQ(s.remixMode, 1);
  EXPECT_FALSE(s.goodWavePos);
  EXPECT_EQ(s.blockCount, 3);
  EXPECT_EQ(s.blockLength, 2048);
  EXPECT_EQ(s.sampleRate, 11025);
}

TEST(MixerSettings, LimitsAndTheDeviceSection) {
  auto read = [](const std::string& text) { return ReadMixerSettings(IniFile(text), "Card"); };
  EXPECT_EQ(read("[default]\nWaveBlocks=1\n").blockCount, 2);
  EXPECT_EQ(read("[default]\nWaveBlocks=9\n").blockCount, 6);
  EXPECT_EQ(read("[default]\nWaveBlockLen=1027\n").blockLength, 1024);  // default: multiple of 4
  EXPECT_EQ(read("[Card]\nWaveBlockLen=1027\n").blockLength, 1027);     // device: as given
  EXPECT_EQ(read("[default]\nWaveBlockLen=3\n").blockLength, 2048);     // rounds to 0: automatic
  EXPECT_EQ(read("[default]\nWaveBlockLen=100\n").blockLength, 512);
  EXPECT_EQ(read("[default]\nWaveBlockLen=-8\n").blockLength, 512);
  EXPECT_EQ(read("[default]\nWaveBlockLen=9000\n").blockLength, 4096);
  EXPECT_EQ(read("[default]\nSamplesPerSec=22\n").blockLength, 4096);
  EXPECT_EQ(read("[default]\nSamplesPerSec=44\n").sampleRate, 44100);
  EXPECT_EQ(read("[default]\nSamplesPerSec=48\n").sampleRate, 11025);
  EXPECT_EQ(read("[default]\nRemix=2\n[card]\nRemix=3\n").remixMode, 1);
  EXPECT_EQ(read("[default]\nRemix=1\n[card]\nRemix=2\n").remixMode, 2);
  EXPECT_TRUE(read("[Card]\nGoodWavePos=1\n").goodWavePos);
  EXPECT_FALSE(read("[default]\nGoodWavePos=1\n[Card]\nGoodWavePos=0\n").goodWavePos);
}

TEST(MixerSettings, RefusedDevices) {
  IniFile ini("[not compatible]\nOld Card=1\nNew Card=0\n");
  EXPECT_TRUE(IsDeviceRefused(ini, "old card"));
  EXPECT_FALSE(IsDeviceRefused(ini, "New Card"));
  EXPECT_FALSE(IsDeviceRefused(ini, "Other"));
}

}  // namespace
}  // namespace pp
