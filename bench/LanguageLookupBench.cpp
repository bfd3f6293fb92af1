// The start-up relabelling makes 354 language lookups in a row. These benchmarks make 354
// lookups of distinct keys in a 1,300-key language file: with the parsed file cached, with the
// cache emptied once per run of 354, and with the cache emptied before every lookup (every
// lookup reading and parsing the whole file, as a reader without a cache would).
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/Profile.h"
#include "platform/SettingsStore.h"
#include "text/Language.h"

namespace {

constexpr int kFileKeys = 1300;
constexpr int kLookups = 354;

// A language file of 1,300 keys in three families with texts of varied length, written once
// into a temporary folder that is removed at exit.
class LanguageFixture {
public:
    LanguageFixture() {
        char pattern[] = "/tmp/kv-langbench-XXXXXX";
        if (::mkdtemp(pattern)) folder_ = std::string(pattern) + "/";
        std::ofstream out(folder_ + "Bench.lng", std::ios::binary);
        out << "; generated for the lookup benchmark\r\n[Language]\r\n";
        for (int i = 0; i < kFileKeys; ++i) {
            std::string key = Key(i);
            std::string text = "Text number " + std::to_string(i) + " of key " + key;
            text += std::string(static_cast<size_t>(i % 60), 'x');
            out << key << "=" << text << "\r\n";
        }
        // Distinct keys spread over the whole file, the last near its end.
        for (int n = 0; n < kLookups; ++n) keys_.push_back(Key(n * (kFileKeys - 1) / (kLookups - 1)));
        settings_.SaveSetting(kv::kAppName, "Language", "Current", "Bench");
        settings_.SaveSetting(kv::kAppName, "Language", "Bench", "Bench.lng");
    }
    ~LanguageFixture() {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
    static std::string Key(int i) {
        const char* families[] = {"KVBASIC", "SSCONTRL", "Caption"};
        std::string digits = std::to_string(1000 + i);
        return families[i % 3] + digits;
    }

    kv::Language MakeLanguage() {
        kv::Language lang(settings_, folder_);
        lang.SetChangerLauncher([] {});
        lang.SetEndProgram([] {});
        return lang;
    }
    const std::vector<std::string>& keys() const { return keys_; }

private:
    std::string folder_;
    kv::MemorySettingsStore settings_;
    std::vector<std::string> keys_;
};

LanguageFixture& Fixture() {
    static LanguageFixture fixture;
    return fixture;
}

void BM_354Lookups_WarmCache(benchmark::State& state) {
    auto lang = Fixture().MakeLanguage();
    kv::ClearProfileCache();
    lang.GetLanguageText(Fixture().keys().front());  // binds and fills the cache
    size_t bytes = 0;
    for (auto _ : state) {
        for (const auto& key : Fixture().keys()) bytes += lang.GetLanguageText(key).size();
    }
    benchmark::DoNotOptimize(bytes);
    state.counters["parses"] = static_cast<double>(kv::ProfileParseCount());
    state.SetItemsProcessed(state.iterations() * kLookups);
}
BENCHMARK(BM_354Lookups_WarmCache)->Unit(benchmark::kMicrosecond);

void BM_354Lookups_CacheClearedPerRun(benchmark::State& state) {
    auto lang = Fixture().MakeLanguage();
    size_t bytes = 0;
    for (auto _ : state) {
        kv::ClearProfileCache();
        for (const auto& key : Fixture().keys()) bytes += lang.GetLanguageText(key).size();
    }
    benchmark::DoNotOptimize(bytes);
    state.SetItemsProcessed(state.iterations() * kLookups);
}
BENCHMARK(BM_354Lookups_CacheClearedPerRun)->Unit(benchmark::kMicrosecond);

void BM_354Lookups_CacheClearedPerLookup(benchmark::State& state) {
    auto lang = Fixture().MakeLanguage();
    size_t bytes = 0;
    for (auto _ : state) {
        for (const auto& key : Fixture().keys()) {
            kv::ClearProfileCache();
            bytes += lang.GetLanguageText(key).size();
        }
    }
    benchmark::DoNotOptimize(bytes);
    state.SetItemsProcessed(state.iterations() * kLookups);
}
BENCHMARK(BM_354Lookups_CacheClearedPerLookup)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
