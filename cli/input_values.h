// The values that one input takes over a sweep: its items in the order given, each a text read
// as the window would read it, or a range FROM:TO:STEP that stands for its values.
#pragma once

#include "cli/value_range.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace c3f8::cli {

class input_values
{
public:
    // A value with ":" is a range (usage_error where it is malformed); any other goes to the
    // calculation as it is, also an empty one.
    void add(std::string value, decimal_separator separator);

    bool empty() const { return m_items.empty(); }
    // How many values, at most UINT64_MAX.
    std::uint64_t size() const { return m_size; }
    // Sets out to the text of the i-th value.
    void value(std::uint64_t i, std::string &out) const;

private:
    std::vector<std::variant<std::string, value_range>> m_items;
    std::vector<std::uint64_t> m_starts; // the index of each item's first value
    std::uint64_t m_size = 0;
};

// a * b, or UINT64_MAX where that does not fit.
std::uint64_t saturating_product(std::uint64_t a, std::uint64_t b);

} // namespace c3f8::cli
