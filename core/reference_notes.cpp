#include "core/reference_notes.h"

#include "core/number_text.h"

#include <algorithm>
#include <cmath>

namespace c3f8 {

namespace {

constexpr std::string_view according_to_reference = "Wg rownania stanu: ";
constexpr std::string_view fits_minus_reference = " (fity: ";
constexpr std::string_view stopped_at = "obliczenia przerwane przy \"";

} // namespace

std::array<std::optional<std::string>, result_count>
reference_notes(const field_record &record, const run_outcome &fits, decimal_separator separator)
{
    field_record reference;
    std::copy_n(record.texts.begin(), input_count, reference.texts.begin());
    const run_outcome ran = calculate(reference, separator, properties::reference);

    std::array<std::optional<std::string>, result_count> notes;
    for (std::size_t i = 0; i < result_count; ++i) {
        const field f = result(i);
        if (!fits.wrote(f))
            continue;
        std::string note(according_to_reference);
        if (ran.wrote(f)) {
            const field_row &r = row(f);
            note += reference[f];
            if (!r.unit.empty())
                note.append(" ").append(r.unit);
            // Both figures as shown: the difference the user sees between the two texts.
            const auto shown = text_to_number(record[f], separator);
            const auto by_reference = text_to_number(reference[f], separator);
            const double difference = shown && by_reference ? *shown - *by_reference : NAN;
            if (std::isfinite(difference))
                note.append(fits_minus_reference)
                    .append(format_number(difference, *r.shown_as, separator))
                    .append(")");
        } else {
            note.append(stopped_at).append(row(ran.failure->field).caption).append("\"");
        }
        notes[i] = std::move(note);
    }
    return notes;
}

} // namespace c3f8
