// langcover: how complete and how well fitting a translation is. Plays many seeded lives headless
// with the soak's player (random buttons, the item panel, both shops) while every frame is drawn
// in English, then lists every text that was shown in Japanese because the catalogue had no
// English for it (with how often it was asked for), and every label, status word and panel text
// whose English is too wide for its place in the Latin face the game draws English with.
// Optionally writes a review page: a few hundred lines seen in play with their English, and every
// item with its description.
//
//   langcover [--data DIR] [--catalogue FILE] [--seeds N] [--lives N] [--review FILE.html]
//
// Exits 1 when anything fell back or does not fit, 2 on a bad command line.

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/Text.h"
#include "items/ItemData.h"
#include "lang/DisplayLanguage.h"
#include "lang/Roles.h"
#include "soak/Soak.h"

namespace {

namespace fs = std::filesystem;

// Where each kind of text must fit, in pixels, at the size the game draws it (bold).
struct Place {
  std::string_view role;
  int points;
  int width;
};
// A label from its button's left edge to the picture's; a status text from the middle of the
// picture to its right margin; a panel row in the item list beside its scroll bar.
constexpr Place kPlaces[] = {
    {pp::role::kChoice, 10, 125},
    {pp::role::kStatus, 8, 235},
    {pp::role::kPanel, 9, 116},
};

struct Options {
  fs::path dataDir = "data";
  fs::path catalogue;
  int seeds = 4;
  int64_t lives = 5;
  fs::path review;
};

bool ReadCount(std::string_view text, int64_t& out) {
  auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
  return ec == std::errc() && ptr == text.data() + text.size() && out >= 1;
}

std::string Html(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '<')
      out += "&lt;";
    else if (c == '>')
      out += "&gt;";
    else if (c == '&')
      out += "&amp;";
    else if (c == '\r')
      out += "<br>";
    else
      out += c;
  }
  return out;
}

