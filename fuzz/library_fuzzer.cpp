// Arbitrary bytes into the C library's one-point entry point: the input texts, a separator and a
// buffer size. Whatever they hold, the call returns a status, never writes past the caller's
// storage and says truly what a buffer too small needs; every result it writes has its value,
// and its text begins with digits, never with "inf" or "nan".
#include "c3f8calc.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    // The first byte: the capacity of each text; the rest: the separator and the inputs,
    // separated by NUL bytes (its seeds have one for each).
    const std::int64_t capacity = data[0] * 2;
    std::vector<std::string> parts(1);
    for (std::size_t i = 1; i < size; ++i) {
        if (data[i] == 0)
            parts.emplace_back();
        else
            parts.back() += static_cast<char>(data[i]);
    }
    parts.resize(C3F8_INPUT_COUNT + 1);
    const char *inputs[C3F8_INPUT_COUNT];
    for (int i = 0; i < C3F8_INPUT_COUNT; ++i)
        inputs[i] = parts[static_cast<std::size_t>(i) + 1].c_str();
    // Exactly the storage promised, so that the sanitizer sees any write beyond it.
    std::vector<char> texts(static_cast<std::size_t>(capacity) * C3F8_RESULT_COUNT);
    c3f8_outcome outcome;
    std::int64_t needed = -1;
    const c3f8_status status =
        c3f8_calculate(inputs, parts[0].c_str(), texts.data(), capacity, &outcome, &needed);
    if (status == C3F8_ERROR_BUFFER_TOO_SMALL && (needed <= capacity || needed > C3F8_TEXT_MAX))
        std::abort();
    if (status != C3F8_OK)
        return 0;
    for (int i = 0; i < C3F8_RESULT_COUNT; ++i) {
        const char *text = texts.data() + i * capacity;
        // A result is written exactly when its value is, and always starts with its digits
        // (the separator, which may hold letters, follows them).
        const char *digits = text[0] == '-' ? text + 1 : text;
        if ((text[0] == '\0') != std::isnan(outcome.values[i]) ||
            (text[0] != '\0' && (*digits < '0' || *digits > '9')))
            std::abort();
    }
    return 0;
}
