// Arbitrary bytes into the number reader and, split at newlines, into the six inputs of a run.
//
// The first byte picks the decimal separator; the first line goes to text_to_number alone, the
// next six become tevap, tsub, x_we, x_wy, m and Qw.
#include "core/calculation.h"
#include "core/number_text.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

struct fuzzed_panel final : c3f8::field_access
{
    std::array<std::string, c3f8::field_count> texts{};
    std::array<bool, c3f8::field_count> written{};
    std::string separator;

    std::string text(c3f8::field f) override { return texts[static_cast<std::size_t>(f)]; }
    void set_text(c3f8::field f, std::string_view text) override
    {
        texts[static_cast<std::size_t>(f)] = text;
        written[static_cast<std::size_t>(f)] = true;
    }
    void set_warning_visible(c3f8::warning, bool) override {}
    std::string decimal_separator() override { return separator; }
};

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
    constexpr std::string_view separators[] = {".", ",", "\xd9\xab"};
    fuzzed_panel panel;
    panel.separator = separators[data[0] % std::size(separators)];
    std::string_view rest(reinterpret_cast<const char *>(data + 1), size - 1);

    const auto next_line = [&rest] {
        const auto end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
        return line;
    };

    if (const auto value = c3f8::text_to_number(next_line(), panel.separator))
        require(std::isfinite(*value));

    for (std::size_t i = 0; i < c3f8::input_count; ++i)
        panel.texts[i] = next_line();
    const auto error = c3f8::calculate(panel);
    if (error) {
        using k = c3f8::error_kind;
        require(error->kind == k::conversion || error->kind == k::division_by_zero ||
                error->kind == k::overflow);
    }
    for (std::size_t i = c3f8::input_count; i < c3f8::field_count; ++i) {
        if (!panel.written[i])
            continue;
        const std::string &text = panel.texts[i];
        require(!mentions_non_finite(text));
        const auto back = c3f8::text_to_number(text, panel.separator);
        require(back.has_value() && std::isfinite(*back));
    }
    return 0;
}
