// What the C interface promises when the memory runs out, or when something it calls throws
// what it does not expect: a status, never an exception in the caller's C. The program's own
// operator new stands in for the system's allocator, so that a call can be made to meet either.
#include "c3f8calc.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

namespace {

enum class allocation
{
    works,
    runs_out,
    throws_otherwise,
};
allocation next = allocation::works;

} // namespace

void *operator new(std::size_t size)
{
    if (next == allocation::runs_out)
        throw std::bad_alloc();
    if (next == allocation::throws_otherwise)
        throw allocation::throws_otherwise; // no std::exception, which would allocate again
    if (void *p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}

// The pair of the operator new above: GCC cannot see that both stand on malloc.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
void operator delete(void *p) noexcept
{
    std::free(p);
}

void operator delete(void *p, std::size_t) noexcept
{
    std::free(p);
}

TEST(InterfaceUnderFailingAllocation, GivesAStatusAndWritesNothing)
{
    // Texts longer than a string holds without the heap.
    const char *const run_a[C3F8_INPUT_COUNT] = {
        "-25.000000000000000000", "15", "0.1", "0.9", "500", "10"};
    char texts[C3F8_RESULT_COUNT * C3F8_TEXT_MAX] = {'x'};
    char text[C3F8_TEXT_MAX] = {'x'};
    c3f8_outcome outcome{};
    outcome.failure_kind = 99;
    for (const auto &[fault, status] : {std::pair{allocation::runs_out, C3F8_ERROR_OUT_OF_MEMORY},
                                        {allocation::throws_otherwise, C3F8_ERROR_INTERNAL}}) {
        next = fault;
        const c3f8_status calculated =
            c3f8_calculate(run_a, ".", texts, C3F8_TEXT_MAX, &outcome, nullptr);
        const c3f8_status formatted =
            c3f8_format_result(C3F8_INPUT_COUNT, 1e20, ".", text, C3F8_TEXT_MAX, nullptr);
        const c3f8_status message = c3f8_failure_message(0, 0, text, C3F8_TEXT_MAX, nullptr);
        next = allocation::works;
        EXPECT_EQ(calculated, status);
        EXPECT_EQ(formatted, status);
        EXPECT_EQ(message, status);
        EXPECT_EQ(texts[0], 'x');
        EXPECT_EQ(text[0], 'x');
        EXPECT_EQ(outcome.failure_kind, 99);
    }
}
