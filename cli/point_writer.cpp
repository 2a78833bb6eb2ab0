#include "cli/point_writer.h"

#include "cli/text_bytes.h"
#include "cli/usage_error.h"
#include "core/correlations.h"
#include "core/number_text.h"

#include <algorithm>
#include <charconv>
#include <utility>
#include <variant>
#include <vector>

namespace c3f8::cli {

namespace {

// The text a result shows in the output, or none where the run did not reach it.
class result_texts
{
public:
    explicit result_texts(const output_settings &settings) : m_settings(settings) {}

    const std::string *operator()(const point &p, field f)
    {
        if (!p.outcome.wrote(f))
            return nullptr;
        if (!m_settings.full_precision)
            return &p.record[f];
        m_full = number_to_text(*p.outcome.value(f), m_settings.separator);
        return &m_full;
    }

private:
    const output_settings &m_settings;
    std::string m_full;
};

// A point's value in one column, handed to the spelling of each writer: nothing (a result or a
// warning the run did not reach, or no failure), a text (an input as given, a result as
// written), whether a warning is shown, the fields outside the fits' range, or the failure (in
// its column and in failure_field's).
template <class Spelling>
void spell_cell(const point &p, const column &c, result_texts &results, Spelling &&spell)
{
    switch (c.kind) {
    case column_kind::field:
        if (c.of < input_count)
            return spell(std::string_view(p.record.texts[c.of]));
        if (const std::string *text = results(p, static_cast<field>(c.of)))
            return spell(std::string_view(*text));
        return spell(std::monostate{});
    case column_kind::warning:
        if (p.outcome.decided[c.of])
            return spell(bool(p.record.warnings[c.of]));
        return spell(std::monostate{});
    case column_kind::outside_fits:
        return spell(p.outcome.outside_fits);
    case column_kind::failure:
    case column_kind::failure_field:
        if (p.outcome.failure)
            return spell(*p.outcome.failure);
        return spell(std::monostate{});
    }
}

template <class... Spellings> struct spelt_as : Spellings...
{
    using Spellings::operator()...;
};
template <class... Spellings> spelt_as(Spellings...) -> spelt_as<Spellings...>;

// Characters shown, for lining up columns: UTF-8 continuation bytes take no room.
std::size_t width_of(std::string_view text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

void pad(std::string &out, std::size_t width, std::string_view text, bool right)
{
    const std::size_t taken = width_of(text);
    const std::size_t room = width > taken ? width - taken : 0;
    if (right)
        out.append(room, ' ');
    out += text;
    if (!right)
        out.append(room, ' ');
}

// "-45 to +30 C", the trusted range as a person reads it.
std::string trusted_range_text()
{
    std::string text;
    for (const double t : {fits_trusted_range.from, fits_trusted_range.to}) {
        text += text.empty() ? "" : " to ";
        text += t > 0 ? "+" : "";
        text += number_to_text(t, ".");
    }
    return text + " C";
}

class csv_writer final : public point_writer
{
public:
    csv_writer(const output_settings &settings, output_sink &out)
        : m_out(out), m_delimiter(csv_delimiter(settings.separator)), m_results(settings)
    {
    }

    void begin(std::span<const std::string> carried_names) override
    {
        std::string &b = m_out.buffer();
        for (const std::string &name : carried_names) {
            cell(b, name);
            b += m_delimiter;
        }
        for (const column &c : columns) {
            if (&c != &columns.front())
                b += m_delimiter;
            b += c.name;
        }
        b += '\n';
    }

    void write(const point &p) override
    {
        std::string &b = m_out.buffer();
        for (const std::string &text : p.carried) {
            cell(b, text);
            b += m_delimiter;
        }
        for (const column &c : columns) {
            if (&c != &columns.front())
                b += m_delimiter;
            spell_cell(p, c, m_results,
                       spelt_as{
                           [](std::monostate) {},
                           [&](std::string_view text) { cell(b, text); },
                           [&](bool shown) { b += shown ? "true" : "false"; },
                           [&](const std::bitset<field_count> &outside) {
                               if (outside.any())
                                   b += outside_fits_names(outside);
                           },
                           [&](const calc_error &failure) {
                               b += c.kind == column_kind::failure ? row(failure.kind).name
                                                                   : field_name(failure.field);
                           },
                       });
        }
        b += '\n';
        m_out.row_done();
    }

private:
    // Quoted where the cell holds the delimiter, a quote or a line end, as RFC 4180 asks.
    void cell(std::string &b, std::string_view text) const
    {
        const bool quoted = std::any_of(text.begin(), text.end(), [this](char c) {
            return c == m_delimiter || c == '"' || c == '\r' || c == '\n';
        });
        if (!quoted) {
            b += text;
            return;
        }
        b += '"';
        for (char c : text) {
            if (c == '"')
                b += '"';
            b += c;
        }
        b += '"';
    }

    output_sink &m_out;
    char m_delimiter;
    result_texts m_results;
};

class json_writer final : public point_writer
{
public:
    json_writer(const output_settings &settings, output_sink &out)
        : m_out(out), m_separator(settings.separator), m_results(settings)
    {
    }

    void begin(std::span<const std::string> carried_names) override
    {
        m_carried_names.assign(carried_names.begin(), carried_names.end());
    }

    void write(const point &p) override
    {
        std::string &b = m_out.buffer();
        b += '{';
        for (std::size_t k = 0; k < p.carried.size(); ++k) {
            key(b, m_carried_names[k]);
            string(b, p.carried[k]);
            b += ',';
        }
        bool first = true;
        for (const column &c : columns) {
            if (c.kind == column_kind::failure_field)
                continue; // within the failure's object
            if (!std::exchange(first, false))
                b += ',';
            key(b, c.name);
            spell_cell(p, c, m_results,
                       spelt_as{
                           [&](std::monostate) { b += "null"; },
                           [&](std::string_view text) {
                               if (c.of < input_count)
                                   string(b, text);
                               else
                                   number(b, text);
                           },
                           [&](bool shown) { b += shown ? "true" : "false"; },
                           [&](const std::bitset<field_count> &outside) {
                               b += '[';
                               for (std::size_t i = 0; i < field_count; ++i) {
                                   if (outside[i]) {
                                       if (b.back() != '[')
                                           b += ',';
                                       string(b, field_table[i].name);
                                   }
                               }
                               b += ']';
                           },
                           [&](const calc_error &failure) {
                               b += R"({"kind":")";
                               b += row(failure.kind).name;
                               b += R"(","field":")";
                               b += field_name(failure.field);
                               b += "\"}";
                           },
                       });
        }
        b += "}\n";
        m_out.row_done();
    }

private:
    // The digits of a result's text, in JSON's own number syntax.
    void number(std::string &b, std::string_view text) const
    {
        const std::size_t at = text.find(m_separator.text());
        if (at == std::string_view::npos) {
            b += text;
            return;
        }
        b += text.substr(0, at);
        b += '.';
        b += text.substr(at + m_separator.text().size());
    }

    static void key(std::string &b, std::string_view name)
    {
        string(b, name);
        b += ':';
    }

    // A JSON string of the text; a byte that is not part of valid UTF-8 becomes U+FFFD.
    static void string(std::string &b, std::string_view text)
    {
        b += '"';
        for (std::size_t i = 0; i < text.size();) {
            const auto c = static_cast<unsigned char>(text[i]);
            if (c == '"' || c == '\\') {
                b += '\\';
                b += static_cast<char>(c);
                ++i;
            } else if (c < 0x20) {
                char escape[8];
                const auto end = std::to_chars(escape, escape + sizeof escape, c, 16).ptr;
                b += "\\u00";
                if (end - escape == 1)
                    b += '0';
                b.append(escape, end);
                ++i;
            } else if (const std::size_t length = utf8_length(text.substr(i)); length == 0) {
                b += "\xEF\xBF\xBD";
                ++i;
            } else {
                b += text.substr(i, length);
                i += length;
            }
        }
        b += '"';
    }

    output_sink &m_out;
    decimal_separator m_separator;
    result_texts m_results;
    std::vector<std::string> m_carried_names;
};

// A row of right-aligned columns for each point, under the names and units. The widths come
// from the names and the first rows, which are held back until a thousand have come or the
// input is waited for; a wider text later widens its column from its row on.
class table_writer final : public point_writer
{
public:
    table_writer(const output_settings &settings, output_sink &out)
        : m_out(out), m_results(settings)
    {
    }

