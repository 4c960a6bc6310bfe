#pragma once
// A speaker for tests: writes down every request ("say TEXT" or "cancel") in order, in a list
// the test keeps after handing the speaker over.

#include <memory>
#include <string>
#include <vector>

#include "platform/Speaker.h"

namespace pp::test {

class RecordingSpeaker final : public Speaker {
 public:
  explicit RecordingSpeaker(std::shared_ptr<std::vector<std::string>> requests)
      : requests_(std::move(requests)) {}
  // "say TEXT" in Japanese, "say:en TEXT" in another language.
  void Say(std::string_view text, std::string_view language) override {
    const std::string verb = language == "ja" ? "say " : "say:" + std::string(language) + " ";
    requests_->push_back(verb + std::string(text));
  }
  void Cancel() override { requests_->push_back("cancel"); }

 private:
  std::shared_ptr<std::vector<std::string>> requests_;
};

}  // namespace pp::test
