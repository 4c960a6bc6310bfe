// The English catalogue's lookups: the template of the game's texts with every entry translated,
// padded with made-up entries to 2,000 exact texts and 400 templates, against every different text
// of the recorded event streams. A first lookup matches templates; a repeated one is a cache hit.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "lang/Catalogue.h"
#include "langpot/EventTexts.h"

namespace {

constexpr size_t kExactEntries = 2000;
constexpr size_t kTemplates = 400;

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The template, translated as "EN <msgid>" so that every placeholder comes back.
pp::PoFile TranslatedTemplate() {
  pp::PoFile file =
      pp::ReadPo(ReadAll(PANIPANI_SOURCE_DIR "/data/lang/panipani.pot"), "panipani.pot");
  size_t exact = 0, templates = 0;
  for (pp::PoEntry& e : file.entries) {
    e.translation = "EN " + e.id;
    (e.id.find('{') == std::string::npos ? exact : templates) += 1;
  }
  for (size_t i = 0; exact < kExactEntries || templates < kTemplates; ++i) {
    pp::PoEntry e;
    const bool makeTemplate = templates < kTemplates && (exact >= kExactEntries || i % 2 == 0);
    e.id = makeTemplate ? "{monster}は奥義" + std::to_string(i) + "を放った!! {n}ダメージ"
                        : "見知らぬ場所の記録その" + std::to_string(i);
    e.translation = "EN " + e.id;
    (makeTemplate ? templates : exact) += 1;
    file.entries.push_back(std::move(e));
  }
  return file;
}

std::vector<std::pair<std::string, std::string>> StreamTexts() {
  std::set<std::pair<std::string, std::string>> texts;
  for (const auto& entry :
       std::filesystem::directory_iterator(PANIPANI_SOURCE_DIR "/tests/streams/expected")) {
    std::ifstream in(entry.path());
    for (std::string line; std::getline(in, line);)
      for (pp::langpot::ShownText& t : pp::langpot::TextsOfEvent(line))
        texts.emplace(t.role, t.text);
  }
  return {texts.begin(), texts.end()};
}

void BM_LoadCatalogue(benchmark::State& state) {
  const pp::PoFile file = TranslatedTemplate();
  for (auto _ : state) {
    pp::Catalogue catalogue(file);
    benchmark::DoNotOptimize(catalogue.templateCount());
  }
  state.counters["entries"] = static_cast<double>(file.entries.size());
}
BENCHMARK(BM_LoadCatalogue)->Unit(benchmark::kMillisecond);

// Every text once on a fresh catalogue: the cost of a line the first time it is shown.
void BM_FirstLookup(benchmark::State& state) {
  const pp::PoFile file = TranslatedTemplate();
  const auto texts = StreamTexts();
  size_t missed = 0;
  for (auto _ : state) {
    state.PauseTiming();
    pp::Catalogue catalogue(file);
    state.ResumeTiming();
    for (const auto& [role, text] : texts)
      if (!catalogue.Translate(text, role)) ++missed;
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * texts.size()));
  state.counters["texts"] = static_cast<double>(texts.size());
  state.counters["missed"] = static_cast<double>(missed / state.iterations());
}
BENCHMARK(BM_FirstLookup)->Unit(benchmark::kMillisecond);

// A line the catalogue has never seen and no template matches, though it starts and ends as many
// do ("あなた...", "...!!"): every candidate is tried.
void BM_FirstLookupOfAnUnknownLine(benchmark::State& state) {
  const pp::Catalogue catalogue(TranslatedTemplate());
  int64_t n = 0;
  int64_t found = 0;
  for (auto _ : state)
    found +=
        catalogue.Translate("あなたは誰も知らない言葉を " + std::to_string(n++) + "回も聞いた!!")
            .has_value();
  state.counters["found"] = static_cast<double>(found);
}
BENCHMARK(BM_FirstLookupOfAnUnknownLine)->Unit(benchmark::kMicrosecond);

// The same lines again, as every frame draws them.
void BM_RepeatedLookup(benchmark::State& state) {
  const pp::Catalogue catalogue(TranslatedTemplate());
  const auto texts = StreamTexts();
  for (const auto& [role, text] : texts) catalogue.Translate(text, role);
  for (auto _ : state)
    for (const auto& [role, text] : texts)
      benchmark::DoNotOptimize(catalogue.Translate(text, role));
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * texts.size()));
}
BENCHMARK(BM_RepeatedLookup)->Unit(benchmark::kMicrosecond);

}  // namespace
BENCHMARK_MAIN();
