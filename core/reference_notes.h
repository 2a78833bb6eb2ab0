// What the reference equation of state says of a run's figures: the note each result field
// carries beside the text the fits gave it.
#pragma once

#include "core/calculation.h"

#include <array>
#include <optional>
#include <string>

namespace c3f8 {

// For each result that the run on the fits wrote into record (its outcome fits), the same run
// on the reference equation of state in a line, in the field's decimals and the notation of
// separator: "Wg rownania stanu: 6,21 g/s (fity: -0,08)", the second figure being the fits'
// shown value minus the reference's; or, where the reference run stopped before that field,
// where it stopped. None for a result the run did not write.
std::array<std::optional<std::string>, result_count>
reference_notes(const field_record &record, const run_outcome &fits, decimal_separator separator);

} // namespace c3f8
