// What the web page needs of the calculation beyond the C library's interface: the texts of the
// fields' lists, the rule that decides whether the browser's decimal separator can serve, and the
// notes that give the reference equation's figures beside the results.
// Each is exported by its definition (EMSCRIPTEN_KEEPALIVE), so its name stands only here.
#include "c3f8calc.h"
#include "interface_support.h"

#include "core/catalogue.h"
#include "core/number_text.h"
#include "core/reference_notes.h"

#include <emscripten/emscripten.h>

#include <array>
#include <string>

using c3f8::interface_support::copy_text;
using c3f8::interface_support::guarded;

namespace {

// What every export that writes texts refuses, in the library's order: a null separator or
// buffer, a negative capacity, then an unusable separator; otherwise C3F8_OK with *usable set.
c3f8_status check_output(const char *separator, const char *text, int64_t capacity,
                         std::optional<c3f8::decimal_separator> &usable)
{
    if (!separator || (!text && capacity > 0))
        return C3F8_ERROR_NULL_POINTER;
    if (capacity < 0)
        return C3F8_ERROR_BAD_COUNT;
    usable = c3f8::make_separator(separator);
    return usable ? C3F8_OK : C3F8_ERROR_BAD_SEPARATOR;
}

} // namespace

extern "C" {

// The items that field number field offers in its list (none for a plain field) in the notation
// of separator, each followed by a line end; text and capacity as in c3f8_format_result.
EMSCRIPTEN_KEEPALIVE c3f8_status c3f8web_quality_items(int32_t field, const char *separator,
                                                       char *text, int64_t capacity,
                                                       int64_t *needed)
{
    return guarded([&] {
        std::optional<c3f8::decimal_separator> usable;
        if (const c3f8_status refused = check_output(separator, text, capacity, usable))
            return refused;
        if (field < 0 || static_cast<std::size_t>(field) >= c3f8::field_count)
            return C3F8_ERROR_BAD_INDEX;
        std::string items;
        for (double value : c3f8::field_table[static_cast<std::size_t>(field)].offered)
            items += c3f8::number_to_text(value, *usable) + '\n';
        return copy_text(items, text, capacity, needed);
    });
}

// *usable: 1 where separator can serve as the decimal separator, 0 where numbers would be read
// wrongly with it (a digit, sign, blank or e in it, or more than C3F8_SEPARATOR_MAX bytes).
EMSCRIPTEN_KEEPALIVE c3f8_status c3f8web_separator_usable(const char *separator, int32_t *usable)
{
    if (!separator || !usable)
        return C3F8_ERROR_NULL_POINTER;
    *usable = c3f8::make_separator(separator).has_value() ? 1 : 0;
    return C3F8_OK;
}

// The note of each result after a run of inputs on the fits (reference_notes), "" for a result
// the run did not write; laid out in texts, and *needed set, as c3f8_calculate lays out its
// results.
EMSCRIPTEN_KEEPALIVE c3f8_status c3f8web_reference_notes(const char *const inputs[C3F8_INPUT_COUNT],
                                                         const char *separator, char *texts,
                                                         int64_t capacity, int64_t *needed)
{
    return guarded([&] {
        if (!c3f8::interface_support::all_given(inputs, c3f8::input_count))
            return C3F8_ERROR_NULL_POINTER;
        std::optional<c3f8::decimal_separator> usable;
        if (const c3f8_status refused = check_output(separator, texts, capacity, usable))
            return refused;
        c3f8::field_record record;
        for (std::size_t i = 0; i < c3f8::input_count; ++i)
            record.texts[i] = inputs[i];
        const auto notes = c3f8::reference_notes(record, c3f8::calculate(record, *usable), *usable);
        std::array<std::string, c3f8::result_count> texts_of;
        for (std::size_t i = 0; i < notes.size(); ++i)
            texts_of[i] = notes[i].value_or("");
        return c3f8::interface_support::lay_out_texts(texts_of, texts, capacity, needed);
    });
}

} // extern "C"
