// The C interface as its callers use it: the window's texts and figures through both entry
// points, the statuses at its boundary, and many points from several threads at once.
#include "c3f8calc.h"

#include "core/calculation.h"
#include "core/number_text.h"
#include "test_seed.h"
#include "worked_runs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <bit>
#include <cmath>
#include <cstring>
#include <random>
#include <thread>
#include <vector>

using namespace c3f8;

namespace {

struct point_run
{
    c3f8_status status;
    std::vector<std::string> texts;
    c3f8_outcome outcome{};
};

point_run run_texts(const std::array<std::string, input_count> &typed, const char *separator = ".")
{
    const char *inputs[C3F8_INPUT_COUNT];
    for (std::size_t i = 0; i < input_count; ++i)
        inputs[i] = typed[i].c_str();
    std::vector<char> buffer(C3F8_RESULT_COUNT * C3F8_TEXT_MAX);
    point_run r;
    r.status = c3f8_calculate(inputs, separator, buffer.data(), C3F8_TEXT_MAX, &r.outcome, nullptr);
    for (std::size_t i = 0; i < result_count; ++i)
        r.texts.emplace_back(buffer.data() + i * C3F8_TEXT_MAX);
    return r;
}

// Points as numbers, each input a column of its own.
struct many_points
{
    std::array<std::vector<double>, input_count> inputs;
    std::vector<double> values;
    std::vector<int8_t> warnings;
    std::vector<uint32_t> outside;
    std::vector<int32_t> kinds, fields;
    int64_t failed = -1;

    c3f8_status run()
    {
        const auto n = static_cast<int64_t>(inputs[0].size());
        values.assign(n * C3F8_RESULT_COUNT, 0);
        warnings.assign(n * C3F8_WARNING_COUNT, 0);
        outside.assign(n, 0);
        kinds.assign(n, 0);
        fields.assign(n, 0);
        const double *pointers[C3F8_INPUT_COUNT];
        int64_t strides[C3F8_INPUT_COUNT];
        for (std::size_t i = 0; i < input_count; ++i) {
            pointers[i] = inputs[i].data();
            strides[i] = sizeof(double);
        }
        return c3f8_calculate_many(n, pointers, strides, values.data(), warnings.data(),
                                   outside.data(), kinds.data(), fields.data(), &failed);
    }
};

std::array<std::string, input_count> typed_of(const worked_run &run)
{
    std::array<std::string, input_count> typed;
    for (std::size_t i = 0; i < input_count; ++i)
        typed[i] = run.typed[i];
    return typed;
}

// What the core gives for the shortest texts of numbers, to hold the numeric entry point to.
struct expected_point
{
    field_record record;
    run_outcome outcome;
};
expected_point from_texts(const std::array<double, input_count> &numbers)
{
    expected_point e;
    // The shortest text that reads back to each: number_to_text's, but for -0.0, which it
    // writes as "0".
    for (std::size_t i = 0; i < input_count; ++i)
        e.record.texts[i] = !std::isfinite(numbers[i]) ? std::string("nan")
                            : numbers[i] == 0 && std::signbit(numbers[i])
                                ? std::string("-0")
                                : number_to_text(numbers[i], ".");
    e.outcome = calculate(e.record, ".");
    return e;
}

// Whether point j of many equals the core's run on texts, to the bit.
::testing::AssertionResult same_point(const many_points &many, std::size_t j,
                                      const expected_point &e)
{
    for (std::size_t i = 0; i < result_count; ++i) {
        const double got = many.values[j * result_count + i];
        const auto want = e.outcome.values[i];
        if (want ? std::memcmp(&got, &*want, sizeof got) != 0 : !std::isnan(got))
            return ::testing::AssertionFailure() << field_name(result(i)) << " is " << got;
    }
    for (std::size_t w = 0; w < warning_count; ++w) {
        const int want = e.outcome.decided[w] ? int(e.record.warnings[w]) : -1;
        if (many.warnings[j * warning_count + w] != want)
            return ::testing::AssertionFailure() << "warning " << w;
    }
    if (many.outside[j] != e.outcome.outside_fits.to_ulong())
        return ::testing::AssertionFailure() << "outside_fits " << many.outside[j];
    const int kind = e.outcome.failure ? int(e.outcome.failure->kind) : -1;
    const int f = e.outcome.failure ? int(index(e.outcome.failure->field)) : -1;
    if (many.kinds[j] != kind || many.fields[j] != f)
        return ::testing::AssertionFailure()
               << "failure " << many.kinds[j] << " " << many.fields[j];
    return ::testing::AssertionSuccess();
}

} // namespace

