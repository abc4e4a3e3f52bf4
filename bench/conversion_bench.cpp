#include "conversion/core/Calculate.h"
#include "conversion/core/ScoreConversion.h"

#include <array>
#include <benchmark/benchmark.h>
#include <cstddef>

namespace {

using conversion::ScoreField;

void BM_PercentileFromZ(benchmark::State& state) {
    double z = -6.99;
    for (auto _ : state) {
        benchmark::DoNotOptimize(conversion::PercentileFromZ(z));
        z = z > 6.99 ? -6.99 : z + 0.01;
    }
}
BENCHMARK(BM_PercentileFromZ);

void BM_ZFromPercentile(benchmark::State& state) {
    double percentile = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(conversion::ZFromPercentile(percentile));
        percentile = percentile > 99 ? 1 : percentile + 0.01;
    }
}
BENCHMARK(BM_ZFromPercentile);

// One press from typed texts to the seven result texts. Each press starts from a fresh copy of
// the typed form (ten short texts), so it never converts the results of the press before; the
// copy is part of the figure.
void Press(benchmark::State& state, const std::array<const char*, 10>& texts) {
    conversion::ScoreTexts typed;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        typed.SetText(static_cast<ScoreField>(i), texts[i]);
    }
    for (auto _ : state) {
        conversion::ScoreTexts form = typed;
        conversion::Calculate(form);
        benchmark::DoNotOptimize(form);
    }
}

void BM_CalculateRawRoad(benchmark::State& state) {
    Press(state, {"60", "50", "10", "", "", "", "", "", "", ""});
}
BENCHMARK(BM_CalculateRawRoad);

void BM_CalculateFromPercentile(benchmark::State& state) {
    Press(state, {"", "", "", "", "", "", "", "", "", "84"});
}
BENCHMARK(BM_CalculateFromPercentile);

void BM_CalculateFromWechsler(benchmark::State& state) {
    Press(state, {"", "", "", "", "", "130", "", "", "", ""});
}
BENCHMARK(BM_CalculateFromWechsler);

} // namespace

BENCHMARK_MAIN();
