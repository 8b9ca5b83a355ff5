// How fast a large results page is parsed: the line reader, the three tests and the list rows.
#include "../app/core.h"
#include "../app/program_state.h"
#include "../platform/gui.h"
#include "../platform/web.h"
#include "../search/search.h"
#include "../tools/demo_service/demo_service.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

namespace {

std::string WriteLargePage() {
    // The demo's markup for every track of the catalogue, repeated to about 2 MB.
    std::string page;
    std::string one = DemoResultsPage("e", true);
    while (page.size() < 2'000'000) page += one;
    std::filesystem::path path = std::filesystem::temp_directory_path() / "muzyka-bench-page.html";
    std::ofstream(path, std::ios::binary) << page;
    return path.string();
}

void ParseLargePage(benchmark::State& state) {
    static std::string path = WriteLargePage();
    std::size_t bytes = std::filesystem::file_size(path);
    for (auto _ : state) {
        DeleteAllListRows(ResultsList);
        ParseResultsPage(path);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations() * bytes));
}
BENCHMARK(ParseLargePage)->Unit(benchmark::kMillisecond);

void CleanTitles(benchmark::State& state) {
    std::string title = "<span class=\"match\">Depeche</span> Mode &#8211; Enjoy &quot;The&quot; Silence &#8230;";
    for (auto _ : state) benchmark::DoNotOptimize(CleanMarkup(title));
    state.SetBytesProcessed(std::int64_t(state.iterations() * title.size()));
}
BENCHMARK(CleanTitles);

// One search on loopback as the click runs it: the fetch with the session, the parse, the rows.
void SearchRoundTrip(benchmark::State& state) {
    DemoService service("demo.localhost");
    int port = service.Start();
    std::string saved = ServiceDomain;
    ServiceDomain = "demo.localhost:" + std::to_string(port);
    URLDownloadToFileA("http://login." + ServiceDomain + "/?act=login&email=" + DemoLoginEmail + "&pass=" +
                           DemoLoginPassword + "&expire=&vk =",
                       ResultsPageFilePath());
    for (auto _ : state) RunSearch(BuildSearchAddress("Depeche Mode Remix"));
    state.counters["rows"] = ListRowCount(ResultsList);
    ServiceDomain = saved;
}
BENCHMARK(SearchRoundTrip)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    ServiceDomain = "offline.localhost:9";
    InitialiseGui(argc, argv);
    RunStartUp();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
