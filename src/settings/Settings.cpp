#include "settings/Settings.h"

#include <algorithm>
#include <charconv>
#include <ostream>
#include <system_error>
#include <utility>

#include "core/AtomicFile.h"
#include "core/Strings.h"

namespace pp {
namespace {

namespace fs = std::filesystem;

bool IsKeyName(std::string_view name) {
  return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == '.';
  });
}

}  // namespace

Settings::Settings(fs::path path, std::ostream* warnings)
    : path_(std::move(path)), warnings_(warnings) {}

Settings Settings::Load(const fs::path& path, std::ostream& warnings) {
  Settings settings(path, &warnings);
  std::error_code ec;
  if (!fs::exists(path, ec) && !ec) return settings;
  std::optional<std::string> bytes = ReadWholeFile(path);
  if (!bytes) {
    settings.unreadable_ = true;
    warnings
        << "panipani: " << path.string()
        << ": the settings file cannot be read; the defaults are used and it is left as it is\n";
    return settings;
  }
  std::string_view rest = *bytes;
  for (int number = 1; !rest.empty(); ++number) {
    const size_t end = rest.find('\n');
    Line line;
    line.text = std::string(rest.substr(0, end));
    if (!line.text.empty() && line.text.back() == '\r') line.text.pop_back();
    line.number = number;
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);

    const std::string_view content = Trim(line.text);
    if (!content.empty() && content.front() != '#' && content.front() != ';') {
      const size_t equals = content.find('=');
      const std::string_view key =
          Trim(content.substr(0, equals == std::string_view::npos ? 0 : equals));
      if (equals == std::string_view::npos || !IsKeyName(key)) {
        settings.Warn(number, "not a 'key = value' line; kept as it is");
      } else {
        line.key = std::string(key);
        line.value = std::string(Trim(content.substr(equals + 1)));
      }
    }
    settings.lines_.push_back(std::move(line));
  }
  return settings;
}

const Settings::Line* Settings::Find(std::string_view name) const {
  for (auto it = lines_.rbegin(); it != lines_.rend(); ++it)
    if (it->key == name) return &*it;
  return nullptr;
}

Settings::Line* Settings::Find(std::string_view name) {
  return const_cast<Line*>(std::as_const(*this).Find(name));
}

void Settings::Warn(int lineNumber, const std::string& what) const {
  if (!warnings_) return;
  *warnings_ << "panipani: " << path_.string();
  if (lineNumber > 0) *warnings_ << ":" << lineNumber;
  *warnings_ << ": " << what << "\n";
}

bool Settings::Get(const BoolSetting& key) const {
  const Line* line = Find(key.name);
  if (!line) return key.fallback;
  const std::string& v = line->value;
  if (v == "true" || v == "yes" || v == "on" || v == "1") return true;
  if (v == "false" || v == "no" || v == "off" || v == "0") return false;
  Warn(line->number, std::string(key.name) + " must be true or false, not '" + v + "'; using " +
                         (key.fallback ? "true" : "false"));
  return key.fallback;
}

int Settings::Get(const IntSetting& key) const {
  const Line* line = Find(key.name);
  if (!line) return key.fallback;
  const std::string& v = line->value;
  int value = 0;
  const char* end = v.data() + v.size();
  auto [ptr, ec] = std::from_chars(v.data(), end, value);
  if (!v.empty() && ec == std::errc() && ptr == end && value >= key.low && value <= key.high)
    return value;
  Warn(line->number, std::string(key.name) + " must be a number from " + std::to_string(key.low) +
                         " to " + std::to_string(key.high) + ", not '" + v + "'; using " +
                         std::to_string(key.fallback));
  return key.fallback;
}

std::string Settings::Get(const TextSetting& key) const {
  const Line* line = Find(key.name);
  return line ? line->value : key.fallback;
}

void Settings::Put(std::string_view name, std::string value) {
  Line* line = Find(name);
  if (!line) {
    lines_.push_back(Line{});
    line = &lines_.back();
    line->key = std::string(name);
  }
  line->text = line->key + " = " + value;
  line->value = std::move(value);
  line->set = true;
}

bool Settings::SetSinceLoad(std::string_view name) const {
  const Line* line = Find(name);
  return line && line->set;
}

void Settings::Set(const BoolSetting& key, bool value) { Put(key.name, value ? "true" : "false"); }
void Settings::Set(const IntSetting& key, int value) { Put(key.name, std::to_string(value)); }
void Settings::Set(const TextSetting& key, std::string_view value) {
  // A value is one line: anything from a line break on is left out.
  Put(key.name, std::string(Trim(value.substr(0, value.find_first_of("\r\n")))));
}

std::optional<std::string> Settings::Save() const {
  if (unreadable_)
    return "Cannot write " + path_.string() + ": it could not be read, so it is left as it is";
  std::string out;
  for (const Line& line : lines_) out += line.text + "\n";
  std::error_code ec;
  if (path_.has_parent_path()) fs::create_directories(path_.parent_path(), ec);
  if (ec) return "Cannot write " + path_.string() + ": " + ec.message();
  return WriteFileAtomic(path_, out);
}

}  // namespace pp
