#include "cli/point_writer.h"

#include "core/number_text.h"

#include <algorithm>
#include <charconv>

namespace c3f8::cli {

namespace {

constexpr std::string_view failure_column = "failure", failure_field_column = "failure_field";

// The text a result shows in the output, or none where the run did not reach it.
class result_texts
{
public:
    explicit result_texts(const output_settings &settings) : m_settings(settings) {}

    const std::string *operator()(const field_record &record, const run_outcome &outcome, field f)
    {
        if (!outcome.wrote(f))
            return nullptr;
        if (!m_settings.full_precision)
            return &record[f];
        m_full = number_to_text(*outcome.value(f), std::string_view(&m_settings.separator, 1));
        return &m_full;
    }

private:
    const output_settings &m_settings;
    std::string m_full;
};

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

class csv_writer final : public point_writer
{
public:
    csv_writer(const output_settings &settings, output_sink &out)
        : m_out(out), m_delimiter(csv_delimiter(settings.separator)), m_results(settings)
    {
    }

    void begin() override
    {
        std::string &b = m_out.buffer();
        for (const auto &row : field_table) {
            b += row.name;
            b += m_delimiter;
        }
        for (const auto &row : warning_table) {
            b += row.name;
            b += m_delimiter;
        }
        b += failure_column;
        b += m_delimiter;
        b += failure_field_column;
        b += '\n';
    }

    void write(const field_record &record, const run_outcome &outcome) override
    {
        std::string &b = m_out.buffer();
        for (std::size_t i = 0; i < input_count; ++i) {
            cell(b, record.texts[i]);
            b += m_delimiter;
        }
        for (std::size_t i = input_count; i < field_count; ++i) {
            if (const std::string *text = m_results(record, outcome, static_cast<field>(i)))
                cell(b, *text);
            b += m_delimiter;
        }
        for (std::size_t w = 0; w < warning_count; ++w) {
            if (outcome.decided[w])
                b += record.warnings[w] ? "true" : "false";
            b += m_delimiter;
        }
        if (outcome.failure) {
            b += row(outcome.failure->kind).name;
            b += m_delimiter;
            b += field_name(outcome.failure->field);
        } else {
            b += m_delimiter;
        }
        b += '\n';
        m_out.row_done();
    }

private:
    // Quoted where the cell holds the delimiter, a quote or a line end, as RFC 4180 asks.
    void cell(std::string &b, std::string_view text) const
    {
        const bool quoted = text.find_first_of(m_quoted) != std::string_view::npos ||
                            text.find(m_delimiter) != std::string_view::npos;
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
    std::string_view m_quoted = "\"\r\n";
    result_texts m_results;
};

class json_writer final : public point_writer
{
public:
    json_writer(const output_settings &settings, output_sink &out)
        : m_out(out), m_separator(settings.separator), m_results(settings)
    {
    }

    void write(const field_record &record, const run_outcome &outcome) override
    {
        std::string &b = m_out.buffer();
        b += '{';
        for (std::size_t i = 0; i < field_count; ++i) {
            const auto f = static_cast<field>(i);
            key(b, field_name(f));
            if (is_input(f)) {
                string(b, record.texts[i]);
            } else if (const std::string *text = m_results(record, outcome, f)) {
                // The digits of the text, in JSON's own number syntax.
                for (char c : *text)
                    b += c == m_separator ? '.' : c;
            } else {
                b += "null";
            }
            b += ',';
        }
        for (const auto &row : warning_table) {
            key(b, row.name);
            const std::size_t w = index(row.id);
            b += !outcome.decided[w] ? "null" : record.warnings[w] ? "true" : "false";
            b += ',';
        }
        key(b, failure_column);
        if (outcome.failure) {
            b += R"({"kind":")";
            b += row(outcome.failure->kind).name;
            b += R"(","field":")";
            b += field_name(outcome.failure->field);
            b += "\"}";
        } else {
            b += "null";
        }
        b += "}\n";
        m_out.row_done();
    }

private:
    static void key(std::string &b, std::string_view name)
    {
        b += '"';
        b += name;
        b += "\":";
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
            } else if (c < 0x80) {
                b += static_cast<char>(c);
                ++i;
            } else {
                const std::size_t length = utf8_length(text.substr(i));
                if (length == 0) {
                    b += "\xEF\xBF\xBD";
                    ++i;
                } else {
                    b += text.substr(i, length);
                    i += length;
                }
            }
        }
        b += '"';
    }

