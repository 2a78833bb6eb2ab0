#include "cli/input_values.h"

#include <algorithm>
#include <limits>

namespace c3f8::cli {

namespace {
constexpr std::uint64_t most = std::numeric_limits<std::uint64_t>::max();
}

std::uint64_t saturating_product(std::uint64_t a, std::uint64_t b)
{
    if (a != 0 && b > most / a)
        return most;
    return a * b;
}

void input_values::add(std::string value, decimal_separator separator)
{
    m_starts.push_back(m_size);
    std::uint64_t count = 1;
    if (value.find(':') != std::string::npos) {
        value_range range(value, separator);
        count = range.count();
        m_items.emplace_back(range);
    } else {
        m_items.emplace_back(std::move(value));
    }
    m_size = m_size > most - count ? most : m_size + count;
}

void input_values::value(std::uint64_t i, std::string &out) const
{
    // The last item that starts at or before i holds it.
    const auto item = std::upper_bound(m_starts.begin(), m_starts.end(), i) - 1;
    const auto &held = m_items[static_cast<std::size_t>(item - m_starts.begin())];
    if (const auto *text = std::get_if<std::string>(&held)) {
        out = *text;
    } else {
        out.clear();
        std::get<value_range>(held).append_value(i - *item, out);
    }
}

} // namespace c3f8::cli