TEST(Library, GivesTheWindowsTextsAndFiguresThroughBothEntryPoints)
{
    many_points many;
    for (const auto &worked : worked_runs) {
        const point_run r = run_texts(typed_of(worked));
        ASSERT_EQ(r.status, C3F8_OK);
        for (std::size_t i = 0; i < result_count; ++i)
            EXPECT_EQ(r.texts[i], worked.shown[i]);
        for (std::size_t w = 0; w < warning_count; ++w)
            EXPECT_EQ(r.outcome.warnings[w], worked.warnings[w]);
        EXPECT_EQ(r.outcome.failure_kind, -1);
        for (std::size_t i = 0; i < input_count; ++i)
            many.inputs[i].push_back(std::stod(std::string(worked.typed[i])));
    }
    ASSERT_EQ(many.run(), C3F8_OK);
    EXPECT_EQ(many.failed, 0);
    for (std::size_t j = 0; j < std::size(worked_runs); ++j) {
        const point_run r = run_texts(typed_of(worked_runs[j]));
        for (std::size_t i = 0; i < result_count; ++i)
            EXPECT_EQ(many.values[j * result_count + i], r.outcome.values[i]);
        EXPECT_TRUE(
            same_point(many, j,
                       from_texts({many.inputs[0][j], many.inputs[1][j], many.inputs[2][j],
                                   many.inputs[3][j], many.inputs[4][j], many.inputs[5][j]})));
    }
}

TEST(Library, StopsWhereTheWindowStops)
{
    // An unreadable input: an empty text, or a NaN or infinite number; a division by zero.
    const std::pair<field, std::size_t> stops[] = {{field::tevap, 0}, {field::tsub, 3},
                                                   {field::x_we, 4},  {field::x_wy, 4},
                                                   {field::Qw, 10},   {field::m, 11}};
    for (const auto &[unreadable, written] : stops) {
        auto typed = typed_of(worked_runs[1]);
        typed[index(unreadable)] = "";
        const point_run r = run_texts(typed);
        ASSERT_EQ(r.status, C3F8_OK);
        EXPECT_EQ(r.outcome.failure_kind, int(error_kind::conversion));
        EXPECT_EQ(r.outcome.failure_field, int(index(unreadable)));
        for (std::size_t i = 0; i < result_count; ++i) {
            EXPECT_EQ(r.texts[i].empty(), i >= written);
            EXPECT_EQ(std::isnan(r.outcome.values[i]), i >= written);
        }
        EXPECT_EQ(r.outcome.warnings[0], written >= 10 ? 0 : -1);
        EXPECT_EQ(r.outcome.warnings[1], -1);

        many_points many;
        for (const double bad : {NAN, INFINITY, -INFINITY}) {
            for (std::size_t i = 0; i < input_count; ++i)
                many.inputs[i].push_back(
                    i == index(unreadable) ? bad : std::stod(typed_of(worked_runs[1])[i]));
        }
        ASSERT_EQ(many.run(), C3F8_OK);
        EXPECT_EQ(many.failed, 3);
        for (std::size_t j = 0; j < 3; ++j)
            EXPECT_EQ(many.fields[j], int(index(unreadable)));
    }
    auto half = typed_of(worked_runs[0]);
    half[index(field::x_we)] = half[index(field::x_wy)] = "0.5";
    const point_run r = run_texts(half);
    EXPECT_EQ(r.outcome.failure_kind, int(error_kind::division_by_zero));
    EXPECT_EQ(r.outcome.failure_field, int(index(field::m_opt)));
}

