// The speech-dispatcher speaker against a real daemon started for the test in a folder of its
// own (its configuration, socket and log), with the espeak-ng module. The machine may have no
// sound card: the daemon's log shows what it was asked to say, in order.

#include "platform/speechd/SpeechDispatcherSpeaker.h"
#include "support/Files.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>
#include <thread>

namespace pp {
namespace {

namespace fs = std::filesystem;

constexpr const char* kDaemon = "/usr/bin/speech-dispatcher";
constexpr const char* kModules = "/usr/lib/speech-dispatcher-modules";

// Waits up to `seconds` for `done`, looking every 50 ms.
template <class F>
bool WaitFor(F done, int seconds) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (!done()) {
    if (std::chrono::steady_clock::now() > until) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return true;
}

// A speaker whose complaints are kept.
struct Told {
  std::mutex mutex;
  std::vector<std::string> lines;
  std::unique_ptr<Speaker> speaker = CreateSpeechDispatcherSpeaker([this](const std::string& s) {
    std::lock_guard lock(mutex);
    lines.push_back(s);
  });
  size_t Count() {
    std::lock_guard lock(mutex);
    return lines.size();
  }
};

class SpeechDispatcher : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("panipani-speechd-" + std::to_string(getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "conf" / "modules");
    fs::create_directories(dir_ / "log");
    socket_ = dir_ / "socket";
    setenv("SPEECHD_ADDRESS", ("unix_socket:" + socket_.string()).c_str(), 1);
  }
  void TearDown() override {
    if (daemon_ > 0) {
      kill(daemon_, SIGKILL);
      waitpid(daemon_, nullptr, 0);
    }
    unsetenv("SPEECHD_ADDRESS");
    fs::remove_all(dir_);
  }

  // Starts the daemon with espeak-ng and the most detailed log; false when it does not come up.
  bool StartDaemon() {
    fs::copy_file("/etc/speech-dispatcher/modules/espeak-ng.conf",
                  dir_ / "conf" / "modules" / "espeak-ng.conf");
    std::ofstream(dir_ / "conf" / "speechd.conf")
        << "LogLevel 5\nLogDir \"" << (dir_ / "log").string() << "\"\n"
        << "AddModule \"espeak-ng\" \"sd_espeak-ng\" \"espeak-ng.conf\"\n"
        << "DefaultModule espeak-ng\n"
        << "AudioOutputMethod \"alsa\"\nAudioALSADevice \"null\"\n";
    const std::string conf = (dir_ / "conf").string(), socket = socket_.string(),
                      pid = (dir_ / "pid").string(), home = dir_.string();
    daemon_ = fork();
    if (daemon_ == 0) {
      const int quiet = open("/dev/null", O_WRONLY);
      dup2(quiet, STDOUT_FILENO);
      dup2(quiet, STDERR_FILENO);
      setenv("HOME", home.c_str(), 1);
      setenv("XDG_RUNTIME_DIR", home.c_str(), 1);
      setenv("XDG_CONFIG_HOME", home.c_str(), 1);
      setenv("XDG_DATA_HOME", home.c_str(), 1);
      execl(kDaemon, kDaemon, "-s", "-C", conf.c_str(), "-S", socket.c_str(), "-t", "0", "-P",
            pid.c_str(), "-m", kModules, static_cast<char*>(nullptr));
      _exit(127);
    }
    return daemon_ > 0 && WaitFor([&] { return fs::exists(socket_); }, 15);
  }

  std::string Log() { return ReadAll(dir_ / "log" / "speech-dispatcher.log"); }

  fs::path dir_, socket_;
  pid_t daemon_ = -1;
};

TEST_F(SpeechDispatcher, TheDaemonGetsTheLinesInOrderAndTheCancelInJapanese) {
#ifdef __SANITIZE_ADDRESS__
  GTEST_SKIP() << "libspeechd is loaded at run time, uninstrumented: checked in the plain build";
#endif
  if (!fs::exists(kDaemon) || !fs::exists(fs::path(kModules) / "sd_espeak-ng"))
    GTEST_SKIP() << "speech-dispatcher with espeak-ng is not installed";
  ASSERT_TRUE(StartDaemon()) << "the daemon did not open its socket";
  {
    Told told;
    told.speaker->Say("この世界へようこそ");
    told.speaker->Say("あなたは冒険者ですね？");
    // Once the daemon has these (the first connection lists the voices, which takes seconds),
    // the cancel stops them there; a cancel before would only drop them from our own queue.
    ASSERT_TRUE(
        WaitFor([&] { return Log().find("Queueing message |あなたは") != std::string::npos; }, 30));
    told.speaker->Cancel();
    told.speaker->Say("さあ、お行きなさい");
    ASSERT_TRUE(
        WaitFor([&] { return Log().find("Queueing message |さあ") != std::string::npos; }, 10));
    EXPECT_EQ(told.Count(), 0u);
  }
  const std::string log = Log();
  const size_t japanese = log.find("SET SELF LANGUAGE ja");
  const size_t first = log.find("Queueing message |この世界へようこそ|");
  const size_t second = log.find("Queueing message |あなたは冒険者ですね？|");
  const size_t cancel = log.find("CANCEL SELF", second);
  const size_t third = log.find("Queueing message |さあ、お行きなさい|");
  ASSERT_NE(japanese, std::string::npos) << "espeak-ng has a Japanese voice";
  ASSERT_NE(first, std::string::npos);
  ASSERT_NE(second, std::string::npos);
  EXPECT_TRUE(japanese < first && first < second && second < cancel && cancel < third);
}

TEST_F(SpeechDispatcher, NoDaemonIsToldOnceAndTheSpeakerGoesQuiet) {
#ifdef __SANITIZE_ADDRESS__
  GTEST_SKIP() << "libspeechd is loaded at run time, uninstrumented: checked in the plain build";
#endif
  Told told;
  told.speaker->Say("腹が減った");
  ASSERT_TRUE(WaitFor([&] { return told.Count() > 0; }, 20));
  told.speaker->Say("麻痺した");
  told.speaker->Cancel();
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  ASSERT_EQ(told.Count(), 1u);
  EXPECT_NE(told.lines[0].find("speech-dispatcher"), std::string::npos) << told.lines[0];
}

}  // namespace
}  // namespace pp
