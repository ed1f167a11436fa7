// The profile search of the shipped example over the whole profile table
// (90 rolled profiles) and over the IPE series, wall time: engines at a
// time as the machine has cores, each run in its own folder, every row read
// back. The engine program beside this benchmark calculates; the counter
// "profiles" says how many rows were calculated.
#include <QCoreApplication>
#include <benchmark/benchmark.h>

#include "files/design_choices.h"
#include "files/design_file.h"
#include "platform/platform.h"
#include "search/profile_search.h"

namespace {

// The search waits in an event loop of the application.
QCoreApplication &application() {
    static int argc = 1;
    static char name[] = "norvel_bench";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

void profileSearch(benchmark::State &state) {
    application();
    const auto series = static_cast<profilesearch::Series>(state.range(0));
    const designfile::ReadResult example =
        designfile::read(platform::findDataFile("inputstart.txt"), designchoices::choices());
    if (!example.ok) {
        state.SkipWithError("example design could not be read");
        return;
    }
    state.SetLabel(profilesearch::seriesCaption(series).toStdString() + ", " +
                   std::to_string(ProfileSearch::engineLimit()) + " engines at a time");
    int calculated = 0;
    for (auto _ : state) {
        ProfileSearch search;
        if (!search.runToEnd(example.design, series)) {
            state.SkipWithError(search.error().toStdString().c_str());
            return;
        }
        calculated = 0;
        for (const profilesearch::SearchRow &row : search.rows()) calculated += row.calculated ? 1 : 0;
    }
    state.counters["profiles"] = calculated;
}
BENCHMARK(profileSearch)
    ->Arg(static_cast<int>(profilesearch::Series::All))
    ->Arg(static_cast<int>(profilesearch::Series::IPE))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);

}  // namespace