TEST(Library, AgreesWithTheRunOnTextsForAnyNumbers)
{
    const auto seed = test_seed();
    SCOPED_TRACE(seed_note(seed));
    std::mt19937_64 random(seed);
    // Around the worked runs, over every order of magnitude, and any bits at all.
    std::normal_distribution<double> near(0.0, 1.0);
    std::uniform_int_distribution<int> magnitude(-320, 308), kind(0, 9);
    std::uniform_int_distribution<std::uint64_t> bits;
    many_points many;
    std::vector<std::array<double, input_count>> points(100'000);
    for (auto &point : points) {
        for (std::size_t i = 0; i < input_count; ++i) {
            const double typical = std::stod(std::string(worked_runs[0].typed[i]));
            const int k = kind(random);
            double x = k < 6   ? typical * (1 + 0.5 * near(random))
                       : k < 8 ? near(random) * std::pow(10.0, magnitude(random))
                       : k < 9 ? -0.0
                               : std::bit_cast<double>(bits(random));
            point[i] = x;
            many.inputs[i].push_back(x);
        }
    }
    ASSERT_EQ(many.run(), C3F8_OK);
    for (std::size_t j = 0; j < points.size(); ++j)
        ASSERT_TRUE(same_point(many, j, from_texts(points[j]))) << "point " << j;
}

TEST(Library, RefusesBadArgumentsWithAStatus)
{
    const auto typed = typed_of(worked_runs[0]);
    const char *inputs[C3F8_INPUT_COUNT];
    for (std::size_t i = 0; i < input_count; ++i)
        inputs[i] = typed[i].c_str();
    std::vector<char> buffer(C3F8_RESULT_COUNT * C3F8_TEXT_MAX, 'x');
    c3f8_outcome outcome{};
    int64_t needed = 0;
    EXPECT_EQ(c3f8_calculate(nullptr, ".", buffer.data(), C3F8_TEXT_MAX, &outcome, nullptr),
              C3F8_ERROR_NULL_POINTER);
    for (const char *separator : {"", "0", "+", "-", " ", "e", "E", ".e", "123456789"})
        EXPECT_EQ(
            c3f8_calculate(inputs, separator, buffer.data(), C3F8_TEXT_MAX, &outcome, nullptr),
            C3F8_ERROR_BAD_SEPARATOR)
            << separator;
    // "-32.5" needs six bytes: five say so and leave the buffer as it was.
    EXPECT_EQ(c3f8_calculate(inputs, ".", buffer.data(), 5, &outcome, &needed),
              C3F8_ERROR_BUFFER_TOO_SMALL);
    EXPECT_EQ(needed, 6);
    EXPECT_EQ(std::count(buffer.begin(), buffer.end(), 'x'), std::ssize(buffer));
    EXPECT_EQ(c3f8_calculate(inputs, ".", buffer.data(), 6, &outcome, &needed), C3F8_OK);
    EXPECT_EQ(c3f8_calculate(inputs, ".", nullptr, 0, &outcome, &needed),
              C3F8_ERROR_BUFFER_TOO_SMALL); // asking for the size
    double read = 0;
    int32_t readable = -1;
    EXPECT_EQ(c3f8_read_number(" -0,5e1 ", ",", &read, &readable), C3F8_OK);
    EXPECT_EQ(read, -5.0);
    EXPECT_EQ(c3f8_read_number("0.5", ",", &read, &readable), C3F8_OK);
    EXPECT_EQ(readable, 0);

    // A separator may be as long as C3F8_SEPARATOR_MAX bytes.
    EXPECT_EQ(c3f8_calculate(inputs, "abcdfghi", buffer.data(), C3F8_TEXT_MAX, &outcome, nullptr),
              C3F8_OK);
    const char *missing[C3F8_INPUT_COUNT] = {nullptr,   inputs[1], inputs[2],
                                             inputs[3], inputs[4], inputs[5]};
    EXPECT_EQ(c3f8_calculate(missing, ".", buffer.data(), C3F8_TEXT_MAX, &outcome, nullptr),
              C3F8_ERROR_NULL_POINTER);

    c3f8_field_info info;
    const char *name = nullptr, *text = nullptr;
    int32_t kind = 0, of = 0;
    ASSERT_EQ(c3f8_field(int32_t(index(field::pevap)), &info), C3F8_OK);
    EXPECT_EQ(info.is_input * 10 + info.decimals, 3);
    ASSERT_EQ(c3f8_field(int32_t(index(field::m)), &info), C3F8_OK);
    EXPECT_EQ(info.is_input * 10 + info.decimals, 9);
    ASSERT_EQ(c3f8_version(&name), C3F8_OK);
    EXPECT_STREQ(name, "1.10");
    EXPECT_EQ(c3f8_version(nullptr), C3F8_ERROR_NULL_POINTER);
    ASSERT_EQ(c3f8_warning(1, &name, &text), C3F8_OK);
    EXPECT_STREQ(name, "m_warn");
    EXPECT_EQ(c3f8_warning(0, nullptr, &text), C3F8_ERROR_NULL_POINTER);
    EXPECT_EQ(c3f8_field(C3F8_FIELD_COUNT, &info), C3F8_ERROR_BAD_INDEX);
    EXPECT_EQ(c3f8_field(-1, &info), C3F8_ERROR_BAD_INDEX);
    EXPECT_EQ(c3f8_field(0, nullptr), C3F8_ERROR_NULL_POINTER);
    EXPECT_EQ(c3f8_warning(C3F8_WARNING_COUNT, &name, &text), C3F8_ERROR_BAD_INDEX);
    EXPECT_EQ(c3f8_failure_kind(int32_t(error_kind_count), &name, &text), C3F8_ERROR_BAD_INDEX);
    EXPECT_EQ(c3f8_column(int32_t(column_count), &name, &kind, &of), C3F8_ERROR_BAD_INDEX);
    EXPECT_EQ(c3f8_field_index("Tevap", &of), C3F8_ERROR_BAD_INDEX);
    EXPECT_EQ(c3f8_psat(0, nullptr), C3F8_ERROR_NULL_POINTER);
    char small[8];
    EXPECT_EQ(c3f8_format_result(0, 1.0, ".", small, 8, nullptr), C3F8_ERROR_BAD_INDEX);
    EXPECT_EQ(c3f8_format_result(int32_t(index(field::pevap)), NAN, ".", small, 8, nullptr),
              C3F8_ERROR_BAD_VALUE);
    EXPECT_EQ(c3f8_format_result(int32_t(index(field::pevap)), 1234.5, ",", small, 8, &needed),
              C3F8_ERROR_BUFFER_TOO_SMALL);
    EXPECT_EQ(needed, 9); // "1234,500"
    EXPECT_EQ(c3f8_failure_message(0, C3F8_FIELD_COUNT, small, 8, nullptr), C3F8_ERROR_BAD_INDEX);
    EXPECT_EQ(c3f8_failure_message(0, 0, small, -1, nullptr), C3F8_ERROR_BAD_COUNT);
    EXPECT_EQ(c3f8_format_result(int32_t(index(field::pevap)), 1.0, ".", nullptr, 5, nullptr),
              C3F8_ERROR_NULL_POINTER);
    int64_t failed = 0;
    EXPECT_EQ(c3f8_calculate_many(-1, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                  &failed),
              C3F8_ERROR_BAD_COUNT);
    EXPECT_EQ(c3f8_calculate_many(0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                  &failed),
              C3F8_OK);
    EXPECT_EQ(c3f8_calculate_many(1, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                  &failed),
              C3F8_ERROR_NULL_POINTER);
    const double x = 1.0;
    const double *one_null[C3F8_INPUT_COUNT] = {nullptr, &x, &x, &x, &x, &x};
    const int64_t no_strides[C3F8_INPUT_COUNT] = {};
    double values[C3F8_RESULT_COUNT];
    int8_t warnings[C3F8_WARNING_COUNT];
    uint32_t outside = 0;
    int32_t failure_kind = 0, failure_field = 0;
    EXPECT_EQ(c3f8_calculate_many(1, one_null, no_strides, values, warnings, &outside,
                                  &failure_kind, &failure_field, &failed),
              C3F8_ERROR_NULL_POINTER);
    EXPECT_STREQ(c3f8_status_text(C3F8_ERROR_BUFFER_TOO_SMALL), "a text buffer is too small");
    EXPECT_STREQ(c3f8_status_text(99), "unknown status");
}

TEST(Library, GivesTheSameFromSeveralThreadsAtOnce)
{
    // Two sweeps of the heat load and the temperature, each broadcast over the other inputs.
    constexpr int64_t n = 100'000;
    std::vector<double> sweep(n);
    for (int64_t j = 0; j < n; ++j)
        sweep[j] = -60.0 + 0.001 * double(j);
    const double fixed[input_count] = {-25, 15, 0.1, 0.9, 500, 10};
    const auto run = [&](std::size_t swept, std::vector<double> &values) {
        const double *pointers[C3F8_INPUT_COUNT];
        int64_t strides[C3F8_INPUT_COUNT] = {};
        for (std::size_t i = 0; i < input_count; ++i)
            pointers[i] = &fixed[i];
        pointers[swept] = sweep.data();
        strides[swept] = sizeof(double);
        values.assign(n * C3F8_RESULT_COUNT, 0);
        std::vector<int8_t> warnings(n * C3F8_WARNING_COUNT);
        std::vector<uint32_t> outside(n);
        std::vector<int32_t> kinds(n), fields(n);
        int64_t failed = 0;
        return c3f8_calculate_many(n, pointers, strides, values.data(), warnings.data(),
                                   outside.data(), kinds.data(), fields.data(), &failed);
    };
    std::vector<double> serial[2], parallel[2];
    for (std::size_t t = 0; t < 2; ++t)
        ASSERT_EQ(run(t == 0 ? index(field::Qw) : index(field::tevap), serial[t]), C3F8_OK);
    // Both start together: each waits until the other is there too.
    std::atomic<int> ready = 0;
    std::vector<std::thread> threads;
    c3f8_status statuses[2] = {-1, -1};
    for (std::size_t t = 0; t < 2; ++t) {
        threads.emplace_back([&, t] {
            ++ready;
            while (ready.load() < 2)
                std::this_thread::yield();
            statuses[t] = run(t == 0 ? index(field::Qw) : index(field::tevap), parallel[t]);
        });
    }
    for (auto &thread : threads)
        thread.join();
    for (std::size_t t = 0; t < 2; ++t) {
        EXPECT_EQ(statuses[t], C3F8_OK);
        EXPECT_EQ(std::memcmp(serial[t].data(), parallel[t].data(), n * sizeof(double)), 0);
    }
}
