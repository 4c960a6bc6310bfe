#include "audio/WaveMixer.h"

#include <algorithm>
#include <array>
#include <deque>
#include <filesystem>
#include <fstream>
#include <limits>
#include <new>

#include "audio/MixerError.h"
#include "audio/SpanMix.h"
#include "audio/WaveConvert.h"
#include "audio/WaveFile.h"

namespace pp {
namespace {

constexpr int32_t kChannelCount = 8;
constexpr size_t kRequestPool = 98;
constexpr size_t kBlocksAllocated = 6;
constexpr size_t kBlockBytes = 4096;
constexpr int64_t kNever = std::numeric_limits<int64_t>::max();
// Largest wave file read; a bigger one is refused as too large to hold.
constexpr uintmax_t kMaxFileBytes = uintmax_t{1} << 28;

struct Request {
  PlayParams params;
  int64_t length = 0;  // samples in the wave
  int64_t start = 0;   // session position of the first sample
  int64_t end = 0;     // start + length * (loops + 1) - 1, or kNever
  bool Loops() const { return params.loops != 0; }
};

struct Channel {
  bool open = false;
  std::deque<Request> queue;
  uint32_t lastPlayed = 0;
};

struct Block {
  std::array<uint8_t, kBlockBytes> data{};
  bool free = true;
  int64_t start = 0;
};

std::vector<uint8_t> ReadWholeFile(std::string_view path) {
  std::error_code ec;
  std::filesystem::path p{std::string(path)};
  uintmax_t size = std::filesystem::file_size(p, ec);
  std::string failed = "Failed to open wave file " + std::string(path);
  if (ec) throw MixerError(failed);
  if (size > kMaxFileBytes) throw MixerError(kMixerOutOfMemory);
  std::ifstream in(p, std::ios::binary);
  if (!in) throw MixerError(failed);
  std::vector<uint8_t> bytes(static_cast<size_t>(size));
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (static_cast<uintmax_t>(in.gcount()) != size) throw MixerError(failed);
  return bytes;
}

}  // namespace

struct WaveMixer::Session {
  MixSession id = 0;
  std::string deviceName;
  MixerSettings settings;
  AudioFormat format;
  std::unique_ptr<AudioDevice> device;  // held from activation to deactivation
  bool activated = false;
  std::array<Channel, kChannelCount> channels;
  int32_t openCount = 0;
  uint32_t playCounter = 0;
  int64_t mixPos = 0;
  int64_t savedPos = 0;
  int64_t startMs = 0;  // clock time of position 0
  int64_t offset = 0;   // position minus the device's played count
  std::vector<Request> pending;
  std::vector<Block> blocks;
  std::deque<size_t> deviceList;  // blocks queued at the device, oldest first
  std::vector<std::unique_ptr<Wave>> waves;
  std::function<int64_t()> nowMs;

  size_t RequestsInUse() const {
    size_t n = pending.size();
    for (const auto& c : channels) n += c.queue.size();
    return n;
  }

  bool OwnsWave(const Wave* w) const {
    return std::any_of(waves.begin(), waves.end(), [w](const auto& p) { return p.get() == w; });
  }

  int64_t Position() {
    if (settings.goodWavePos) return device->PlayedBytes() + offset;
    return (nowMs() - startMs) * format.sampleRate / 1000;
  }

  void Resync(int64_t p) {
    offset = p - device->PlayedBytes();
    startMs = nowMs() - p * 1000 / format.sampleRate;
  }

  Block* FreeBlock() {
    for (size_t i = 0; i < static_cast<size_t>(settings.blockCount); ++i)
      if (blocks[i].free) return &blocks[i];
    return nullptr;
  }

