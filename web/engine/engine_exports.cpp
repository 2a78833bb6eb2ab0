// What the web page needs of the calculation beyond the C library's interface: the texts of the
// quality lists and the rule that decides whether the browser's decimal separator can serve.
#include "c3f8calc.h"

#include "core/catalogue.h"
#include "core/number_text.h"

#include <cstring>
#include <new>
#include <string>

extern "C" {

// The items of the list of quality field field (x_we or x_wy) in the notation of separator, one
// to a line; text and capacity as in c3f8_format_result.
c3f8_status c3f8web_quality_items(int32_t field, const char *separator, char *text,
                                  int64_t capacity, int64_t *needed)
{
    try {
        if (!separator || (!text && capacity > 0))
            return C3F8_ERROR_NULL_POINTER;
        if (capacity < 0)
            return C3F8_ERROR_BAD_COUNT;
        if (!c3f8::usable_separator(separator))
            return C3F8_ERROR_BAD_SEPARATOR;
        std::string items;
        const auto add = [&](const auto &values) {
            for (double value : values)
                items += c3f8::number_to_text(value, separator) + '\n';
        };
        if (field == static_cast<int32_t>(c3f8::index(c3f8::field::x_we)))
            add(c3f8::inlet_qualities);
        else if (field == static_cast<int32_t>(c3f8::index(c3f8::field::x_wy)))
            add(c3f8::outlet_qualities);
        else
            return C3F8_ERROR_BAD_INDEX;
        const auto size = static_cast<int64_t>(items.size()) + 1;
        if (needed)
            *needed = size;
        if (size > capacity)
            return C3F8_ERROR_BUFFER_TOO_SMALL;
        std::memcpy(text, items.c_str(), static_cast<std::size_t>(size));
        return C3F8_OK;
    } catch (const std::bad_alloc &) {
        return C3F8_ERROR_OUT_OF_MEMORY;
    }
}

// *usable: 1 where separator can serve as the decimal separator, 0 where numbers would be read
// wrongly with it (a digit, sign, blank or e in it, or more than C3F8_SEPARATOR_MAX bytes).
c3f8_status c3f8web_separator_usable(const char *separator, int32_t *usable)
{
    if (!separator || !usable)
        return C3F8_ERROR_NULL_POINTER;
    *usable = c3f8::usable_separator(separator) ? 1 : 0;
    return C3F8_OK;
}

} // extern "C"
