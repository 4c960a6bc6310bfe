#include "app/Resume.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

#include "app/Program.h"
#include "automation/CommandScript.h"
#include "core/AtomicFile.h"
#include "game/Sound.h"
#include "lang/DisplayLanguage.h"
#include "platform/headless/HeadlessHost.h"
#include "replay/CatchUpHost.h"
#include "replay/RecordingHost.h"
#include "state/SaveFolder.h"
#include "ui/Renderer.h"

namespace pp {

const char* const kProgramVersion = PANIPANI_VERSION;

namespace {

namespace fs = std::filesystem;

// The folder a left run is caught up in, so that its saves never touch the player's.
fs::path CatchUpFolder(const fs::path& saveDir, const ContinueSetup& setup) {
  return setup.catchUpDir.empty() ? saveDir / ".catch-up" : setup.catchUpDir;
}

void Drop(const fs::path& recording) {
  std::error_code ec;
  fs::remove(recording, ec);
  fs::remove(fs::path(recording.string() + ".my.dat"), ec);
}

void Tell(const ContinueSetup& setup, const std::string& line) {
  if (setup.tell)
    setup.tell(line);
  else
    std::fprintf(stderr, "panipani: %s\n", line.c_str());
}

// The offer to go on, in the player's language.
std::string ContinueQuestion(const Game& g) {
  const std::string days = std::to_string(g.state.daysLeft);
  const std::string layer = std::to_string(g.state.worldLevel);
  if (g.config.language && g.config.language->translating())
    return "Continue your last run?\r(days left: " + days + ", layer " + layer +
           ")\r\rYes: continue  /  No: a new character";
  return "前回の冒険の続きから始めますか？\r(死ぬまで後 " + days + "日・界 " + layer +
         ")\r\rはい: 続きから  /  いいえ: 新しいキャラクター";
}

// A new character, recorded from the start.
int RunRecordedFresh(Host& host, const GameConfig& config, uint32_t seed,
                     const std::function<void(const Game&)>& onClosed, const ContinueSetup& setup) {
  const fs::path recording = RunRecordingPath(config.saveDir);
  std::error_code ec;
  fs::create_directories(config.saveDir, ec);
  std::ofstream out(recording, std::ios::binary | std::ios::trunc);
  if (!out) {
    Tell(setup,
         "cannot record the run in " + recording.string() + "; it cannot be continued later");
    return RunGame(host, config, seed, onClosed, setup.onCreated);
  }
  if (auto error = KeepStartingSave(recording, config.saveDir, config.dataDir)) Tell(setup, *error);
  RecordingHost recorder(host, out, {seed, fs::absolute(config.dataDir, ec), kProgramVersion});
  bool keep = false;
  const int status = RunGame(
      recorder, config, seed,
      [&](const Game& g) {
        keep = InTheMiddleOfARun(g);
        if (onClosed) onClosed(g);
      },
      setup.onCreated);
  out.close();
  if (!keep) Drop(recording);
  return status;
}

// `text` without a cut-off last line and without its last `close` (`closed` says whether it had
// one).
std::string Trimmed(const std::string& text, bool& closed) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  // A line the program was stopped in the middle of writing is not a command.
  if (!text.empty() && text.back() != '\n') lines.pop_back();
  closed = false;
  while (!lines.empty() && (lines.back() == "close" || lines.back() == "close\r")) {
    lines.pop_back();
    closed = true;
  }
  std::string kept;
  for (const std::string& line : lines) kept += line + "\n";
  return kept;
}

bool EndsWithClose(const fs::path& recording) {
  bool closed = false;
  Trimmed(ReadWholeFile(recording).value_or(""), closed);
  return closed;
}

// Plays a recording that ends with the window's close once more, unseen and unheard, in a folder
// of its own: the save its closing writes, and whether the run was in its middle then.
std::optional<std::string> ReplayToTheClose(const fs::path& recording, const GameConfig& config,
                                            const ReplayHeader& header, const fs::path& scratch,
                                            bool& inTheMiddle) {
  const fs::path folder = scratch / "close";
  std::error_code ec;
  fs::create_directories(folder, ec);
  fs::copy_file(fs::path(recording.string() + ".my.dat"), folder / "my.dat", ec);
  GameConfig replay = config;
  replay.saveDir = folder;
  replay.mute = true;
  std::ifstream in(recording, std::ios::binary);
  HeadlessHost headless(LinesOf(in), [](std::string_view) {});
  // Unheard: without an audio device the game queues no sound at all.
  struct Silent final : ForwardingHost {
    using ForwardingHost::ForwardingHost;
    std::unique_ptr<AudioDevice> OpenAudioDevice(const AudioFormat&) override { return nullptr; }
  } host(headless);
  RunGame(
      host, replay, header.seed, [&](const Game& g) { inTheMiddle = InTheMiddleOfARun(g); },
      [](Game& g) { SetDrawing(g, false); });
  return ReadWholeFile(SaveFilePath(folder));
}

// Catches the left run up and, when it arrives at the save it left and the player wishes, plays
// it on; nullopt when it was not continued (the player's save is then as it was).
std::optional<int> ContinueLeftRun(Host& host, const GameConfig& config, const ReplayHeader& header,
                                   const std::function<void(const Game&)>& onClosed,
                                   const ContinueSetup& setup) {
  const fs::path recording = RunRecordingPath(config.saveDir);
  const fs::path scratch = CatchUpFolder(config.saveDir, setup);
  std::error_code ec;
  fs::remove_all(scratch, ec);
  fs::create_directories(scratch, ec);
  fs::copy_file(fs::path(recording.string() + ".my.dat"), scratch / "my.dat", ec);
  if (ec) {
    Tell(setup, "the run left last time has no starting save; a new character begins");
    return std::nullopt;
  }
  const std::optional<std::string> left = ReadWholeFile(SaveFilePath(config.saveDir));
  const auto missed = [&setup] {
    Tell(setup,
         "the run left last time did not replay to the save it left; that save is kept and a new "
         "character begins");
  };
  // A run closed in the window wrote its save as the scene it was in wound up: played to its
  // close once, the recording must write that very save. The run then goes on from just before
  // the close. A run stopped without a close is checked against its last save as it goes.
  const bool closed = EndsWithClose(recording);
  bool inTheMiddle = false;
  if (closed) {
    const std::optional<std::string> arrived =
        ReplayToTheClose(recording, config, header, scratch, inTheMiddle);
    if (!left || !arrived || *arrived != *left) {
      missed();
      fs::remove_all(scratch, ec);
      return std::nullopt;
    }
    if (!inTheMiddle) {
      fs::remove_all(scratch, ec);
      return std::nullopt;
    }
  }
  TrimForContinuing(recording);

  GameConfig catchUp = config;
  catchUp.saveDir = scratch;
  catchUp.mute = true;
  std::ifstream in(recording, std::ios::binary);
  std::ostream unrecorded(nullptr);  // what the catch-up plays is in the recording already
  std::ofstream more;
  Game* game = nullptr;
  bool continued = false;
  std::unique_ptr<RecordingHost> recorder;
  CatchUpHost catching(host, in, [&]() {
    Game& g = *game;
    if (!closed) {
      const std::optional<std::string> arrived = ReadWholeFile(SaveFilePath(scratch));
      if (!left || !arrived || *arrived != *left) {
        missed();
        return false;
      }
      if (!InTheMiddleOfARun(g)) return false;
    }
    if (!host.ConfirmYesNo(ContinueQuestion(g))) return false;
    g.config.saveDir = config.saveDir;
    g.config.mute = config.mute;
    // The sound starts now, on the player's device: the catch-up had none.
    StopSound(g);
    StartSound(g);
    SetDrawing(g, true);
    more.open(recording, std::ios::binary | std::ios::app);
    recorder->ContinueInto(more);
    continued = true;
    return true;
  });
  recorder = std::make_unique<RecordingHost>(catching, unrecorded, header);
  bool keep = false;
  const int status = RunGame(
      *recorder, catchUp, header.seed,
      [&](const Game& g) {
        if (!continued) return;
        keep = InTheMiddleOfARun(g);
        if (onClosed) onClosed(g);
      },
      [&](Game& g) {
        game = &g;
        SetDrawing(g, false);
        if (setup.onCreated) setup.onCreated(g);
      });
  recorder.reset();
  more.close();
  fs::remove_all(scratch, ec);
  if (!continued) {
    Drop(recording);
    return std::nullopt;
  }
  if (!keep) Drop(recording);
  return status;
}

}  // namespace