    void begin(std::span<const std::string> carried_names) override
    {
        for (const std::string &name : carried_names)
            m_head.push_back({shown_in_a_line(name), ""});
        for (const column &c : columns) {
            if (lined_up(c)) {
                std::string unit;
                if (c.kind == column_kind::field && !field_table[c.of].unit.empty())
                    unit.append("[").append(field_table[c.of].unit).append("]");
                m_head.push_back({std::string(c.name), unit});
            }
        }
        // The failure comes last, as text that is not lined up.
        m_head.push_back({std::string(columns[*column_index("failure")].name), ""});
        for (std::size_t i = 0; i + 1 < m_head.size(); ++i)
            m_widths.push_back(
                std::max({width_of(m_head[i][0]), width_of(m_head[i][1]), min_width}));
    }

    void write(const point &p) override
    {
        std::vector<std::string> cells;
        cells.reserve(m_head.size());
        for (const std::string &text : p.carried)
            cells.push_back(shown_in_a_line(text));
        std::string failure;
        for (const column &c : columns) {
            if (c.kind == column_kind::failure_field)
                continue; // within the failure's text
            spell_cell(p, c, m_results,
                       spelt_as{
                           [&](std::monostate) {
                               if (c.kind != column_kind::failure)
                                   cells.emplace_back("-");
                           },
                           [&](std::string_view text) {
                               cells.push_back(c.of < input_count ? shown_in_a_line(text)
                                                                  : std::string(text));
                           },
                           [&](bool shown) { cells.emplace_back(shown ? "yes" : "no"); },
                           [&](const std::bitset<field_count> &outside) {
                               cells.push_back(outside_fits_names(outside));
                           },
                           [&](const calc_error &error) { failure = failure_text(error); },
                       });
        }
        cells.push_back(std::move(failure));
        for (std::size_t i = 0; i < m_widths.size(); ++i)
            m_widths[i] = std::max(m_widths[i], width_of(cells[i]));
        m_held.push_back(std::move(cells));
        if (++m_seen >= held_rows)
            release();
    }