  // Mixes the samples from mixPos on into `b`; false (and nothing mixed) when no open channel
  // has a request still to play.
  bool MixBlock(Block& b) {
    const int64_t blockStart = mixPos;
    const int64_t blockEnd = blockStart + settings.blockLength;
    // Each open channel's active request: the first whose end is after the position.
    struct Active {
      const std::deque<Request>* queue;
      size_t index;
    };
    std::array<Active, kChannelCount> active;
    size_t activeCount = 0;
    for (const Channel& c : channels) {
      if (!c.open) continue;
      size_t i = 0;
      while (i < c.queue.size() && c.queue[i].end <= blockStart) ++i;
      if (i < c.queue.size()) active[activeCount++] = {&c.queue, i};
    }
    if (activeCount == 0) return false;

    int64_t pos = blockStart;
    while (pos < blockEnd) {
      int64_t spanEnd = blockEnd;
      int64_t earliest = kNever;
      std::array<const uint8_t*, kChannelCount> sources;
      size_t sourceCount = 0;
      for (size_t a = 0; a < activeCount; ++a) {
        const Request& r = (*active[a].queue)[active[a].index];
        earliest = std::min(earliest, r.start);
        if (r.start > pos) {
          spanEnd = std::min(spanEnd, r.start);
          continue;
        }
        int64_t offsetInWave = pos - r.start;
        spanEnd = std::min(spanEnd, r.end);
        if (r.Loops()) {
          offsetInWave %= r.length;
          spanEnd = std::min(spanEnd, pos + r.length - offsetInWave);
        }
        sources[sourceCount++] = r.params.wave->samples.data() + offsetInWave;
      }
      uint8_t* out = b.data.data() + (pos - blockStart);
      if (sourceCount == 0) {
        spanEnd = std::min(blockEnd, earliest);
        std::fill(out, out + (spanEnd - pos), uint8_t{128});
      } else {
        MixSpan({out, static_cast<size_t>(spanEnd - pos)}, {sources.data(), sourceCount});
      }
      pos = spanEnd;
      // Finished requests give way to their successors; a channel with none drops out.
      for (size_t a = 0; a < activeCount;) {
        const auto& q = *active[a].queue;
        while (active[a].index < q.size() && q[active[a].index].end <= pos) ++active[a].index;
        if (active[a].index < q.size()) {
          ++a;
        } else {
          active[a] = active[--activeCount];
        }
      }
    }
    b.start = blockStart;
    b.free = false;
    mixPos = blockEnd;
    return true;
  }

  void WriteBlock(Block& b) {
    deviceList.push_back(static_cast<size_t>(&b - blocks.data()));
    if (!device->Write({b.data.data(), static_cast<size_t>(settings.blockLength)})) {
      deviceList.pop_back();
      b.free = true;
      throw MixerError("Failed to write block to device");
    }
  }

  void MixAndWriteFree() {
    while (Block* b = FreeBlock()) {
      if (!MixBlock(*b)) return;
      WriteBlock(*b);
    }
  }

  // Runs `write` with the device paused, restarting it whatever happens.
  template <typename F>
  void WhilePaused(F write) {
    device->Pause();
    try {
      write();
    } catch (...) {
      device->Restart();
      throw;
    }
    device->Restart();
  }

  // Throws away the blocks at the device and mixes afresh from position p.
  void Remix(int64_t p) {
    for (size_t i : deviceList) blocks[i].free = true;
    deviceList.clear();
    mixPos = p;
    std::vector<Block*> fresh;
    while (Block* b = FreeBlock()) {
      if (!MixBlock(*b)) break;
      fresh.push_back(b);
    }
    device->Reset();
    Resync(p);
    WhilePaused([&] {
      for (Block* b : fresh) WriteBlock(*b);
    });
  }

  void DropRequests(auto&& match) {
    for (auto& c : channels) std::erase_if(c.queue, match);
    std::erase_if(pending, match);
  }

