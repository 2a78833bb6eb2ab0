// Each promise of c3f8calc.h, one row a promise: the call, the boundary that gives its status,
// and the status. Then what the header's prose and the fuzzers' seeds say of the catalogue.
#include "c3f8calc.h"

#include "core/catalogue.h"
#include "core/correlations.h"
#include "worked_runs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Run A as typed, and storage for what the calls write.
const char *const run_a[C3F8_INPUT_COUNT] = {"-25", "15", "0.1", "0.9", "500", "10"};
const char *const one_missing[C3F8_INPUT_COUNT] = {"-25", nullptr, "0.1", "0.9", "500", "10"};
char texts[C3F8_RESULT_COUNT * C3F8_TEXT_MAX];
char text[C3F8_TEXT_MAX];
c3f8_outcome outcome;
c3f8_field_info info;
const char *name, *caption;
int32_t number, kind, of, readable;
int64_t needed, failed, layout_value;
double value;
const double x = 1;
const double *const numbers[C3F8_INPUT_COUNT] = {&x, &x, &x, &x, &x, &x};
const double *const numbers_missing[C3F8_INPUT_COUNT] = {&x, &x, &x, &x, &x, nullptr};
const int64_t strides[C3F8_INPUT_COUNT] = {};
double values[C3F8_RESULT_COUNT];
int8_t warning_states[C3F8_WARNING_COUNT];
uint32_t outside;
int32_t kinds, fields;

c3f8_status many(int64_t n, const double *const *inputs, double *out, int64_t *count)
{
    return c3f8_calculate_many(n, inputs, strides, out, warning_states, &outside, &kinds, &fields,
                               count);
}

struct promise
{
    const char *what;
    std::function<c3f8_status()> call;
    c3f8_status status;
};

constexpr int32_t pevap = C3F8_INPUT_COUNT; // the first result
// 1.5 and NaN write "1.500" and ""; the third, infinite, is refused with nothing written.
const double many_values[] = {1.5, NAN, INFINITY};

