// The complete engine run of the shipped example, in process and without the
// final 50 ms wait: reading, all analyses and every result file. Beside the
// time it reports the section evaluations and the heap of one run, and each
// stage of the run on its own.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdlib>
#include <new>

#include "example_design.h"
#include "io/input_reader.h"
#include "io/run_sequence.h"
#include "section/section_response.h"

// Allocation counter: every operator new of this program passes here.
namespace {
unsigned long long allocations = 0;
}

// GCC 12 takes the free() in the replaced operator delete for a mismatch.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void *operator new(std::size_t size) {
    ++allocations;
    if (void *p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void *p) noexcept { std::free(p); }
void operator delete(void *p, std::size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop

namespace {

using benchexample::ExampleCalculation;
using benchexample::ExampleFolder;
using benchexample::QuietConsole;

std::size_t heapInUse() { return mallinfo2().uordblks; }

// range(0) = 1: every run in a fresh run folder, as the front end starts it;
// 0: every run again in the same run folder, whose files are truncated.
void fullRun(benchmark::State &state) {
    const bool fresh = state.range(0) == 1;
    state.SetLabel(fresh ? "fresh run folder" : "same run folder");
    ExampleFolder folder;
    if (!folder.ready()) {
        state.SkipWithError("example design could not be copied");
        return;
    }
    QuietConsole quiet;
    runInWorkFolder(folder.workFolder());  // first run: one-time initialisations done
    const std::size_t heapAfterFirst = heapInUse();
    const unsigned long long evaluations = sectionEvaluationCount();
    const unsigned long long allocated = allocations;
    for (auto _ : state) {
        if (fresh) {
            state.PauseTiming();
            const bool ok = folder.nextRunFolder();
            state.ResumeTiming();
            if (!ok) {
                state.SkipWithError("run folder could not be prepared");
                break;
            }
        }
        runInWorkFolder(folder.workFolder());
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["evaluations"] = (sectionEvaluationCount() - evaluations) / runs;
    state.counters["allocations"] = (allocations - allocated) / runs;
    // Heap still in use after the last run beyond that after the first.
    state.counters["heapGrowth_B"] =
        static_cast<double>(heapInUse()) - static_cast<double>(heapAfterFirst);
}
BENCHMARK(fullRun)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// The stages of the run, each on a calculation brought to the state in which
// the run sequence starts it.
enum Stage {
    Setup,            // result files, input and tables, models
    Interaction,      // moment-shear relation
    UltimateLimits,   // uncracked range, elastic and plastic limits
    UltimateDesign,   // design state with its rows
    Curve,            // moment-curvature relation with its rows
    ServiceLimits,
    ServiceDesign,    // without tension stiffening
    ServiceDesignTs,  // with tension stiffening
};
const char *const stageNames[] = {"setup",          "interaction",   "ultimateLimits",
                                  "ultimateDesign", "curve",         "serviceLimits",
                                  "serviceDesign",  "serviceDesignTs"};

void limits(Calculation &c) {
    c.elasticLimitMoments();
    c.plasticLimitMoments(1);
}

void prepare(ExampleCalculation &e, int stage) {
    Calculation &c = e.calc();
    const DesignInput &in = e.input();
    c.shearFails(in.V_t);
    c.setActions(in.M_t, in.V_t);
    e.writer().selectUltimate();
    e.writer().selectWithoutTensionStiffening();
    if (stage == UltimateDesign || stage == Curve) limits(c);
    if (stage == Curve) c.designState();
    if (stage < ServiceLimits) return;
    c.shearFails(in.V_g);
    c.setActions(in.M_g, in.V_g);
    e.writer().selectServiceability();
    if (stage >= ServiceDesign) limits(c);
    if (stage == ServiceDesignTs) c.switchTensionStiffeningOn();
}

void runStage(ExampleCalculation &e, int stage) {
    Calculation &c = e.calc();
    const DesignInput &in = e.input();
    switch (stage) {
    case Interaction: c.momentShearInteraction(in.V_t >= 0, in.M_t >= 0); break;
    case UltimateLimits:
    case ServiceLimits: limits(c); break;
    case Curve: c.momentCurvature(); break;
    default: c.designState(); break;
    }
}

void stage(benchmark::State &state) {
    const int stage = static_cast<int>(state.range(0));
    state.SetLabel(stageNames[stage]);
    QuietConsole quiet;
    if (stage == Setup) {
        ExampleFolder folder;
        for (auto _ : state) {
            DesignInput in;
            in.runFolder = folder.runFolder();
            ResultWriter writer(in.runFolder);
            if (readInput(in)) {
                Calculation c(in, writer);
                benchmark::DoNotOptimize(&c);
            }
        }
        return;
    }
    ExampleCalculation e;
    if (!e.ready()) {
        state.SkipWithError("example design could not be read");
        return;
    }
    prepare(e, stage);
    const unsigned long long evaluations = sectionEvaluationCount();
    for (auto _ : state) runStage(e, stage);
    state.counters["evaluations"] =
        (sectionEvaluationCount() - evaluations) / static_cast<double>(state.iterations());
}
BENCHMARK(stage)->DenseRange(Setup, ServiceDesignTs)->Unit(benchmark::kMicrosecond);

}  // namespace
