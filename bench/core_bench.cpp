// Speed of one whole calculation on an in-memory record, and of its building blocks.
#include "core/calculation.h"
#include "core/correlations.h"
#include "core/number_text.h"

#include <benchmark/benchmark.h>

namespace {

void whole_calculation(benchmark::State &state)
{
    c3f8::field_record record;
    record.texts = {"-25", "15", "0.1", "0.9", "500", "10"};
    for (auto _ : state) {
        auto outcome = c3f8::calculate(record, ".");
        benchmark::DoNotOptimize(outcome);
        benchmark::DoNotOptimize(record.texts.data());
    }
}
BENCHMARK(whole_calculation);

template <double (*fit)(double)> void correlation(benchmark::State &state)
{
    double x = state.range(0) / 10.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(fit(x));
    }
}
BENCHMARK(correlation<c3f8::psat>)->Name("psat")->Arg(-250);
BENCHMARK(correlation<c3f8::psat_shown>)->Name("psat_shown")->Arg(-250);
BENCHMARK(correlation<c3f8::hliq>)->Name("hliq")->Arg(17);
BENCHMARK(correlation<c3f8::hvap>)->Name("hvap")->Arg(17);
BENCHMARK(correlation<c3f8::tliq>)->Name("tliq")->Arg(1838);

void read_text(benchmark::State &state)
{
    const std::string text = "-173.615";
    for (auto _ : state)
        benchmark::DoNotOptimize(c3f8::text_to_number(text, "."));
}
BENCHMARK(read_text);

void format_text(benchmark::State &state)
{
    double value = 173.61512;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(c3f8::format_number(value, c3f8::patterns::tenths, ","));
    }
}
BENCHMARK(format_text);

void shortest_text(benchmark::State &state)
{
    double value = 0.7;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(c3f8::number_to_text(value, "."));
    }
}
BENCHMARK(shortest_text);

} // namespace