// clang-format off
const promise promises[] = {
    {"version", [] { return c3f8_version(&name); }, C3F8_OK},
    {"version, null", [] { return c3f8_version(nullptr); }, C3F8_ERROR_NULL_POINTER},
    {"counts, every pointer null", [] { return c3f8_counts(nullptr, nullptr, nullptr, nullptr); }, C3F8_OK},
    {"layout", [] { return c3f8_layout("c3f8_outcome.outside_fits", &layout_value); }, C3F8_OK},
    {"layout, no such item", [] { return c3f8_layout("c3f8_outcome.nothing", &layout_value); }, C3F8_ERROR_BAD_INDEX},
    {"layout, null name", [] { return c3f8_layout(nullptr, &layout_value); }, C3F8_ERROR_NULL_POINTER},
    {"layout, null value", [] { return c3f8_layout("text_max", nullptr); }, C3F8_ERROR_NULL_POINTER},
    {"field, last", [] { return c3f8_field(C3F8_FIELD_COUNT - 1, &info); }, C3F8_OK},
    {"field, one past", [] { return c3f8_field(C3F8_FIELD_COUNT, &info); }, C3F8_ERROR_BAD_INDEX},
    {"field, negative", [] { return c3f8_field(-1, &info); }, C3F8_ERROR_BAD_INDEX},
    {"field, two past", [] { return c3f8_field(C3F8_FIELD_COUNT + 1, &info); }, C3F8_ERROR_BAD_INDEX},
    {"field, null", [] { return c3f8_field(0, nullptr); }, C3F8_ERROR_NULL_POINTER},
    {"field index, case differs", [] { return c3f8_field_index("TEVAP", &number); }, C3F8_ERROR_BAD_INDEX},
    {"field index, null name", [] { return c3f8_field_index(nullptr, &number); }, C3F8_ERROR_NULL_POINTER},
    {"field index, null out", [] { return c3f8_field_index("m", nullptr); }, C3F8_ERROR_NULL_POINTER},
    {"warning, last", [] { return c3f8_warning(C3F8_WARNING_COUNT - 1, &name, &caption); }, C3F8_OK},
    {"warning, one past", [] { return c3f8_warning(C3F8_WARNING_COUNT, &name, &caption); }, C3F8_ERROR_BAD_INDEX},
    {"warning, negative", [] { return c3f8_warning(-1, &name, &caption); }, C3F8_ERROR_BAD_INDEX},
    {"warning, two past", [] { return c3f8_warning(C3F8_WARNING_COUNT + 1, &name, &caption); }, C3F8_ERROR_BAD_INDEX},
    {"warning, null caption", [] { return c3f8_warning(0, &name, nullptr); }, C3F8_ERROR_NULL_POINTER},
    {"kind, last", [] { return c3f8_failure_kind(int32_t(c3f8::error_kind_count) - 1, &name, &caption); }, C3F8_OK},
    {"kind, one past", [] { return c3f8_failure_kind(int32_t(c3f8::error_kind_count), &name, &caption); }, C3F8_ERROR_BAD_INDEX},
    {"kind, negative", [] { return c3f8_failure_kind(-1, &name, &caption); }, C3F8_ERROR_BAD_INDEX},
    {"kind, two past", [] { return c3f8_failure_kind(int32_t(c3f8::error_kind_count) + 1, &name, &caption); }, C3F8_ERROR_BAD_INDEX},
    {"kind, null name", [] { return c3f8_failure_kind(0, nullptr, &caption); }, C3F8_ERROR_NULL_POINTER},
    {"column, last", [] { return c3f8_column(int32_t(c3f8::column_count) - 1, &name, &kind, &of); }, C3F8_OK},
    {"column, one past", [] { return c3f8_column(int32_t(c3f8::column_count), &name, &kind, &of); }, C3F8_ERROR_BAD_INDEX},
    {"column, negative", [] { return c3f8_column(-1, &name, &kind, &of); }, C3F8_ERROR_BAD_INDEX},
    {"column, two past", [] { return c3f8_column(int32_t(c3f8::column_count) + 1, &name, &kind, &of); }, C3F8_ERROR_BAD_INDEX},
    {"column, null of", [] { return c3f8_column(0, &name, &kind, nullptr); }, C3F8_ERROR_NULL_POINTER},
    {"trusted range, null", [] { return c3f8_fits_trusted_range(&value, nullptr); }, C3F8_ERROR_NULL_POINTER},
    {"tliq, null", [] { return c3f8_tliq(200, nullptr); }, C3F8_ERROR_NULL_POINTER},
    {"calculate", [] { return c3f8_calculate(run_a, ".", texts, C3F8_TEXT_MAX, &outcome, nullptr); }, C3F8_OK},
    {"calculate, longest text exactly", [] { return c3f8_calculate(run_a, ".", texts, 6, &outcome, nullptr); }, C3F8_OK},
    {"calculate, a byte short", [] { return c3f8_calculate(run_a, ".", texts, 5, &outcome, &needed); }, C3F8_ERROR_BUFFER_TOO_SMALL},
    {"calculate, asking the size", [] { return c3f8_calculate(run_a, ".", nullptr, 0, &outcome, &needed); }, C3F8_ERROR_BUFFER_TOO_SMALL},
    {"calculate, null texts", [] { return c3f8_calculate(run_a, ".", nullptr, 6, &outcome, nullptr); }, C3F8_ERROR_NULL_POINTER},
    {"calculate, null texts of a byte", [] { return c3f8_calculate(run_a, ".", nullptr, 1, &outcome, nullptr); }, C3F8_ERROR_NULL_POINTER},
    {"calculate, null texts, negative capacity", [] { return c3f8_calculate(run_a, ".", nullptr, -1, &outcome, nullptr); }, C3F8_ERROR_BAD_COUNT},
    {"calculate, negative capacity", [] { return c3f8_calculate(run_a, ".", texts, -1, &outcome, nullptr); }, C3F8_ERROR_BAD_COUNT},
    {"calculate, an input null", [] { return c3f8_calculate(one_missing, ".", texts, C3F8_TEXT_MAX, &outcome, nullptr); }, C3F8_ERROR_NULL_POINTER},
    {"calculate, null inputs", [] { return c3f8_calculate(nullptr, ".", texts, C3F8_TEXT_MAX, &outcome, nullptr); }, C3F8_ERROR_NULL_POINTER},
    {"calculate, null separator", [] { return c3f8_calculate(run_a, nullptr, texts, C3F8_TEXT_MAX, &outcome, nullptr); }, C3F8_ERROR_NULL_POINTER},
    {"calculate, null outcome", [] { return c3f8_calculate(run_a, ".", texts, C3F8_TEXT_MAX, nullptr, nullptr); }, C3F8_ERROR_NULL_POINTER},
    {"calculate, longest separator", [] { return c3f8_calculate(run_a, "abcdfghi", texts, C3F8_TEXT_MAX, &outcome, nullptr); }, C3F8_OK},
    {"calculate, separator too long", [] { return c3f8_calculate(run_a, "abcdfghij", texts, C3F8_TEXT_MAX, &outcome, nullptr); }, C3F8_ERROR_BAD_SEPARATOR},
    {"calculate, empty separator", [] { return c3f8_calculate(run_a, "", texts, C3F8_TEXT_MAX, &outcome, nullptr); }, C3F8_ERROR_BAD_SEPARATOR},
    {"calculate, separator with an e", [] { return c3f8_calculate(run_a, "E", texts, C3F8_TEXT_MAX, &outcome, nullptr); }, C3F8_ERROR_BAD_SEPARATOR},
    {"many", [] { return many(1, numbers, values, &failed); }, C3F8_OK},
    {"many, none with null arrays", [] { return c3f8_calculate_many(0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &failed); }, C3F8_OK},
    {"many, none with a null count", [] { return c3f8_calculate_many(0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr); }, C3F8_ERROR_NULL_POINTER},
    {"many, negative", [] { return many(-1, numbers, values, &failed); }, C3F8_ERROR_BAD_COUNT},
    {"many, an input null", [] { return many(1, numbers_missing, values, &failed); }, C3F8_ERROR_NULL_POINTER},
    {"many, null values", [] { return many(1, numbers, nullptr, &failed); }, C3F8_ERROR_NULL_POINTER},
    {"read", [] { return c3f8_read_number("1,5", ",", &value, &readable); }, C3F8_OK},
    {"read, bad separator", [] { return c3f8_read_number("1,5", "-", &value, &readable); }, C3F8_ERROR_BAD_SEPARATOR},
    {"read, null readable", [] { return c3f8_read_number("1", ".", &value, nullptr); }, C3F8_ERROR_NULL_POINTER},
    {"format, exactly", [] { return c3f8_format_result(pevap, 1.5, ".", text, 6, &needed); }, C3F8_OK},
    {"format, a byte short", [] { return c3f8_format_result(pevap, 1.5, ".", text, 5, &needed); }, C3F8_ERROR_BUFFER_TOO_SMALL},
    {"format, asking the size", [] { return c3f8_format_result(pevap, 1.5, ".", nullptr, 0, &needed); }, C3F8_ERROR_BUFFER_TOO_SMALL},
    {"format, an input", [] { return c3f8_format_result(pevap - 1, 1.5, ".", text, C3F8_TEXT_MAX, nullptr); }, C3F8_ERROR_BAD_INDEX},
    {"format, one past", [] { return c3f8_format_result(C3F8_FIELD_COUNT, 1.5, ".", text, C3F8_TEXT_MAX, nullptr); }, C3F8_ERROR_BAD_INDEX},
    {"format, infinite", [] { return c3f8_format_result(pevap, INFINITY, ".", text, C3F8_TEXT_MAX, nullptr); }, C3F8_ERROR_BAD_VALUE},
    {"format, minus infinite", [] { return c3f8_format_result(pevap, -INFINITY, ".", text, C3F8_TEXT_MAX, nullptr); }, C3F8_ERROR_BAD_VALUE},
    {"format, NaN and negative capacity", [] { return c3f8_format_result(pevap, NAN, ".", text, -1, nullptr); }, C3F8_ERROR_BAD_COUNT},
    {"format, NaN", [] { return c3f8_format_result(pevap, NAN, ".", text, C3F8_TEXT_MAX, nullptr); }, C3F8_ERROR_BAD_VALUE},
    {"format, bad separator", [] { return c3f8_format_result(pevap, 1.5, "1", text, C3F8_TEXT_MAX, nullptr); }, C3F8_ERROR_BAD_SEPARATOR},
    {"format, null text of a byte", [] { return c3f8_format_result(pevap, 1.5, ".", nullptr, 1, nullptr); }, C3F8_ERROR_NULL_POINTER},
    {"format, null text, negative capacity", [] { return c3f8_format_result(pevap, 1.5, ".", nullptr, -1, nullptr); }, C3F8_ERROR_BAD_COUNT},
    {"format, negative capacity", [] { return c3f8_format_result(pevap, 1.5, ".", text, -1, nullptr); }, C3F8_ERROR_BAD_COUNT},
    {"format, null separator", [] { return c3f8_format_result(pevap, 1.5, nullptr, text, C3F8_TEXT_MAX, nullptr); }, C3F8_ERROR_NULL_POINTER},
    {"format, largest double", [] { return c3f8_format_result(pevap, 1.7976931348623157e308, "abcdfghi", text, C3F8_TEXT_MAX, nullptr); }, C3F8_OK},
    {"message", [] { return c3f8_failure_message(0, 0, text, C3F8_TEXT_MAX, &needed); }, C3F8_OK},
    {"message, asking the size", [] { return c3f8_failure_message(0, 0, nullptr, 0, &needed); }, C3F8_ERROR_BUFFER_TOO_SMALL},
    {"message, null text", [] { return c3f8_failure_message(0, 0, nullptr, 8, nullptr); }, C3F8_ERROR_NULL_POINTER},
    {"message, kind one past", [] { return c3f8_failure_message(int32_t(c3f8::error_kind_count), 0, text, C3F8_TEXT_MAX, nullptr); }, C3F8_ERROR_BAD_INDEX},
    {"message, field negative", [] { return c3f8_failure_message(0, -1, text, C3F8_TEXT_MAX, nullptr); }, C3F8_ERROR_BAD_INDEX},
    {"message, negative capacity", [] { return c3f8_failure_message(0, 0, text, -1, nullptr); }, C3F8_ERROR_BAD_COUNT},
    {"format many", [] { return c3f8_format_results(pevap, 2, many_values, ".", text, 6, &needed); }, C3F8_OK},
    {"format many, a byte short", [] { return c3f8_format_results(pevap, 2, many_values, ".", text, 5, &needed); }, C3F8_ERROR_BUFFER_TOO_SMALL},
    {"format many, none", [] { return c3f8_format_results(pevap, 0, nullptr, ".", nullptr, 0, nullptr); }, C3F8_OK},
    {"format many, negative", [] { return c3f8_format_results(pevap, -1, many_values, ".", text, 6, nullptr); }, C3F8_ERROR_BAD_COUNT},
    {"format many, an input", [] { return c3f8_format_results(pevap - 1, 2, many_values, ".", text, 6, nullptr); }, C3F8_ERROR_BAD_INDEX},
    {"format many, infinite", [] { return c3f8_format_results(pevap, 3, many_values, ".", text, C3F8_TEXT_MAX, nullptr); }, C3F8_ERROR_BAD_VALUE},
    {"format many, null values", [] { return c3f8_format_results(pevap, 1, nullptr, ".", text, 6, nullptr); }, C3F8_ERROR_NULL_POINTER},
    {"format many, null separator", [] { return c3f8_format_results(pevap, 1, many_values, nullptr, text, 6, nullptr); }, C3F8_ERROR_NULL_POINTER},
    {"format many, bad separator", [] { return c3f8_format_results(pevap, 1, many_values, "5", text, 6, nullptr); }, C3F8_ERROR_BAD_SEPARATOR},
    {"properties, last", [] { return c3f8_properties(C3F8_PROPERTIES_REFERENCE, &name, &caption); }, C3F8_OK},
    {"properties, one past", [] { return c3f8_properties(int32_t(c3f8::properties_count), &name, &caption); }, C3F8_ERROR_BAD_INDEX},
    {"properties, negative", [] { return c3f8_properties(-1, &name, &caption); }, C3F8_ERROR_BAD_INDEX},
    {"properties, null meaning", [] { return c3f8_properties(0, &name, nullptr); }, C3F8_ERROR_NULL_POINTER},
    {"saturation, triple point", [] { return c3f8_reference_saturation(-147.7, &value, &value, &value); }, C3F8_OK},
    {"saturation, below it", [] { return c3f8_reference_saturation(-147.70000000000002, &value, &value, &value); }, C3F8_ERROR_NO_SATURATION},
    {"saturation, critical point", [] { return c3f8_reference_saturation(72, &value, &value, &value); }, C3F8_ERROR_NO_SATURATION},
    {"saturation, NaN", [] { return c3f8_reference_saturation(NAN, &value, &value, &value); }, C3F8_ERROR_BAD_VALUE},
    {"saturation, infinite", [] { return c3f8_reference_saturation(INFINITY, &value, &value, &value); }, C3F8_ERROR_BAD_VALUE},
    {"saturation, null vapour", [] { return c3f8_reference_saturation(0, &value, &value, nullptr); }, C3F8_ERROR_NULL_POINTER},
    {"temperature, fits", [] { return c3f8_saturation_temperature(C3F8_PROPERTIES_FITS, 1e-300, &value); }, C3F8_OK},
    {"temperature, fits at 0 bar", [] { return c3f8_saturation_temperature(C3F8_PROPERTIES_FITS, 0, &value); }, C3F8_ERROR_NO_SATURATION},
    {"temperature, reference above critical", [] { return c3f8_saturation_temperature(C3F8_PROPERTIES_REFERENCE, 26.5, &value); }, C3F8_ERROR_NO_SATURATION},
    {"temperature, reference", [] { return c3f8_saturation_temperature(C3F8_PROPERTIES_REFERENCE, 26.4, &value); }, C3F8_OK},
    {"temperature, NaN", [] { return c3f8_saturation_temperature(C3F8_PROPERTIES_FITS, NAN, &value); }, C3F8_ERROR_BAD_VALUE},
    {"temperature, bad properties", [] { return c3f8_saturation_temperature(2, 1, &value); }, C3F8_ERROR_BAD_INDEX},
    {"temperature, null", [] { return c3f8_saturation_temperature(0, 1, nullptr); }, C3F8_ERROR_NULL_POINTER},
    {"calculate with, reference", [] { return c3f8_calculate_with_properties(C3F8_PROPERTIES_REFERENCE, run_a, ".", texts, C3F8_TEXT_MAX, &outcome, nullptr); }, C3F8_OK},
    {"calculate with, bad properties", [] { return c3f8_calculate_with_properties(2, run_a, ".", texts, C3F8_TEXT_MAX, &outcome, nullptr); }, C3F8_ERROR_BAD_INDEX},
    {"calculate with, negative properties", [] { return c3f8_calculate_with_properties(-1, run_a, ".", texts, C3F8_TEXT_MAX, &outcome, nullptr); }, C3F8_ERROR_BAD_INDEX},
    {"many with, reference", [] { return c3f8_calculate_many_with_properties(1, 1, numbers, strides, values, warning_states, &outside, &kinds, &fields, &failed); }, C3F8_OK},
    {"many with, bad properties", [] { return c3f8_calculate_many_with_properties(2, 1, numbers, strides, values, warning_states, &outside, &kinds, &fields, &failed); }, C3F8_ERROR_BAD_INDEX},
};
// clang-format on