void WriteReview(const fs::path& path, const pp::DisplayLanguage& language,
                 const std::set<std::string>& lines) {
  std::vector<std::string> sample(lines.begin(), lines.end());
  std::mt19937 pick(12345);
  std::shuffle(sample.begin(), sample.end(), pick);
  sample.resize(std::min<size_t>(sample.size(), 300));
  std::sort(sample.begin(), sample.end());

  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << "<!doctype html><html lang=\"en\"><meta charset=\"utf-8\"><title>panipani: English "
         "review</title><style>body{font:15px/1.4 sans-serif;margin:2em}td{vertical-align:top;"
         "padding:.3em .8em;border-bottom:1px solid #ddd}td:first-child{width:45%}</style>\n"
      << "<h1>panipani: English review</h1>\n<h2>Lines seen in play (" << sample.size() << " of "
      << lines.size() << ")</h2>\n<table>\n";
  for (const std::string& line : sample) {
    const std::optional<std::string> english = language.English(line, pp::role::kMessage);
    out << "<tr><td lang=\"ja\">" << Html(line) << "</td><td>"
        << (english ? Html(*english) : "<b>(no English)</b>") << "</td></tr>\n";
  }
  out << "</table>\n<h2>Items</h2>\n<table>\n";
  for (const pp::ItemRecord& item : pp::ItemRecords()) {
    const auto name = language.English(item.name, pp::role::kPanel);
    const auto description = language.English(item.description, pp::role::kDetails);
    out << "<tr><td lang=\"ja\">" << item.id << ". " << Html(item.name) << "<br>"
        << Html(item.description) << "</td><td><b>" << Html(name ? *name : "(no English)")
        << "</b><br>" << Html(description ? *description : "(no English)") << "</td></tr>\n";
  }
  out << "</table>\n";
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    const bool hasValue = i + 1 < argc;
    int64_t n = 0;
    if (arg == "--data" && hasValue) {
      o.dataDir = argv[++i];
    } else if (arg == "--catalogue" && hasValue) {
      o.catalogue = argv[++i];
    } else if (arg == "--review" && hasValue) {
      o.review = argv[++i];
    } else if (arg == "--seeds" && hasValue && ReadCount(argv[i + 1], n)) {
      o.seeds = static_cast<int>(std::min<int64_t>(n, 100000));
      ++i;
    } else if (arg == "--lives" && hasValue && ReadCount(argv[i + 1], n)) {
      o.lives = n;
      ++i;
    } else {
      std::fprintf(stderr,
                   "usage: langcover [--data DIR] [--catalogue FILE] [--seeds N] [--lives N] "
                   "[--review FILE.html]\n");
      return 2;
    }
  }
  if (o.catalogue.empty()) o.catalogue = o.dataDir / "lang" / "en.po";

  pp::Catalogue catalogue = pp::Catalogue::Load(o.catalogue);
  for (const std::string& fault : catalogue.faults()) std::printf("fault: %s\n", fault.c_str());
  pp::DisplayLanguage language(std::move(catalogue), pp::DisplayLanguage::Mode::English);

  // Every text the frames asked the English of, and the messages for the review page.
  pp::DisplayLanguage::Asked asked;
  language.KeepAskedIn(&asked);
  std::set<std::string> messages;
  pp::SoakOptions soak;
  soak.dataDir = o.dataDir;
  soak.language = &language;
  // Every text an event brings is asked for as it comes (the player answers at once, so many are
  // gone before a frame draws them); the frames add the status words.
  soak.onEvent = [&](const pp::GameEvent& e) {
    if (const auto* m = std::get_if<pp::MessageEvent>(&e)) {
      messages.insert(m->text);
      language.English(m->text, pp::role::kMessage);
    } else if (const auto* c = std::get_if<pp::ChoicesEvent>(&e)) {
      for (const std::string& label : c->labels)
        if (!label.empty()) language.English(label, pp::role::kChoice);
    } else if (const auto* p = std::get_if<pp::PanelEvent>(&e)) {
      language.English(p->mode, pp::role::kPanel);
      for (const std::string& row : p->rows)
        if (!row.empty()) language.English(row, pp::role::kPanel);
    } else if (const auto* d = std::get_if<pp::DetailsEvent>(&e)) {
      for (size_t start = 0; start <= d->text.size();) {
        const size_t end = std::min(d->text.find('\r', start), d->text.size());
        language.English(std::string_view(d->text).substr(start, end - start), pp::role::kDetails);
        start = end + 1;
      }
    }
  };
  int64_t lives = 0, choices = 0, frames = 0;
  int faults = 0;
  for (int s = 0; s < o.seeds; ++s) {
    const pp::SoakResult r =
        pp::Soak(static_cast<uint32_t>(1 + s * 7919), o.lives, o.lives * 20000, soak);
    lives += r.lives;
    choices += r.choices;
    frames += r.frames;
    for (const std::string& fault : r.faults) {
      std::printf("game fault: %s\n", fault.c_str());
      ++faults;
    }
  }
  std::printf(
      "langcover: %lld lives on %d seeds, %lld choices, %lld frames in English, %zu texts asked\n",
      static_cast<long long>(lives), o.seeds, static_cast<long long>(choices),
      static_cast<long long>(frames), asked.size());
  std::printf("fell back to Japanese: %zu texts\n", language.misses().size());
  for (const auto& [key, count] : language.misses())
    std::printf("  %-8s %6lld  %s\n", key.first.c_str(), static_cast<long long>(count),
                key.second.c_str());

  pp::TextRenderer text;
  int tooWide = 0;
  for (const Place& place : kPlaces) {
    for (const auto& [role, japanese] : asked) {
      if (role != place.role) continue;
      const std::string shown = language.Shown(japanese, place.role);
      const int width = text.Width(shown, place.points, true, pp::Face::Latin);
      if (width <= place.width) continue;
      if (tooWide++ == 0) std::printf("too wide:\n");
      std::printf("  %-8s %3d > %3d px  %s  (%s)\n", std::string(place.role).c_str(), width,
                  place.width, shown.c_str(), japanese.c_str());
    }
  }
  std::printf("too wide: %d texts\n", tooWide);

  if (!o.review.empty()) {
    WriteReview(o.review, language, messages);
    std::printf("review page: %s\n", o.review.c_str());
  }
  return language.misses().empty() && tooWide == 0 && faults == 0 ? 0 : 1;
}
