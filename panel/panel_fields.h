// The calculation's view of the panel: its fields' texts, its two warnings and the user's
// decimal separator, read from QLocale() at every conversion.
#pragma once

#include "core/fields.h"

#include <array>

class QLabel;
class QLineEdit;

class PanelFields final : public c3f8::field_access
{
public:
    // An editable combo box takes part through its line edit.
    PanelFields(const std::array<QLineEdit *, c3f8::field_count> &fields,
                const std::array<QLabel *, c3f8::warning_count> &warnings);

    std::string text(c3f8::field f) override;
    void set_text(c3f8::field f, std::string_view text) override;
    void set_warning_visible(c3f8::warning w, bool visible) override;
    std::string decimal_separator() override;

private:
    std::array<QLineEdit *, c3f8::field_count> m_fields;
    std::array<QLabel *, c3f8::warning_count> m_warnings;
};