std::string file_text(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

} // namespace

TEST(InterfacePromises, ReferenceFunctionsGiveTheCoresFigures)
{
    // The worked runs' texts through one point, and the same values through many.
    for (const worked_run &run : worked_runs) {
        const char *inputs[C3F8_INPUT_COUNT];
        std::array<double, C3F8_INPUT_COUNT> numbers_of{};
        const double *columns[C3F8_INPUT_COUNT];
        std::string typed[C3F8_INPUT_COUNT];
        for (int i = 0; i < C3F8_INPUT_COUNT; ++i) {
            typed[i] = run.typed[i];
            inputs[i] = typed[i].c_str();
            numbers_of[i] = std::stod(typed[i]);
            columns[i] = &numbers_of[i];
        }
        c3f8_outcome one{};
        ASSERT_EQ(c3f8_calculate_with_properties(C3F8_PROPERTIES_REFERENCE, inputs, ".", texts,
                                                 C3F8_TEXT_MAX, &one, nullptr),
                  C3F8_OK);
        for (int i = 0; i < C3F8_RESULT_COUNT; ++i)
            EXPECT_EQ(std::string_view(&texts[i * C3F8_TEXT_MAX]), run.reference_shown[i]);
        double many_values[C3F8_RESULT_COUNT];
        ASSERT_EQ(c3f8_calculate_many_with_properties(C3F8_PROPERTIES_REFERENCE, 1, columns,
                                                      strides, many_values, warning_states,
                                                      &outside, &kinds, &fields, &failed),
                  C3F8_OK);
        for (int i = 0; i < C3F8_RESULT_COUNT; ++i)
            EXPECT_EQ(many_values[i], one.values[i]);
        EXPECT_EQ(outside, 0u);
    }
    const char *hot[C3F8_INPUT_COUNT] = {"80", "15", "0.1", "0.9", "500", "10"};
    ASSERT_EQ(c3f8_calculate_with_properties(C3F8_PROPERTIES_REFERENCE, hot, ".", texts,
                                             C3F8_TEXT_MAX, &outcome, nullptr),
              C3F8_OK);
    EXPECT_EQ(outcome.failure_kind, int32_t(c3f8::error_kind::no_saturated_state));
    EXPECT_EQ(outcome.failure_field, pevap);

    double p = 0, h_liquid = 0, h_vapour = 0, t = 0;
    ASSERT_EQ(c3f8_reference_saturation(0, &p, &h_liquid, &h_vapour), C3F8_OK);
    EXPECT_NEAR(p, 4.14490, 5e-6);
    EXPECT_NEAR(h_liquid, 200, 1e-9);
    EXPECT_NEAR(h_vapour, 289.814, 5e-4);
    ASSERT_EQ(c3f8_saturation_temperature(C3F8_PROPERTIES_REFERENCE, p, &t), C3F8_OK);
    EXPECT_NEAR(t, 0, 1e-9);
    ASSERT_EQ(c3f8_saturation_temperature(C3F8_PROPERTIES_FITS, 1.671, &t), C3F8_OK);
    double shown = 0;
    c3f8_psat_shown(t, &shown);
    EXPECT_NEAR(shown, 1.671, 1e-12);
    for (int32_t i = 0; i < C3F8_PROPERTIES_REFERENCE + 1; ++i) {
        ASSERT_EQ(c3f8_properties(i, &name, &caption), C3F8_OK);
        EXPECT_EQ(name, c3f8::properties_table[std::size_t(i)].name);
        EXPECT_EQ(caption, c3f8::properties_table[std::size_t(i)].meaning);
    }
}

