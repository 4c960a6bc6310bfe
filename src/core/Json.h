#pragma once
// Just enough JSON for the automation events: one object per line, built field by field.

#include <cstdint>
#include <string>
#include <string_view>

namespace pp {

// `text` as a quoted JSON string; control characters and quotes escaped. The text must be UTF-8.
std::string JsonQuote(std::string_view text);

// `texts` (strings) as a JSON array of quoted strings.
template <class Texts>
std::string JsonList(const Texts& texts) {
  std::string out = "[";
  for (const std::string& text : texts) {
    if (out.size() > 1) out += ',';
    out += JsonQuote(text);
  }
  return out + "]";
}

// Builds {"key":value,...} in the order fields are added.
class JsonObject {
 public:
  explicit JsonObject(std::string_view ev) { Add("ev", ev); }
  JsonObject& Add(std::string_view key, std::string_view value);
  JsonObject& Add(std::string_view key, const char* value) { return Add(key, std::string_view(value)); }
  JsonObject& Add(std::string_view key, int64_t value);
  JsonObject& Add(std::string_view key, int value) { return Add(key, static_cast<int64_t>(value)); }
  JsonObject& Add(std::string_view key, bool value);
  // `raw` is already JSON (an array or object).
  JsonObject& AddRaw(std::string_view key, std::string_view raw);
  std::string str() const { return body_ + "}"; }

 private:
  void Key(std::string_view key);
  std::string body_ = "{";
};

}  // namespace pp
