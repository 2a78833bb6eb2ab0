// Speed of one whole calculation on an in-memory record, and of its building blocks.
#include "core/calculation.h"
#include "core/correlations.h"
#include "core/number_text.h"
#include "core/reference_equation.h"
#include "core/reference_properties.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

// The same points under either properties, side by side: a sweep of 1,000 points over the
// fits' trusted range, as texts (the window's and the command line's run) and as numbers (the
// library's many points).
constexpr int sweep_points = 1000;

std::vector<std::array<double, c3f8::input_count>> sweep()
{
    std::vector<std::array<double, c3f8::input_count>> points;
    for (int i = 0; i < sweep_points; ++i)
        points.push_back({-45 + 75.0 * i / sweep_points, -30 + 60.0 * (i % 37) / 37, 0.1, 0.9,
                          500, 10});
    return points;
}

void sweep_on_texts(benchmark::State &state)
{
    const auto from = static_cast<c3f8::properties>(state.range(0));
    std::vector<c3f8::field_record> records;
    for (const auto &point : sweep()) {
        c3f8::field_record record;
        for (std::size_t i = 0; i < c3f8::input_count; ++i)
            record.texts[i] = c3f8::number_to_text(point[i], ".");
        records.push_back(record);
    }
    for (auto _ : state) {
        for (auto &record : records) {
            c3f8::field_record working = record;
            benchmark::DoNotOptimize(c3f8::calculate(working, ".", from));
        }
    }
    state.SetItemsProcessed(state.iterations() * sweep_points);
    state.SetLabel(std::string(c3f8::row(from).name));
}
BENCHMARK(sweep_on_texts)->Arg(0)->Arg(1);

void sweep_on_numbers(benchmark::State &state)
{
    const auto from = static_cast<c3f8::properties>(state.range(0));
    const auto points = sweep();
    std::array<bool, c3f8::warning_count> warnings{};
    for (auto _ : state)
        for (const auto &point : points)
            benchmark::DoNotOptimize(c3f8::calculate(point, warnings, from));
    state.SetItemsProcessed(state.iterations() * sweep_points);
    state.SetLabel(std::string(c3f8::row(from).name));
}
BENCHMARK(sweep_on_numbers)->Arg(0)->Arg(1);

// The saturated state from the expansions and from the equation solved in full.
void saturation(benchmark::State &state)
{
    double t = -25;
    for (auto _ : state) {
        benchmark::DoNotOptimize(t);
        if (state.range(0) == 0)
            benchmark::DoNotOptimize(c3f8::reference::saturation(t));
        else
            benchmark::DoNotOptimize(c3f8::reference_equation::saturation(t));
    }
    state.SetLabel(state.range(0) == 0 ? "expansions" : "full solver");
}
BENCHMARK(saturation)->Arg(0)->Arg(1);

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