TEST(InterfacePromises, FormattingManyWritesEachAsOneAndNothingOnAnError)
{
    char many[3 * 8];
    std::memset(many, 'x', sizeof many);
    int64_t room = 0;
    ASSERT_EQ(c3f8_format_results(pevap, 2, many_values, ",", many, 8, &room), C3F8_OK);
    EXPECT_STREQ(many, "1,500");
    EXPECT_STREQ(many + 8, "");
    EXPECT_EQ(room, 6);
    std::memset(many, 'x', sizeof many);
    EXPECT_EQ(c3f8_format_results(pevap, 3, many_values, ",", many, 8, &room),
              C3F8_ERROR_BAD_VALUE);
    EXPECT_EQ(c3f8_format_results(pevap, 2, many_values, ",", many, 5, &room),
              C3F8_ERROR_BUFFER_TOO_SMALL);
    EXPECT_EQ(std::string(many, sizeof many), std::string(sizeof many, 'x'));
}

TEST(InterfacePromises, EachCallGivesTheStatusItsCommentPromises)
{
    for (const promise &p : promises)
        EXPECT_EQ(p.call(), p.status) << p.what;
}

TEST(InterfacePromises, TextsLieWhereTheCapacitySaysAndEndInTheirNul)
{
    // Run A's longest result text is "-32.5": six bytes, each result at i * 6.
    std::memset(texts, 'x', sizeof texts);
    ASSERT_EQ(c3f8_calculate(run_a, ".", texts, 6, &outcome, &needed), C3F8_OK);
    EXPECT_EQ(needed, 6);
    EXPECT_STREQ(texts + 1 * 6, "173.6");
    EXPECT_STREQ(texts + 11 * 6, "-9.3");
    EXPECT_EQ(texts[12 * 6], 'x'); // nothing beyond
    // A text too long leaves the buffer as it was and says what it needs.
    std::memset(text, 'x', sizeof text);
    ASSERT_EQ(c3f8_format_result(pevap, 1234.5, ",", text, 8, &needed),
              C3F8_ERROR_BUFFER_TOO_SMALL);
    EXPECT_EQ(needed, 9);
    EXPECT_EQ(text[0], 'x');
    ASSERT_EQ(c3f8_format_result(pevap, 1234.5, ",", text, 9, &needed), C3F8_OK);
    EXPECT_EQ(std::string(text, 9), std::string("1234,500\0", 9));
    ASSERT_EQ(c3f8_failure_message(0, 0, text, C3F8_TEXT_MAX, &needed), C3F8_OK);
    EXPECT_EQ(std::strlen(text) + 1, static_cast<std::size_t>(needed));
    // The largest double, with the longest separator, still fits C3F8_TEXT_MAX.
    ASSERT_EQ(
        c3f8_format_result(pevap, 1.7976931348623157e308, "abcdfghi", text, C3F8_TEXT_MAX, &needed),
        C3F8_OK);
    EXPECT_LE(needed, C3F8_TEXT_MAX);
}

