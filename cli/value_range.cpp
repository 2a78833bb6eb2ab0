#include "cli/value_range.h"

#include "cli/usage_error.h"

#include <algorithm>
#include <limits>

namespace c3f8::cli {

namespace {

__extension__ typedef __int128 int128;

// Magnitudes at which every sum and product of a sweep still fits 128 bits.
constexpr int max_digits = 36;

int128 power_of_ten(int n)
{
    int128 p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

// A decimal number as digits and a scale: value = units * 10^-scale.
struct decimal
{
    int128 units = 0;
    int scale = 0;
};

[[noreturn]] void refuse(std::string_view range_text, std::string_view why)
{
    throw usage_error("the range '" + std::string(range_text) + "' " + std::string(why) +
                      " (expected FROM:TO:STEP, three numbers)");
}

// Reads a part as a field's number is read (scan_number), then exactly, as digits and a scale.
decimal read_part(std::string_view part, decimal_separator separator, std::string_view range_text)
{
    const std::optional<number_parts> parts = scan_number(part, separator);
    if (!parts)
        refuse(range_text, "has a part that is no number: '" + std::string(part) + "'");
    decimal d;
    int digits = 0;
    for (const std::string_view run : {parts->integer, parts->fraction}) {
        for (const char c : run) {
            if (digits > 0 || c != '0')
                ++digits;
            if (digits > max_digits)
                refuse(range_text, "has a part with too many digits");
            d.units = d.units * 10 + (c - '0');
        }
    }
    long exponent = 0;
    for (const char c : parts->exponent)
        exponent = std::min(exponent * 10 + (c - '0'), 1000L);
    if (parts->exponent_negative)
        exponent = -exponent;

    long scale = static_cast<long>(parts->fraction.size()) - exponent;
    if (scale < 0) {
        if (digits - scale > max_digits)
            refuse(range_text, "has a part with too many digits");
        d.units *= power_of_ten(static_cast<int>(-scale));
        scale = 0;
    }
    if (scale > max_digits)
        refuse(range_text, "has a part with too many digits");
    d.scale = static_cast<int>(scale);
    if (parts->negative)
        d.units = -d.units;
    return d;
}

// units brought to a finer scale, or a refusal where that needs too many digits.
int128 at_scale(const decimal &d, int scale, std::string_view range_text)
{
    const int128 factor = power_of_ten(scale - d.scale);
    const int128 limit = power_of_ten(max_digits);
    const int128 magnitude = d.units < 0 ? -d.units : d.units;
    if (magnitude != 0 && magnitude > limit / factor)
        refuse(range_text, "needs too many digits");
    return d.units * factor;
}

} // namespace

value_range::value_range(std::string_view range_text, decimal_separator separator)
    : m_separator(separator)
{
    const auto first = range_text.find(':');
    const auto second = range_text.find(':', first + 1);
    if (first == std::string_view::npos || second == std::string_view::npos ||
        range_text.find(':', second + 1) != std::string_view::npos)
        refuse(range_text, "does not have three parts");
    const decimal from = read_part(range_text.substr(0, first), separator, range_text);
    const decimal to =
        read_part(range_text.substr(first + 1, second - first - 1), separator, range_text);
    const decimal step = read_part(range_text.substr(second + 1), separator, range_text);

    // Compared and stepped at the finest scale of the three, shown at that of FROM and STEP.
    const int scale = std::max({from.scale, to.scale, step.scale});
    m_decimals = std::max(from.scale, step.scale);
    const int128 f = at_scale(from, scale, range_text), t = at_scale(to, scale, range_text),
                 s = at_scale(step, scale, range_text);
    if (s == 0)
        refuse(range_text, "has a STEP of zero");
    const int128 span = t - f;
    if ((span > 0 && s < 0) || (span < 0 && s > 0))
        refuse(range_text, "has a STEP that points away from TO");

    // floor(span / STEP + 1e-9), exactly: one step more where the rest falls short of a whole
    // STEP by no more than a billionth of it.
    const int128 whole = span / s, rest = span % s; // both of STEP's sign
    int128 steps = whole;
    const int128 magnitude = s < 0 ? -s : s, left = rest < 0 ? -rest : rest;
    if (left != 0 && magnitude - left <= magnitude / 1'000'000'000)
        ++steps;
    const int128 most = std::numeric_limits<std::uint64_t>::max();
    m_count = steps >= most ? std::numeric_limits<std::uint64_t>::max()
                            : static_cast<std::uint64_t>(steps + 1);

    // From now on in units of the shown decimals; FROM and STEP are exact multiples of them.
    const int128 coarser = power_of_ten(scale - m_decimals);
    m_from = f / coarser;
    m_step = s / coarser;
}

void value_range::append_value(std::uint64_t i, std::string &out) const
{
    int128 value = m_from + static_cast<int128>(i) * m_step;
    const bool negative = value < 0;
    if (negative)
        value = -value;
    char digits[48];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + static_cast<int>(value % 10));
        value /= 10;
    } while (value != 0 || n <= m_decimals);
    if (negative)
        out += '-';
    while (n > 0) {
        if (n == m_decimals)
            out += m_separator.text();
        out += digits[--n];
    }
}

} // namespace c3f8::cli
