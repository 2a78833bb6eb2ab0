#include "panel_fields.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>

PanelFields::PanelFields(const std::array<QLineEdit *, c3f8::field_count> &fields,
                         const std::array<QLabel *, c3f8::warning_count> &warnings)
    : m_fields(fields), m_warnings(warnings)
{
}

std::string PanelFields::text(c3f8::field f)
{
    return m_fields[static_cast<std::size_t>(f)]->text().toStdString();
}

void PanelFields::set_text(c3f8::field f, std::string_view text)
{
    m_fields[static_cast<std::size_t>(f)]->setText(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    // Show a long number from its first digit, as a narrow field would cut it.
    m_fields[static_cast<std::size_t>(f)]->setCursorPosition(0);
}

void PanelFields::set_warning_visible(c3f8::warning w, bool visible)
{
    m_warnings[static_cast<std::size_t>(w)]->setVisible(visible);
}

std::string PanelFields::decimal_separator()
{
    return QLocale().decimalPoint().toStdString();
}