TEST(InterfacePromises, NeededIsTheLongestTextAndItsNul)
{
    const struct
    {
        const char *tevap, *tsub, *Qw, *m;
        int64_t needed; // the longest result's text, with its NUL
    } runs[] = {
        {"-25", "15", "500", "10", 6}, // "-32.5"
        {"40", "x", "500", "10", 7},   // pevap "12.833", the run stopped at tsub
        {"x", "15", "500", "10", 1},   // nothing written
        {"-25", "15", "0", "1000", 8}, // Qg "49068.7", the last result
    };
    for (const auto &r : runs) {
        const char *const inputs[C3F8_INPUT_COUNT] = {r.tevap, r.tsub, "0.1", "0.9", r.Qw, r.m};
        ASSERT_EQ(c3f8_calculate(inputs, ".", nullptr, 0, &outcome, &needed),
                  C3F8_ERROR_BUFFER_TOO_SMALL);
        EXPECT_EQ(needed, r.needed) << r.tevap;
        // In exactly that room, nothing is written past the last text.
        std::memset(texts, 'x', sizeof texts);
        ASSERT_EQ(c3f8_calculate(inputs, ".", texts, r.needed, &outcome, nullptr), C3F8_OK);
        EXPECT_EQ(texts[C3F8_RESULT_COUNT * r.needed], 'x') << r.tevap;
    }
}

