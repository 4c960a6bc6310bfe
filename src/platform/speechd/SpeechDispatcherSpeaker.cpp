#include "platform/speechd/SpeechDispatcherSpeaker.h"

#include <dlfcn.h>
#include <pthread.h>

#include <cctype>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdlib>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <string_view>
#include <thread>
#include <utility>

#if __has_include(<speech-dispatcher/libspeechd.h>)
#include <speech-dispatcher/libspeechd.h>
#define PANIPANI_HAVE_LIBSPEECHD 1
#endif

namespace pp {
namespace {

#ifdef PANIPANI_HAVE_LIBSPEECHD

// The few libspeechd functions we call, looked up in the library at run time.
class Library {
 public:
  ~Library() {
    if (handle_) dlclose(handle_);
  }

  // Loads the library; on failure `error` says why.
  bool Load(std::string& error) {
    handle_ = dlopen("libspeechd.so.2", RTLD_NOW | RTLD_LOCAL);
    if (!handle_) {
      const char* why = dlerror();
      error = "libspeechd is not installed (" + std::string(why ? why : "not found") + ")";
      return false;
    }
    if (Bind("spd_open2", open) && Bind("spd_close", close) && Bind("spd_say", say) &&
        Bind("spd_cancel", cancel) && Bind("spd_set_language", setLanguage) &&
        Bind("spd_list_synthesis_voices", listVoices) && Bind("free_spd_voices", freeVoices))
      return true;
    error = "libspeechd lacks the functions it should have";
    return false;
  }

  decltype(&spd_open2) open = nullptr;
  decltype(&spd_close) close = nullptr;
  decltype(&spd_say) say = nullptr;
  decltype(&spd_cancel) cancel = nullptr;
  decltype(&spd_set_language) setLanguage = nullptr;
  decltype(&spd_list_synthesis_voices) listVoices = nullptr;
  decltype(&free_spd_voices) freeVoices = nullptr;

 private:
  template <class F>
  bool Bind(const char* name, F& function) {
    function = reinterpret_cast<F>(dlsym(handle_, name));
    return function != nullptr;
  }

  void* handle_ = nullptr;
};

// Whether the daemon's current output module has a voice whose language is Japanese.
bool HasJapaneseVoice(const Library& lib, SPDConnection* connection) {
  SPDVoice** voices = lib.listVoices(connection);
  if (!voices) return false;
  bool found = false;
  for (SPDVoice** v = voices; *v && !found; ++v) {
    const std::string_view language = (*v)->language ? (*v)->language : "";
    found = language == "ja" || language.starts_with("ja-") || language.starts_with("ja_");
  }
  lib.freeVoices(voices);
  return found;
}

// What the game's thread and the worker share. The worker keeps it alive, so that a daemon that
// stops answering can hold up only the worker, never the game's exit.
struct Channel {
  std::mutex mutex;
  std::condition_variable wake;
  // Lines to say in order, each with its language; nullopt is a cancel.
  std::deque<std::optional<std::pair<std::string, std::string>>> queue;
  bool stopping = false;
  bool failed = false;
  bool finished = false;
  std::function<void(const std::string&)> unavailable;
  Library lib;
};

// At most this many requests wait for a daemon that is slow to answer; the oldest go first.
constexpr size_t kMaxQueued = 64;
// How long the game's exit waits for the worker to say goodbye to the daemon.
constexpr auto kFarewell = std::chrono::milliseconds(500);

SPDConnection* Connect(Library& lib, std::string& error) {
  if (!lib.Load(error)) return nullptr;
  char* why = nullptr;
  SPDConnection* connection =
      lib.open("panipani", "main", nullptr, SPD_MODE_SINGLE, nullptr, /*autospawn=*/1, &why);
  if (!connection) {
    std::string reason = why ? why : "no reason given";
    while (!reason.empty() && std::isspace(static_cast<unsigned char>(reason.back())))
      reason.pop_back();
    error = "speech-dispatcher cannot be reached (" + reason + ")";
    std::free(why);
    return nullptr;
  }
  return connection;
}

// The worker: connects, then says and cancels in the order asked until the speaker goes.
void Work(const std::shared_ptr<Channel>& channel) {
  // A daemon that went away must not end the program through a broken socket.
  sigset_t pipe;
  sigemptyset(&pipe);
  sigaddset(&pipe, SIGPIPE);
  pthread_sigmask(SIG_BLOCK, &pipe, nullptr);

  std::string error;
  SPDConnection* connection = Connect(channel->lib, error);
  if (!connection) {
    {
      std::lock_guard lock(channel->mutex);
      channel->failed = true;
      channel->queue.clear();
    }
    if (channel->unavailable) channel->unavailable(error);
  } else {
    const bool japaneseVoice = HasJapaneseVoice(channel->lib, connection);
    std::string language;
    for (;;) {
      std::optional<std::pair<std::string, std::string>> next;
      {
        std::unique_lock lock(channel->mutex);
        channel->wake.wait(lock, [&] { return channel->stopping || !channel->queue.empty(); });
        if (channel->stopping) break;
        next = std::move(channel->queue.front());
        channel->queue.pop_front();
      }
      if (!next) {
        channel->lib.cancel(connection);
        continue;
      }
      // Japanese only where the daemon has a voice for it: else its default voice reads it.
      const std::string& wanted = next->second;
      if (wanted != language && (wanted != "ja" || japaneseVoice)) {
        channel->lib.setLanguage(connection, wanted.c_str());
        language = wanted;
      }
      channel->lib.say(connection, SPD_TEXT, next->first.c_str());
    }
    // Nothing goes on speaking after the game has closed.
    channel->lib.cancel(connection);
    channel->lib.close(connection);
  }
  std::lock_guard lock(channel->mutex);
  channel->finished = true;
  channel->wake.notify_all();
}

class SpeechDispatcherSpeaker final : public Speaker {
 public:
  explicit SpeechDispatcherSpeaker(std::function<void(const std::string&)> unavailable)
      : channel_(std::make_shared<Channel>()) {
    channel_->unavailable = std::move(unavailable);
  }