    // The length of the well-formed UTF-8 sequence text starts with, or 0.
    static std::size_t utf8_length(std::string_view text)
    {
        const auto lead = static_cast<unsigned char>(text[0]);
        std::size_t length = 0;
        std::uint32_t code = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            code = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            code = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            code = lead & 0x07;
        } else {
            return 0;
        }
        if (text.size() < length)
            return 0;
        for (std::size_t k = 1; k < length; ++k) {
            const auto c = static_cast<unsigned char>(text[k]);
            if ((c & 0xC0) != 0x80)
                return 0;
            code = code << 6 | (c & 0x3F);
        }
        const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
        const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
        return overlong || surrogate || code > 0x10FFFF ? 0 : length;
    }

    output_sink &m_out;
    char m_separator;
    result_texts m_results;
};

// A row of fixed-width columns for each point as it is computed, under the names and units.
class table_writer final : public point_writer
{
public:
    table_writer(const output_settings &settings, output_sink &out)
        : m_out(out), m_results(settings)
    {
        for (std::size_t i = 0; i < field_count; ++i) {
            m_units[i] = field_table[i].unit.empty()
                             ? std::string()
                             : std::string("[").append(field_table[i].unit).append("]");
            m_widths[i] = std::max({field_table[i].name.size(), m_units[i].size(), min_width});
        }
        for (const auto &row : warning_table)
            m_widths[field_count + index(row.id)] = std::max(row.name.size(), min_width);
    }

    void begin() override
    {
        std::string &b = m_out.buffer();
        for (std::size_t i = 0; i < field_count; ++i)
            cell(b, i, field_table[i].name);
        for (const auto &row : warning_table)
            cell(b, field_count + index(row.id), row.name);
        b += "  failure\n";
        for (std::size_t i = 0; i < field_count; ++i)
            cell(b, i, m_units[i]);
        b += '\n';
    }

    void write(const field_record &record, const run_outcome &outcome) override
    {
        std::string &b = m_out.buffer();
        for (std::size_t i = 0; i < field_count; ++i) {
            const auto f = static_cast<field>(i);
            const std::string *text =
                is_input(f) ? &record.texts[i] : m_results(record, outcome, f);
            cell(b, i, text ? std::string_view(*text) : "-");
        }
        for (std::size_t w = 0; w < warning_count; ++w)
            cell(b, field_count + w, !outcome.decided[w] ? "-" : record.warnings[w] ? "yes" : "no");
        if (outcome.failure) {
            b += "  ";
            b += row(outcome.failure->kind).name;
            b += ' ';
            b += field_name(outcome.failure->field);
            b += ": ";
            const std::string message = failure_message(*outcome.failure);
            b += std::string_view(message).substr(0, message.find('\n'));
        }
        b += '\n';
        m_out.row_done();
    }

private:
    static constexpr std::size_t min_width = 7;

    void cell(std::string &b, std::size_t column, std::string_view text) const
    {
        if (column > 0)
            b += ' ';
        pad(b, m_widths[column], text, true);
    }

    output_sink &m_out;
    result_texts m_results;
    std::array<std::string, field_count> m_units;
    std::array<std::size_t, field_count + warning_count> m_widths{};
};

// One point, one line per result: caption, text and unit; then the warnings shown.
class single_point_writer final : public point_writer
{
public:
    single_point_writer(const output_settings &settings, output_sink &out)
        : m_out(out), m_results(settings)
    {
    }

    void write(const field_record &record, const run_outcome &outcome) override
    {
        std::size_t captionWidth = 0, textWidth = 0;
        std::array<std::string, result_count> texts;
        for (std::size_t i = 0; i < result_count; ++i) {
            const field f = result(i);
            if (const std::string *text = m_results(record, outcome, f))
                texts[i] = *text;
            captionWidth = std::max(captionWidth, width_of(row(f).caption));
            textWidth = std::max(textWidth, width_of(texts[i]));
        }
        std::string &b = m_out.buffer();
        for (std::size_t i = 0; i < result_count; ++i) {
            const field f = result(i);
            if (!outcome.wrote(f))
                continue;
            pad(b, captionWidth, row(f).caption, false);
            b += "  ";
            pad(b, textWidth, texts[i], true);
            if (!row(f).unit.empty()) {
                b += "  ";
                b += row(f).unit;
            }
            b += '\n';
        }
        for (const auto &w : warning_table) {
            if (record.shown(w.id) && outcome.decided[index(w.id)]) {
                b += '\n';
                b += w.caption;
                b += '\n';
            }
        }
        if (outcome.failure) {
            b += '\n';
            b += failure_message(*outcome.failure);
            b += '\n';
        }
        m_out.row_done();
    }

private:
    output_sink &m_out;
    result_texts m_results;
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

bool is_output_column(std::string_view name)
{
    for (std::size_t i = input_count; i < field_count; ++i)
        if (field_table[i].name == name)
            return true;
    for (const auto &row : warning_table)
        if (row.name == name)
            return true;
    return name == failure_column || name == failure_field_column;
}

} // namespace c3f8::cli
