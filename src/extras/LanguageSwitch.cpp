#include "extras/LanguageSwitch.h"

#include <algorithm>
#include <system_error>

#include "lang/Roles.h"

namespace pp {
namespace {

constexpr int64_t kShownMs = 2000;
constexpr int64_t kFadeMs = 500;

std::filesystem::file_time_type ModifiedAt(const std::filesystem::path& file) {
  std::error_code ec;
  const auto time = std::filesystem::last_write_time(file, ec);
  return ec ? std::filesystem::file_time_type{} : time;
}

}  // namespace

std::string ModeName(DisplayLanguage::Mode mode) {
  switch (mode) {
    case DisplayLanguage::Mode::Japanese:
      return "日本語";
    case DisplayLanguage::Mode::English:
      return "English";
    case DisplayLanguage::Mode::Both:
      return "日本語 + English";
  }
  return {};
}

std::string ModeNotice(DisplayLanguage::Mode mode) { return ModeName(mode) + " (T)"; }

LanguageSwitch::LanguageSwitch(DisplayLanguage& language, TextRenderer& text,
                               std::function<int64_t()> now, std::filesystem::path watched)
    : language_(language),
      text_(text),
      now_(std::move(now)),
      watched_(std::move(watched)),
      watchedTime_(watched_.empty() ? std::filesystem::file_time_type{} : ModifiedAt(watched_)),
      notice_({Notice::Place::TopRight, Hex(0xFFDD66), kShownMs, kFadeMs}) {}

void LanguageSwitch::Say(std::string line) { notice_.Show({std::move(line)}, now_()); }

bool LanguageSwitch::OnInput(const HostEvent& e) {
  if (e.type != HostEvent::Type::Key || e.value != HostKey::kT) return false;
  language_.CycleMode();
  Say(ModeNotice(language_.mode()));
  return true;
}

std::optional<HostEvent> LanguageSwitch::Due(int64_t nowMs) {
  if (watched_.empty() || nowMs < nextLookMs_) return std::nullopt;
  nextLookMs_ = nowMs + kWatchEveryMs;
  const auto time = ModifiedAt(watched_);
  if (time == watchedTime_) return std::nullopt;
  watchedTime_ = time;
  Catalogue catalogue = Catalogue::Load(watched_);
  Say(catalogue.faults().empty() ? "Catalogue read again: " + watched_.filename().string()
                                 : catalogue.faults().front());
  language_.SetCatalogue(std::move(catalogue));
  return std::nullopt;
}

void LanguageSwitch::RewriteQuestion(std::string& question) {
  if (!language_.translating()) return;
  std::string shown;
  size_t start = 0;
  for (;;) {
    const size_t end = std::min(question.find('\r', start), question.size());
    const std::string_view line = std::string_view(question).substr(start, end - start);
    if (language_.mode() == DisplayLanguage::Mode::Both) {
      shown += line;
      if (std::optional<std::string> english = language_.English(line, role::kNotice))
        shown += "\r" + *english;
    } else {
      shown += language_.Shown(line, role::kNotice);
    }
    if (end >= question.size()) break;
    shown += '\r';
    start = end + 1;
  }
  question = std::move(shown);
}

bool LanguageSwitch::Visible() const { return notice_.Strength(now_()) > 0; }

void LanguageSwitch::DrawOver(Surface& picture) { notice_.DrawOnto(picture, text_, now_()); }

}  // namespace pp