// What the catalogue's functions give is the catalogue, whole.
TEST(InterfacePromises, CatalogueFunctionsGiveTheCatalogue)
{
    int32_t counts[4] = {};
    ASSERT_EQ(c3f8_counts(&counts[0], &counts[1], &counts[2], &counts[3]), C3F8_OK);
    EXPECT_EQ(counts[0], C3F8_FIELD_COUNT);
    EXPECT_EQ(counts[1], C3F8_WARNING_COUNT);
    EXPECT_EQ(counts[2], int32_t(c3f8::error_kind_count));
    EXPECT_EQ(counts[3], int32_t(c3f8::column_count));
    for (const c3f8::field_row &row : c3f8::field_table) {
        ASSERT_EQ(c3f8_field(int32_t(c3f8::index(row.id)), &info), C3F8_OK);
        EXPECT_EQ(info.pattern, row.shown_as ? row.shown_as->text : "") << row.name;
        EXPECT_EQ(info.decimals, row.shown_as ? row.shown_as->decimals : -1) << row.name;
        EXPECT_EQ(info.is_input, c3f8::is_input(row.id) ? 1 : 0) << row.name;
        EXPECT_EQ(info.caption, row.caption);
        EXPECT_EQ(info.unit, row.unit);
        EXPECT_EQ(info.meaning, row.meaning);
    }
    for (const c3f8::warning_row &row : c3f8::warning_table) {
        ASSERT_EQ(c3f8_warning(int32_t(c3f8::index(row.id)), &name, &caption), C3F8_OK);
        EXPECT_EQ(name, row.name);
        EXPECT_EQ(caption, row.caption);
    }
    for (const c3f8::error_kind_row &row : c3f8::error_kind_table) {
        ASSERT_EQ(c3f8_failure_kind(int32_t(row.id), &name, &caption), C3F8_OK);
        EXPECT_EQ(name, row.name);
        EXPECT_EQ(caption, row.message);
    }
    for (std::size_t c = 0; c < c3f8::column_count; ++c) {
        ASSERT_EQ(c3f8_column(int32_t(c), &name, &kind, &of), C3F8_OK);
        EXPECT_EQ(name, c3f8::columns[c].name);
        EXPECT_EQ(kind, int32_t(c3f8::columns[c].kind));
        EXPECT_EQ(of, int32_t(c3f8::columns[c].of));
    }
    double from = 0, to = 0;
    ASSERT_EQ(c3f8_fits_trusted_range(&from, &to), C3F8_OK);
    EXPECT_EQ(from, c3f8::fits_trusted_range.from);
    EXPECT_EQ(to, c3f8::fits_trusted_range.to);
}