fs::path RunRecordingPath(const fs::path& saveDir) { return saveDir / "run.replay"; }

bool InTheMiddleOfARun(const Game& g) { return g.state.titlePhase >= 1; }

std::optional<ReplayHeader> FindLeftRun(const fs::path& saveDir, const fs::path& dataDir,
                                        std::string& note) {
  const fs::path recording = RunRecordingPath(saveDir);
  std::error_code ec;
  if (!fs::exists(recording, ec)) return std::nullopt;
  std::string error;
  std::optional<ReplayHeader> header = ReadReplayHeader(recording, error);
  if (!header) {
    note = error + "; the run left there cannot be continued";
    return std::nullopt;
  }
  if (header->version != kProgramVersion) {
    note = "the run left last time was played with another version (" +
           (header->version.empty() ? std::string("unnamed") : header->version) +
           "); it cannot be continued";
    return std::nullopt;
  }
  if (header->dataDir != fs::absolute(dataDir, ec)) {
    note = "the run left last time was played on another data folder (" + header->dataDir.string() +
           "); it cannot be continued";
    return std::nullopt;
  }
  return header;
}

bool TrimForContinuing(const fs::path& recording) {
  const std::optional<std::string> text = ReadWholeFile(recording);
  if (!text) return false;
  bool closed = false;
  const std::string kept = Trimmed(*text, closed);
  if (kept != *text) WriteFileAtomic(recording, kept);
  return closed;
}

int RunContinuable(Host& host, const GameConfig& config, uint32_t freshSeed,
                   const std::function<void(const Game&)>& onClosed, const ContinueSetup& setup) {
  std::string note;
  if (std::optional<ReplayHeader> left = FindLeftRun(config.saveDir, config.dataDir, note)) {
    if (std::optional<int> status = ContinueLeftRun(host, config, *left, onClosed, setup))
      return *status;
  } else if (!note.empty()) {
    Tell(setup, note);
  }
  return RunRecordedFresh(host, config, freshSeed, onClosed, setup);
}

}  // namespace pp
