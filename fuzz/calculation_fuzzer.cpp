// Arbitrary bytes into the number reader and, split at newlines, into the inputs of a run.
//
// The first byte picks the decimal separator and the properties; the first line goes to
// text_to_number alone, the next lines become the inputs in the catalogue's order (its seeds
// have a line for each). A run on the fits also gives its reference notes.
#include "core/calculation.h"
#include "core/number_text.h"
#include "core/reference_notes.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

bool mentions_non_finite(std::string_view text)
{
    std::string lower(text);
    for (char &c : lower)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return lower.find("inf") != std::string::npos || lower.find("nan") != std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    constexpr c3f8::decimal_separator separators[] = {".", ",", "\xd9\xab"};
    const c3f8::decimal_separator separator = separators[data[0] % std::size(separators)];
    const auto from =
        static_cast<c3f8::properties>(data[0] / std::size(separators) % c3f8::properties_count);
    std::string_view rest(reinterpret_cast<const char *>(data + 1), size - 1);

    const auto next_line = [&rest] {
        const auto end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
        return line;
    };

    if (const auto value = c3f8::text_to_number(next_line(), separator))
        require(std::isfinite(*value));

    c3f8::field_record record;
    for (std::size_t i = 0; i < c3f8::input_count; ++i)
        record.texts[i] = next_line();
    const c3f8::field_record before = record;
    const auto outcome = c3f8::calculate(record, separator, from);

    // Inputs are never written; a result is written exactly where the run hands back its value,
    // and every written text is a finite number in the same notation.
    for (std::size_t i = 0; i < c3f8::field_count; ++i) {
        const auto f = static_cast<c3f8::field>(i);
        if (!outcome.wrote(f)) {
            require(record.texts[i] == before.texts[i]);
            continue;
        }
        const std::string &text = record.texts[i];
        require(!mentions_non_finite(text));
        const auto back = c3f8::text_to_number(text, separator);
        require(back.has_value() && std::isfinite(*back) && std::isfinite(*outcome.value(f)));
    }
    if (from == c3f8::properties::reference)
        require(outcome.outside_fits.none());
    else {
        // A note exactly for each result written.
        const auto notes = c3f8::reference_notes(record, outcome, separator);
        for (std::size_t i = 0; i < c3f8::result_count; ++i)
            require(notes[i].has_value() == outcome.wrote(c3f8::result(i)));
    }
    return 0;
}