TEST(InterfacePromises, FitsAreTheCoresFits)
{
    const struct
    {
        c3f8_status (*c)(double, double *);
        double (*core)(double);
        double x;
    } fits[] = {{c3f8_psat, c3f8::psat, -25},
                {c3f8_psat_shown, c3f8::psat_shown, -25},
                {c3f8_hliq, c3f8::hliq, 1.7},
                {c3f8_hvap, c3f8::hvap, 1.7},
                {c3f8_tliq, c3f8::tliq, 183.8}};
    for (const auto &f : fits) {
        ASSERT_EQ(f.c(f.x, &value), C3F8_OK);
        EXPECT_EQ(value, f.core(f.x));
        EXPECT_EQ(f.c(f.x, nullptr), C3F8_ERROR_NULL_POINTER);
    }
}

TEST(InterfacePromises, ReadingSaysWhetherTheTextWasANumber)
{
    ASSERT_EQ(c3f8_read_number(" -0,5e1 ", ",", &value, &readable), C3F8_OK);
    EXPECT_EQ(value, -5.0);
    EXPECT_EQ(readable, 1);
}

TEST(InterfacePromises, AnUnreadableTextReadsAsNaN)
{
    value = 1;
    readable = -1;
    ASSERT_EQ(c3f8_read_number("1.5", ",", &value, &readable), C3F8_OK);
    EXPECT_TRUE(std::isnan(value));
    EXPECT_EQ(readable, 0);
}

