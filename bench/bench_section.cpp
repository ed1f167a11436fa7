// Section evaluation, N = 0 iteration, design state and limit moments of the
// shipped example design (data/inputstart.txt: IPE 400 under a 160 x 2000 slab).
#include <benchmark/benchmark.h>

#include "analysis/limit_moments.h"
#include "analysis/strain_solver.h"
#include "example_design.h"
#include "section/section_response.h"

namespace {

benchexample::ExampleCalculation &example() {
    static benchexample::ExampleCalculation e;
    return e;
}

// Ultimate limit state of the example: actions, uncracked range and limits.
CompositeSection *preparedSection(benchmark::State &state, double M_Ed) {
    benchexample::ExampleCalculation &e = example();
    if (!e.ready()) {
        state.SkipWithError("example design could not be read");
        return nullptr;
    }
    CompositeSection &s = e.section();
    s.setActions(M_Ed, e.input().V_t);
    computeUncrackedElasticRange(s);
    computeElasticLimits(s);
    computePlasticLimits(s, 1);
    return &s;
}

struct Plane {
    double kappa, z0;
};
// Elastic sagging, sagging with the axis in the slab, hogging with yielded bars.
const Plane planes[] = {{0.002, 390.0}, {0.02, 470.0}, {-0.02, 380.0}};

void sectionEvaluation(benchmark::State &state) {
    CompositeSection *s = preparedSection(state, 4e8);
    if (!s) return;
    const Plane p = planes[state.range(0)];
    for (auto _ : state) benchmark::DoNotOptimize(evaluateSection(*s, p.kappa, p.z0));
}
BENCHMARK(sectionEvaluation)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

void zeroAxialForce(benchmark::State &state) {
    CompositeSection *s = preparedSection(state, 4e8);
    if (!s) return;
    const double kappa = state.range(0) == 0 ? 0.01 : -0.01;
    for (auto _ : state) benchmark::DoNotOptimize(pointWithZeroN(*s, kappa, s->Z_el_na));
}
BENCHMARK(zeroAxialForce)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);

// 4e8: uncracked range (one evaluation); 8.5e8 and -5e8: curvature bisection.
void designState(benchmark::State &state) {
    const double moments[] = {4e8, 8.5e8, -5e8};
    CompositeSection *s = preparedSection(state, moments[state.range(0)]);
    if (!s) return;
    for (auto _ : state) benchmark::DoNotOptimize(solveDesignState(*s));
}
BENCHMARK(designState)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// Uncracked range, elastic and plastic limits for both directions.
void limitMoments(benchmark::State &state) {
    CompositeSection *s = preparedSection(state, 4e8);
    if (!s) return;
    for (auto _ : state) {
        computeUncrackedElasticRange(*s);
        computeElasticLimits(*s);
        computePlasticLimits(*s, 1);
        benchmark::DoNotOptimize(s->plasticLimit[0].M);
    }
}
BENCHMARK(limitMoments)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
