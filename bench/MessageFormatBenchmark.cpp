// The two formatted log lines of a search, in English: 121 (installed printers and how many match) and 125
// (how many were found), through the catalogue (text lookup and formatting) and through the formatting alone.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "fakes/FakeStringResources.h"
#include "messages/MessageCatalogue.h"
#include "messages/MessageFormat.h"

namespace {

void BM_CatalogueFormat(benchmark::State& state) {
    FakeStringResources resources = FakeStringResources::WithCatalogues();
    const MessageCatalogue catalogue(resources, 1033);
    const int id = static_cast<int>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(id == MSG_INSTALLED_COUNTS ? catalogue.Format(id, {12, 3})
                                                            : catalogue.Format(id, {5}));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CatalogueFormat)->Arg(MSG_INSTALLED_COUNTS)->Arg(MSG_FOUND_COUNT);

void BM_FormatMessageText(benchmark::State& state) {
    const int id = static_cast<int>(state.range(0));
    const std::wstring format = EnglishText(id);
    const int32_t installedCounts[] = {12, 3};
    const int32_t foundCount[] = {5};
    const std::span<const int32_t> arguments =
        id == MSG_INSTALLED_COUNTS ? std::span<const int32_t>(installedCounts) : std::span<const int32_t>(foundCount);
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatMessageText(format, arguments));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FormatMessageText)->Arg(MSG_INSTALLED_COUNTS)->Arg(MSG_FOUND_COUNT);

} // namespace