  ~SpeechDispatcherSpeaker() override {
    if (!worker_.joinable()) return;
    std::unique_lock lock(channel_->mutex);
    channel_->stopping = true;
    channel_->wake.notify_all();
    const bool finished =
        channel_->wake.wait_for(lock, kFarewell, [this] { return channel_->finished; });
    lock.unlock();
    if (finished)
      worker_.join();
    else
      worker_.detach();  // stuck on the daemon: it ends with the program
  }

  void Say(std::string_view text, std::string_view language) override {
    std::lock_guard lock(channel_->mutex);
    if (channel_->failed) return;
    if (!worker_.joinable()) worker_ = std::thread(Work, channel_);
    if (channel_->queue.size() >= kMaxQueued) channel_->queue.pop_front();
    channel_->queue.emplace_back(std::make_pair(std::string(text), std::string(language)));
    channel_->wake.notify_all();
  }

  void Cancel() override {
    std::lock_guard lock(channel_->mutex);
    if (channel_->failed || !worker_.joinable()) return;
    channel_->queue.clear();
    channel_->queue.emplace_back(std::nullopt);
    channel_->wake.notify_all();
  }

 private:
  std::shared_ptr<Channel> channel_;
  std::thread worker_;
};

#else

// Built without libspeechd's header: says once that there is no speech.
class SpeechDispatcherSpeaker final : public Speaker {
 public:
  explicit SpeechDispatcherSpeaker(std::function<void(const std::string&)> unavailable)
      : unavailable_(std::move(unavailable)) {}
  void Say(std::string_view, std::string_view) override {
    if (told_) return;
    told_ = true;
    if (unavailable_) unavailable_("this build has no speech-dispatcher support");
  }
  void Cancel() override {}

 private:
  std::function<void(const std::string&)> unavailable_;
  bool told_ = false;
};

#endif

}  // namespace

std::unique_ptr<Speaker> CreateSpeechDispatcherSpeaker(
    std::function<void(const std::string&)> unavailable) {
  return std::make_unique<SpeechDispatcherSpeaker>(std::move(unavailable));
}

}  // namespace pp