TEST(InterfacePromises, EveryFieldsNameGivesItsIndexAndEveryTextEndsInItsNul)
{
    for (int32_t f = 0; f < C3F8_FIELD_COUNT; ++f) {
        ASSERT_EQ(c3f8_field(f, &info), C3F8_OK);
        const c3f8::field_row &row = c3f8::field_table[static_cast<std::size_t>(f)];
        EXPECT_EQ(std::strlen(info.name), row.name.size());
        EXPECT_EQ(std::strlen(info.caption), row.caption.size());
        EXPECT_EQ(std::strlen(info.unit), row.unit.size());
        EXPECT_EQ(std::strlen(info.meaning), row.meaning.size());
        ASSERT_EQ(c3f8_field_index(info.name, &number), C3F8_OK);
        EXPECT_EQ(number, f) << info.name;
    }
}

TEST(InterfacePromises, LayoutGivesWhatTheCompilerLaysOut)
{
    const struct
    {
        const char *item;
        std::size_t expected;
    } items[] = {
        {"text_max", C3F8_TEXT_MAX},
        {"separator_max", C3F8_SEPARATOR_MAX},
        {"pointer", sizeof(void *)},
        {"c3f8_field_info", sizeof(c3f8_field_info)},
        {"c3f8_field_info.name", offsetof(c3f8_field_info, name)},
        {"c3f8_field_info.caption", offsetof(c3f8_field_info, caption)},
        {"c3f8_field_info.is_input", offsetof(c3f8_field_info, is_input)},
        {"c3f8_field_info.decimals", offsetof(c3f8_field_info, decimals)},
        {"c3f8_outcome", sizeof(c3f8_outcome)},
        {"c3f8_outcome.values", offsetof(c3f8_outcome, values)},
        {"c3f8_outcome.warnings", offsetof(c3f8_outcome, warnings)},
        {"c3f8_outcome.failure_kind", offsetof(c3f8_outcome, failure_kind)},
        {"c3f8_outcome.failure_field", offsetof(c3f8_outcome, failure_field)},
        {"c3f8_outcome.outside_fits", offsetof(c3f8_outcome, outside_fits)},
    };
    for (const auto &i : items) {
        ASSERT_EQ(c3f8_layout(i.item, &layout_value), C3F8_OK) << i.item;
        EXPECT_EQ(layout_value, static_cast<int64_t>(i.expected)) << i.item;
    }
}

// The header's file comment lists the fields in the catalogue's order.
TEST(InterfacePromises, HeaderListsTheFieldsInTheCataloguesOrder)
{
    const std::string header = file_text(C3F8_HEADER);
    std::smatch listed;
    ASSERT_TRUE(
        std::regex_search(header, listed,
                          std::regex(R"(order: the inputs ([^]*?),\s+\* then the results[^:]*:)"
                                     R"(([^]*?)\. c3f8_field)")));
    std::string names = listed[1].str() + ", " + listed[2].str();
    names = std::regex_replace(names, std::regex(R"(\s*\*\s*)"), " ");
    std::vector<std::string> expected;
    for (const auto &row : c3f8::field_table)
        expected.emplace_back(row.name);
    std::vector<std::string> found;
    std::istringstream words(names);
    for (std::string word; std::getline(words >> std::ws, word, ',');)
        found.push_back(word.substr(0, word.find_last_not_of(' ') + 1));
    EXPECT_EQ(found, expected);
}

// The fuzzers' seeds hold one text for each input: a seed written for fewer inputs would leave
// the new one empty in every seed.
TEST(InterfacePromises, FuzzSeedsHoldEveryInput)
{
    const std::filesystem::path fuzz(C3F8_FUZZ_DIR);
    for (const auto &[folder, between] : {std::pair{"corpus", '\n'}, {"library_corpus", '\0'}}) {
        for (const auto &seed : std::filesystem::directory_iterator(fuzz / folder)) {
            const std::string bytes = file_text(seed.path());
            EXPECT_EQ(std::count(bytes.begin(), bytes.end(), between), C3F8_INPUT_COUNT)
                << seed.path();
        }
    }
}
