// The panel's fields as a plain record, for running the calculation without a window.
#pragma once

#include "core/fields.h"

#include <array>
#include <string>
#include <vector>

struct field_record final : c3f8::field_access
{
    std::array<std::string, c3f8::field_count> texts{};
    std::array<bool, c3f8::warning_count> warnings{};
    std::string separator = ".";
    std::vector<c3f8::field> written; // in the order of writing
    std::vector<std::string> events;  // "read tevap", "write pevap", "warn m_warn", in order

    std::string &operator[](c3f8::field f) { return texts[static_cast<std::size_t>(f)]; }
    bool shown(c3f8::warning w) const { return warnings[static_cast<std::size_t>(w)]; }

    std::string text(c3f8::field f) override
    {
        events.push_back("read " + std::string(c3f8::field_name(f)));
        return (*this)[f];
    }
    void set_text(c3f8::field f, std::string_view text) override
    {
        events.push_back("write " + std::string(c3f8::field_name(f)));
        (*this)[f] = text;
        written.push_back(f);
    }
    void set_warning_visible(c3f8::warning w, bool visible) override
    {
        events.push_back("warn " + std::string(c3f8::warning_name(w)));
        warnings[static_cast<std::size_t>(w)] = visible;
    }
    std::string decimal_separator() override { return separator; }
};
