#pragma once
// Speech through the speech-dispatcher daemon: Japanese lines in Japanese where the daemon has a
// Japanese voice (else in its default voice), English lines in English. libspeechd is loaded when
// the first line is said, so the program starts and plays where it is not installed; a worker
// thread talks to the daemon, so neither starting the daemon nor a slow reply ever holds up the
// game.

#include <functional>
#include <memory>
#include <string>

#include "platform/Speaker.h"

namespace pp {

// `unavailable` is called once, from the worker thread, with one line saying why there is no
// speech (no libspeechd, no daemon); every later line is then dropped.
std::unique_ptr<Speaker> CreateSpeechDispatcherSpeaker(
    std::function<void(const std::string&)> unavailable);

}  // namespace pp
