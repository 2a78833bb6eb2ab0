// One run of the operating-point calculation over a record of the panel's field texts.
#pragma once

#include "core/catalogue.h"
#include "core/number_text.h"

#include <array>
#include <bitset>
#include <optional>
#include <string>
#include <string_view>

namespace c3f8 {

// What the panel holds: the text of every field and whether each warning is shown. A run reads
// and writes it as the window's fields; every front end fills one and reads it back.
struct field_record
{
    std::array<std::string, field_count> texts{};
    std::array<bool, warning_count> warnings{};

    std::string &operator[](field f) { return texts[index(f)]; }
    const std::string &operator[](field f) const { return texts[index(f)]; }
    bool shown(warning w) const { return warnings[index(w)]; }
};

// Why a run stopped, and the field it names: the input being read, or the result whose step
// was being computed.
struct calc_error
{
    error_kind kind;
    c3f8::field field;

    friend bool operator==(const calc_error &, const calc_error &) = default;
};

// What a run did beside the texts it wrote.
struct run_outcome
{
    std::optional<calc_error> failure;
    // The unrounded value of every result the run wrote; none for the results it did not reach.
    std::array<std::optional<double>, result_count> values{};
    // Which warnings the run decided (and so set or cleared in the record).
    std::array<bool, warning_count> decided{};
    // The temperatures that lie outside the range the fits are trusted over: tevap and tsub as
    // read, Tlsub_max as computed, unrounded. A run lists those it got to before it stopped; a
    // run on the reference equation lists none.
    std::bitset<field_count> outside_fits;

    bool wrote(field f) const { return !is_input(f) && values[index(f) - input_count]; }
    std::optional<double> value(field f) const { return values[index(f) - input_count]; }
};

// Reads the six inputs of record, writes the twelve results as it goes and sets both warnings,
// every number in the notation of separator (the locale's decimal separator, UTF-8), with the
// properties of saturated C3F8 taken from the fits (as the window does) or from the reference
// equation of state. At the first failure it stops: the results already written keep their new
// texts, every other field and warning keeps what it held. No result is ever infinite or
// undefined.
run_outcome calculate(field_record &record, decimal_separator separator,
                      properties from = properties::fits);

// The same run on numbers: each input is read as its shortest decimal text written with a point
// would be (an infinite or undefined one does not read), and every result, warning and failure
// is the one that run gives; only the result texts are not made. warnings holds what the run
// decided; the others keep what they held.
run_outcome calculate(const std::array<double, input_count> &inputs,
                      std::array<bool, warning_count> &warnings,
                      properties from = properties::fits);

// The message that tells the user why a run stopped, naming the kind and the field as its
// labels read; the first line names them, the second says that the inputs were kept.
std::string failure_message(const calc_error &error);

} // namespace c3f8