  // Puts one request on its channel's queue; true when the output must be re-mixed for it.
  bool Enqueue(Request r) {
    Channel& c = channels[r.params.channel];
    const uint32_t flags = r.params.flags;
    bool remix = false;
    if (flags & kPlayClearQueue) {
      c.queue.clear();
      r.start = (flags & kPlayHighPriority) ? Position() : mixPos;
      remix = !deviceList.empty();
    } else if (flags & kPlayHighPriority) {
      r.start = c.queue.empty() ? Position() : c.queue.back().end;
      remix = r.start < mixPos;
    } else {
      r.start = std::max(c.queue.empty() ? mixPos : c.queue.back().end, mixPos);
    }
    // A play ends one sample before its last, as the mixer has always counted it.
    r.end = r.params.loops == kLoopForever ? kNever : r.start + r.length * (r.params.loops + 1) - 1;
    c.queue.push_back(std::move(r));
    return remix;
  }
};

WaveMixer::WaveMixer(AudioDeviceOpener open, std::function<int64_t()> nowMs,
                     std::string_view settingsText)
    : open_(std::move(open)), nowMs_(std::move(nowMs)), ini_(settingsText) {}

WaveMixer::~WaveMixer() = default;

WaveMixer::Session& WaveMixer::Check(MixSession session) const {
  if (!session_ || session_->id != session) throw MixerError("Invalid Session handle");
  return *session_;
}

const MixerSettings& WaveMixer::Settings() const {
  return session_ ? session_->settings : defaults_;
}

int64_t WaveMixer::MixPosition() const { return session_ ? session_->mixPos : 0; }

AudioDevice* WaveMixer::Device() const {
  return session_ && session_->activated ? session_->device.get() : nullptr;
}

bool WaveMixer::IsWaveQueued(const Wave* wave) const {
  if (!session_) return false;
  auto uses = [wave](const Request& r) { return r.params.wave == wave; };
  if (std::any_of(session_->pending.begin(), session_->pending.end(), uses)) return true;
  return std::any_of(session_->channels.begin(), session_->channels.end(), [&](const Channel& c) {
    return std::any_of(c.queue.begin(), c.queue.end(), uses);
  });
}

MixSession WaveMixer::WaveMixInit() {
  if (session_) throw MixerError("Session already initialized");
  // The device is asked for its name in the format the "default" section gives; its own
  // section may then change the format, and it is opened again in that at activation.
  AudioFormat probeFormat{ReadMixerSettings(ini_, {}).sampleRate, 1, 8};
  std::unique_ptr<AudioDevice> device = open_(probeFormat);
  if (!device) throw MixerError("No wave output devices available");
  std::string name = device->Name().substr(0, 32);
  if (name.empty()) name = "Unknown Device";
  auto s = std::make_unique<Session>();
  s->settings = ReadMixerSettings(ini_, name);
  if (device->IsSynchronous())
    throw MixerError(name + " is a syncronous (blocking) " +
                     "wave output device.  This will not permit audio to play while other " +
                     "applications are running");
  if (IsDeviceRefused(ini_, name))
    throw MixerError(name + " is not compatible with " + "the realtime wavemixer");
  s->deviceName = name;
  s->format = AudioFormat{s->settings.sampleRate, 1, 8};
  if (s->format == probeFormat) s->device = std::move(device);
  s->nowMs = nowMs_;
  if (++lastId_ == 0) ++lastId_;
  s->id = lastId_;
  session_ = std::move(s);
  return session_->id;
}

void WaveMixer::WaveMixActivate(MixSession session, bool on) {
  Session& s = Check(session);
  if (on == s.activated) return;
  if (on) {
    if (!s.device) s.device = open_(s.format);
    if (!s.device) throw MixerError("Failed to open waveform output device #1");
    s.blocks.assign(kBlocksAllocated, Block{});
    s.deviceList.clear();
    s.activated = true;
    s.mixPos = s.savedPos;
    s.Resync(s.savedPos);
    s.MixAndWriteFree();
  } else {
    s.savedPos = s.Position();
    s.device->Reset();
    s.deviceList.clear();
    s.blocks.clear();
    s.device.reset();
    s.activated = false;
  }
}

void WaveMixer::MixerOpenChannel(MixSession session, int32_t n, int32_t mode) {
  Session& s = Check(session);
  if (mode < 0 || mode > kOpenChannelCount) throw MixerError("Invalid Flags");
  int32_t first = 0, last = kChannelCount - 1;
  if (mode == kOpenOneChannel) {
    if (n < 0 || n >= kChannelCount) throw MixerError("Invalid channel number");
    if (s.channels[n].open) throw MixerError("The channel has already been opened");
    first = last = n;
  } else if (mode == kOpenChannelCount) {
    if (n < 1 || n > kChannelCount) throw MixerError("Invalid number of channels");
    last = n - 1;
  }
  for (int32_t c = first; c <= last; ++c) {
    if (s.channels[c].open) continue;
    s.channels[c].open = true;
    ++s.openCount;
  }
}

void WaveMixer::MixerCloseChannel(MixSession session, int32_t channel, bool all) {
  Session& s = Check(session);
  MixerFlushChannel(session, channel, all ? kFlushAll : 0);
  for (int32_t c = 0; c < kChannelCount; ++c) {
    if ((all || c == channel) && s.channels[c].open) {
      s.channels[c].open = false;
      --s.openCount;
    }
  }
}

void WaveMixer::MixerFlushChannel(MixSession session, int32_t channel, uint32_t flags) {
  Session& s = Check(session);
  bool all = flags & kFlushAll;
  if (!all) {
    if (channel < 0 || channel >= kChannelCount) throw MixerError("Invalid channel number");
    if (!s.channels[channel].open) throw MixerError("The specified channel was not open");
  }
  s.DropRequests([&](const Request& r) { return all || r.params.channel == channel; });
  // The delaying mode leaves what the device already holds to play out.
  if (!(flags & kFlushNoRemix) && s.activated && s.settings.remixMode != 2) s.Remix(s.Position());
}

const Wave* WaveMixer::MixerOpenWave(MixSession session, std::string_view source, uint32_t flags,
                                     std::span<const uint8_t> image) {
  Session& s = Check(session);
  try {
    std::vector<uint8_t> fileBytes;
    if (flags & kOpenResource) {
      // This program carries no WAVE resources.
      throw MixerError("Failed to open \"WAVE\" resource " + std::string(source));
    } else if (flags & kOpenMemory) {
      if (image.empty())
        throw MixerError(
            "Failed to open memory file, mmioOpen error=259.\rMay need to make sure memory is "
            "read-write");
    } else {
      fileBytes = ReadWholeFile(source);
      image = fileBytes;
    }
    WaveImage w = ReadWaveImage(image);
    AudioFormat from{static_cast<int32_t>(std::min<uint32_t>(w.format.samplesPerSec,
                                                             std::numeric_limits<int32_t>::max())),
                     w.format.channels, w.format.bitsPerSample};
    auto wave = std::make_unique<Wave>();
    wave->samples = ConvertWave(from, w.data, s.format);
    wave->name = std::filesystem::path(std::string(source)).filename().string().substr(0, 15);
    s.waves.push_back(std::move(wave));
    return s.waves.back().get();
  } catch (const std::bad_alloc&) {
    throw MixerError(kMixerOutOfMemory);
  }
}

void WaveMixer::MixerFreeWave(MixSession session, const Wave* wave) {
  Session& s = Check(session);
  if (!wave || !s.OwnsWave(wave)) throw MixerError("The given pointer was not valid");
  s.DropRequests([wave](const Request& r) { return r.params.wave == wave; });
  std::erase_if(s.waves, [wave](const auto& p) { return p.get() == wave; });
}

void WaveMixer::WaveMixPlay(const PlayParams* params) {
  if (!params) throw MixerError("nil parameters pointer passed to WaveMixPlay");
  Session& s = Check(params->session);
  if (!params->wave) throw MixerError("nil wave pointer passed to WaveMixPlay!");
  if (!s.OwnsWave(params->wave)) throw MixerError("The given pointer was not valid");
  if (!s.activated)
    throw MixerError("Wave device not allocated, call WaveMixActivate(hMixSession,TRUE)");
  if (s.openCount == 0) throw MixerError("You must open a channel before you can play a wave");

  int32_t channel = params->channel;
  if (params->flags & kPlayUseLru) {
    channel = -1;
    for (int32_t c = 0; c < kChannelCount; ++c) {
      if (!s.channels[c].open) continue;
      if (channel < 0 || s.channels[c].lastPlayed < s.channels[channel].lastPlayed) channel = c;
      if (s.channels[c].queue.empty()) {
        channel = c;
        break;
      }
    }
  }
  if (channel < 0 || channel >= kChannelCount) throw MixerError("Invalid channel number");
  s.channels[channel].lastPlayed = ++s.playCounter;
  if (!s.channels[channel].open) throw MixerError("The specified channel was not open");
  if (s.RequestsInUse() >= kRequestPool) throw MixerError("Not enough memory");

  Request r;
  r.params = *params;
  r.params.channel = channel;
  r.length = static_cast<int64_t>(params->wave->samples.size());
  if (params->flags & kPlayWait) {
    s.pending.push_back(std::move(r));
    return;
  }
  std::vector<Request> batch = std::move(s.pending);
  s.pending.clear();
  batch.push_back(std::move(r));

  // With nothing queued anywhere the timeline starts again at 0.
  if (s.deviceList.empty() && std::all_of(s.channels.begin(), s.channels.end(),
                                          [](const Channel& c) { return c.queue.empty(); })) {
    s.mixPos = 0;
    s.Resync(0);
  }
  const int32_t lastChannel = batch.back().params.channel;
  bool remix = false;
  for (auto& q : batch) remix = s.Enqueue(std::move(q)) || remix;
  if (remix) {
    Request& last = s.channels[lastChannel].queue.back();
    if (s.settings.remixMode == 2) {
      int64_t shift = s.mixPos - last.start;
      last.start += shift;
      if (last.end != kNever) last.end += shift;
      MixerPump();
    } else {
      s.Remix(last.start);
    }
  } else if (s.deviceList.empty()) {
    s.WhilePaused([&] { s.MixAndWriteFree(); });
  } else {
    s.MixAndWriteFree();
  }
}

void WaveMixer::MixerPump() {
  if (!session_ || !session_->activated) return;
  Session& s = *session_;
  for (int done = s.device->TakeDoneBlocks(); done > 0 && !s.deviceList.empty(); --done) {
    s.blocks[s.deviceList.front()].free = true;
    s.deviceList.pop_front();
  }
  const int64_t now = s.Position();
  std::vector<std::pair<int32_t, Request>> finished;
  for (int32_t c = 0; c < kChannelCount; ++c) {
    auto& q = s.channels[c].queue;
    while (!q.empty() && q.front().end <= now) {
      if (q.front().params.notify) finished.emplace_back(c, std::move(q.front()));
      q.pop_front();
    }
  }
  s.MixAndWriteFree();
  for (auto& [channel, r] : finished) r.params.notify(channel, r.params.wave);
}

void WaveMixer::MixerCloseSession(MixSession session) {
  Check(session);
  WaveMixActivate(session, false);
  MixerCloseChannel(session, 0, true);
  session_.reset();
}

}  // namespace pp