    void release() override
    {
        std::string &b = m_out.buffer();
        if (!m_head_written) {
            m_head_written = true;
            for (std::size_t line = 0; line < 2; ++line) {
                std::vector<std::string> names;
                for (const auto &head : m_head)
                    names.push_back(head[line]);
                append_row(b, names);
            }
        }
        for (const auto &cells : m_held) {
            append_row(b, cells);
            m_out.row_done();
        }
        m_held.clear();
    }

private:
    static constexpr std::size_t min_width = 7, held_rows = 1000;

    static bool lined_up(const column &c)
    {
        return c.kind != column_kind::failure && c.kind != column_kind::failure_field;
    }

    static std::string failure_text(const calc_error &failure)
    {
        const std::string message = failure_message(failure);
        return std::string(row(failure.kind).name) + " " + std::string(field_name(failure.field)) +
               ": " + message.substr(0, message.find('\n'));
    }

    // A cell's text on one line of a terminal: each line break in it as "\n", any other byte
    // that cannot be shown as \xHH.
    static std::string shown_in_a_line(std::string_view text)
    {
        std::string shown;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\r' || text[i] == '\n') {
                shown += "\\n";
                if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                    ++i;
            } else {
                shown += text[i];
            }
        }
        return printable(shown);
    }

    void append_row(std::string &b, const std::vector<std::string> &cells) const
    {
        for (std::size_t i = 0; i < m_widths.size(); ++i) {
            if (i > 0)
                b += ' ';
            pad(b, m_widths[i], cells[i], true);
        }
        if (!cells.back().empty()) {
            b += "  ";
            b += cells.back();
        }
        // The unit row ends where the last unit does.
        while (b.back() == ' ')
            b.pop_back();
        b += '\n';
    }

