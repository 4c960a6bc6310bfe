#pragma once
// The player's settings file: `key = value` lines and `#` or `;` comments, in UTF-8.
//
//   Settings s = Settings::Load(path, std::cerr);
//   int scale = s.Get(SettingKeys::kScale);
//   s.Set(SettingKeys::kMute, true);
//   if (auto error = s.Save()) ...
//
// Every line is kept and written back in its place: comments, keys this version does not know,
// and lines it cannot read (each of which gives one warning naming the file and line). A value
// that does not fit its key warns and reads as the key's default. Set changes the key's line, or
// adds one at the end. Later lines for the same key win.

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pp {

// A key and what it reads as when absent or bad. Booleans are written true/false and read
// true/false, yes/no, on/off or 1/0.
struct BoolSetting {
  const char* name;
  bool fallback;
};
struct IntSetting {
  const char* name;
  int fallback, low, high;  // accepted values: low..high
};
struct TextSetting {
  const char* name;
  const char* fallback;
};

// The keys of the file; a new setting is one line here.
namespace SettingKeys {
inline constexpr IntSetting kScale{"scale", 0, 0, 16};  // window scale; 0: the largest that fits
inline constexpr BoolSetting kFullscreen{"fullscreen", false};
inline constexpr BoolSetting kMute{"mute", false};
// The sound output's loudness in percent (the options screen changes it in tens).
inline constexpr IntSetting kVolume{"volume", 100, 0, 100};
// Auto mode at start, and its reading time: the base plus so much per character shown.
inline constexpr BoolSetting kAutoAdvance{"auto-advance", false};
inline constexpr IntSetting kAutoReadingBaseMs{"auto-reading-ms", 1200, 0, 60000};
inline constexpr IntSetting kAutoReadingPerCharacterMs{"auto-reading-ms-per-character", 50, 0,
                                                       5000};
// Speech at start (key S switches it in the window), and the font the texts are drawn with
// first (empty: the installed outline font).
inline constexpr BoolSetting kSpeak{"speak", false};
inline constexpr TextSetting kFont{"font", ""};
inline constexpr TextSetting kTextHook{"text-hook", "off"};  // off, print or copy
inline constexpr BoolSetting kReduceFlashing{"reduce-flashing", false};
inline constexpr BoolSetting kTextBacking{"text-backing", false};
// The language the game is read in: ja, en, both or a catalogue file; empty: the player's own.
inline constexpr TextSetting kLanguage{"language", ""};
}  // namespace SettingKeys

class Settings {
 public:
  // Empty settings belonging to `path`; Save creates the file.
  explicit Settings(std::filesystem::path path = {}, std::ostream* warnings = nullptr);

  // Reads `path`; a missing file gives empty settings. Warnings go to `warnings` (which must
  // outlive the settings): one per line that cannot be read, one per bad value when it is got.
  // A file that exists but cannot be read warns, and Save then refuses to replace it.
  static Settings Load(const std::filesystem::path& path, std::ostream& warnings);

  bool Get(const BoolSetting& key) const;
  int Get(const IntSetting& key) const;
  std::string Get(const TextSetting& key) const;

  void Set(const BoolSetting& key, bool value);
  void Set(const IntSetting& key, int value);
  void Set(const TextSetting& key, std::string_view value);

  // Whether Set changed the key `name` since the file was read.
  bool SetSinceLoad(std::string_view name) const;

  // Writes every line back (LF endings), replacing the file atomically and creating its folder.
  // Returns one line naming the file when it cannot be written.
  std::optional<std::string> Save() const;

  const std::filesystem::path& path() const { return path_; }

 private:
  struct Line {
    std::string text;  // the line as read (without its ending) or as Set wrote it
    std::string key;   // empty for comments, blank lines and lines that cannot be read
    std::string value;
    int number = 0;    // its line number in the file; 0 for a line Set added
    bool set = false;  // Set changed it since the file was read
  };

  // The last line for `name`, or nullptr.
  const Line* Find(std::string_view name) const;
  Line* Find(std::string_view name);
  void Put(std::string_view name, std::string value);
  void Warn(int lineNumber, const std::string& what) const;

  std::filesystem::path path_;
  std::ostream* warnings_;
  std::vector<Line> lines_;
  bool unreadable_ = false;  // the file exists but could not be read: never replace it
};

}  // namespace pp