    output_sink &m_out;
    result_texts m_results;
    std::vector<std::array<std::string, 2>> m_head; // name and unit of each column
    std::vector<std::size_t> m_widths;
    std::vector<std::vector<std::string>> m_held;
    std::uint64_t m_seen = 0;
    bool m_head_written = false;
};

// One point, one line per result: caption, text and unit (first tevap, where it was found from a
// measured pressure); then the fields outside the fits' trusted range, the warnings shown and
// the failure.
class single_point_writer final : public point_writer
{
public:
    single_point_writer(const output_settings &settings, output_sink &out)
        : m_out(out), m_results(settings), m_tevap_found(settings.tevap_found)
    {
    }

    void write(const point &p) override
    {
        // The lines: the fields shown, each with its text.
        std::vector<std::pair<field, std::string>> lines;
        if (m_tevap_found && !p.record[field::tevap].empty())
            lines.emplace_back(field::tevap, p.record[field::tevap]);
        for (std::size_t i = 0; i < result_count; ++i) {
            const field f = result(i);
            if (!p.outcome.wrote(f))
                continue;
            const std::string *text = m_results(p, f);
            lines.emplace_back(f, text ? *text : std::string());
        }
        std::size_t caption_width = 0, text_width = 0;
        for (std::size_t i = 0; i < result_count; ++i)
            caption_width = std::max(caption_width, width_of(row(result(i)).caption));
        for (const auto &[f, text] : lines) {
            caption_width = std::max(caption_width, width_of(row(f).caption));
            text_width = std::max(text_width, width_of(text));
        }
        std::string &b = m_out.buffer();
        for (const auto &[f, text] : lines) {
            pad(b, caption_width, row(f).caption, false);
            b += "  ";
            pad(b, text_width, text, true);
            if (!row(f).unit.empty()) {
                b += "  ";
                b += row(f).unit;
            }
            b += '\n';
        }
        if (p.outcome.outside_fits.any()) {
            b += "\noutside the fits' trusted range (" + trusted_range_text() +
                 "): " + outside_fits_names(p.outcome.outside_fits) + '\n';
        }
        for (const auto &w : warning_table) {
            if (p.record.shown(w.id) && p.outcome.decided[index(w.id)]) {
                b += '\n';
                b += w.caption;
                b += '\n';
            }
        }
        if (p.outcome.failure) {
            b += '\n';
            b += failure_message(*p.outcome.failure);
            b += '\n';
        }
        m_out.row_done();
    }

private:
    output_sink &m_out;
    result_texts m_results;
    bool m_tevap_found;
};

} // namespace

std::unique_ptr<point_writer> make_point_writer(const output_settings &settings, output_sink &out)
{
    switch (settings.format) {
    case output_format::table:
        if (settings.single_point)
            return std::make_unique<single_point_writer>(settings, out);
        return std::make_unique<table_writer>(settings, out);
    case output_format::json:
        return std::make_unique<json_writer>(settings, out);
    case output_format::csv:
        break;
    }
    return std::make_unique<csv_writer>(settings, out);
}

std::string outside_fits_names(const std::bitset<field_count> &outside)
{
    std::string names;
    for (std::size_t i = 0; i < field_count; ++i) {
        if (outside[i]) {
            if (!names.empty())
                names += ' ';
            names += field_table[i].name;
        }
    }
    return names;
}

} // namespace c3f8::cli
