#include "panel.h"

#include "chart/chart_view.h"
#include "classic_widgets/classic_button.h"
#include "classic_widgets/classic_frame.h"
#include "classic_widgets/classic_line_edit.h"
#include "classic_widgets/eliding_line_edit.h"
#include "core/number_text.h"
#include "core/reference_notes.h"
#include "design_look.h"

#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>

#include <stdexcept>

using namespace PanelDesign;

namespace {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QRect pixelRect(const Box &box)
{
    return {pixels(box.left), pixels(box.top), pixels(box.width), pixels(box.height)};
}

// A line is a one-pixel strip between its end points, both included.
QRect pixelLine(const Box &box)
{
    return {QPoint(pixels(box.left), pixels(box.top)),
            QPoint(pixels(box.left + box.width), pixels(box.top + box.height))};
}

// Sets a role in every colour group, so that a disabled control keeps its colours.
void setRole(QPalette &palette, QPalette::ColorRole role, const QColor &colour)
{
    palette.setColor(QPalette::All, role, colour);
}

// The decimal separator of the user's locale as it is now, as the calculation takes it; a point
// where numbers could not be written with the locale's.
c3f8::decimal_separator decimalSeparator()
{
    const c3f8::decimal_separator point = ".";
    return c3f8::make_separator(QLocale().decimalPoint().toStdString()).value_or(point);
}

} // namespace

Panel::Panel(QWidget *parent) : Panel(controls(), parent) {}

Panel::Panel(std::span<const Control> design, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Panel"));
    setWindowTitle(fromUtf8(windowCaption));
    setFixedSize(pixels(clientWidth), pixels(clientHeight));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::All, QPalette::Window, DesignLook::fixed(Colour::WindowBrown));
    setPalette(palette);

    // The system colours come from the desktop's palette, before the panel paints over it.
    const QPalette system = QApplication::palette();
    std::array<std::pair<QWidget *, Colour>, 4> frames{};
    frames[static_cast<std::size_t>(Frame::Window)] = {this, Colour::Default};
    QList<QWidget *> fieldsAndButtons, buttons;
    for (const Control &c : design) {
        const auto [parentWidget, frameBackground] = frames[static_cast<std::size_t>(c.parent)];
        QWidget *widget = createControl(c, parentWidget, frameBackground, system);
        if (c.kind == Kind::Frame)
            frames[static_cast<std::size_t>(c.frame)] = {widget, c.background};
        if (c.kind == Kind::Button)
            buttons.append(widget);
        if (c.field || c.kind == Kind::Button)
            fieldsAndButtons.append(widget);
    }
    // Controls stand above labels, as their boxes touch by a pixel in places.
    for (QWidget *widget : fieldsAndButtons)
        widget->raise();

    requireEveryFieldAndWarning();
    describeFieldsForScreenReaders();
    setTabOrder(buttons);
    fillQualityLists();
    m_fields[c3f8::index(c3f8::field::tevap)]->setFocus();
    setFailureReporter({});
}

QFont Panel::labelFont()
{
    return DesignLook::font(Kind::Label, Font::Standard);
}

QWidget *Panel::createControl(const Control &c, QWidget *parent, Colour frameBackground,
                              const QPalette &system)
{
    const QColor text = DesignLook::text(c.text, system);
    const QColor background = DesignLook::background(c, frameBackground, system);
    QPalette palette = parent->palette();
    QWidget *widget = nullptr;

    switch (c.kind) {
    case Kind::Frame: {
        auto *group = new ClassicFrame(fromUtf8(c.caption), parent);
        setRole(palette, QPalette::Window, background);
        setRole(palette, QPalette::WindowText, text);
        group->setAutoFillBackground(true);
        widget = group;
        break;
    }
    case Kind::Label:
    case Kind::Warning: {
        const QString caption =
            c.font == Font::Delta ? QStringLiteral("\u0394") : fromUtf8(c.caption);
        auto *label = new QLabel(caption, parent);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setAutoFillBackground(true);
        setRole(palette, QPalette::Window, background);
        setRole(palette, QPalette::WindowText, text);
        if (c.warning)
            m_warnings[c3f8::index(*c.warning)] = label;
        widget = label;
        break;
    }
    case Kind::Input:
    case Kind::Result: {
        auto *edit = new ClassicLineEdit(parent);
        setRole(palette, QPalette::Base, background);
        setRole(palette, QPalette::Text, text);
        if (c.kind == Kind::Result) {
            // Only the program writes results; they stay legible although disabled.
            palette.setColor(QPalette::Disabled, QPalette::Text, DesignLook::disabledResultText);
            edit->setEnabled(false);
            edit->setFocusPolicy(Qt::NoFocus);
        }
        m_fields[c3f8::index(*c.field)] = edit;
        widget = edit;
        break;
    }
    case Kind::Combo: {
        auto *combo = new QComboBox(parent);
        combo->setEditable(true);
        // A typed text wider than the box ends in an ellipsis, as every field's does.
        auto *edit = new ElidingLineEdit(combo);
        combo->setLineEdit(edit);
        // Enter must not add the typed text to the list, and nothing completes it.
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);
        // Default colours, not the frame's.
        setRole(palette, QPalette::Window, system.color(QPalette::Window));
        setRole(palette, QPalette::WindowText, Qt::black);
        setRole(palette, QPalette::Button, system.color(QPalette::Button));
        setRole(palette, QPalette::ButtonText, Qt::black);
        setRole(palette, QPalette::Base, Qt::white);
        setRole(palette, QPalette::Text, Qt::black);
        m_fields[c3f8::index(*c.field)] = edit;
        widget = combo;
        break;
    }
    case Kind::Button: {
        auto *button = new ClassicButton(fromUtf8(c.caption), parent);
        setRole(palette, QPalette::Button, background);
        setRole(palette, QPalette::ButtonText, text);
        if (c.action == Action::Calculate)
            connect(button, &QPushButton::clicked, this, &Panel::calculate);
        else if (c.action == Action::Exit)
            connect(button, &QPushButton::clicked, this, &QWidget::close);
        widget = button;
        break;
    }
    case Kind::Line:
        widget = new QWidget(parent);
        widget->setAutoFillBackground(true);
        setRole(palette, QPalette::Window, text);
        break;
    case Kind::Picture:
        widget = new ChartView(parent);
        break;
    }

    widget->setObjectName(fromUtf8(c.objectName()));
    widget->setGeometry(c.kind == Kind::Line ? pixelLine(c.box) : pixelRect(c.box));
    widget->setFont(DesignLook::font(c.kind, c.font));
    widget->setPalette(palette);
    // Everything else is shown with the window; a warning waits for its run.
    if (c.kind == Kind::Warning)
        widget->hide();
    return widget;
}

void Panel::requireEveryFieldAndWarning() const
{
    // The calculation reads and writes every field and warning: each needs its control.
    for (const auto &row : c3f8::field_table) {
        if (!m_fields[c3f8::index(row.id)])
            throw std::logic_error("the panel has no text field for the field " +
                                   std::string(row.name));
    }
    for (const auto &row : c3f8::warning_table) {
        if (!m_warnings[c3f8::index(row.id)])
            throw std::logic_error("the panel has no label for the warning " +
                                   std::string(row.name));
    }
}

void Panel::describeFieldsForScreenReaders()
{
    for (const auto &row : c3f8::field_table) {
        QWidget *widget = m_fields[c3f8::index(row.id)];
        if (auto *combo = qobject_cast<QComboBox *>(widget->parentWidget()))
            widget = combo;
        widget->setAccessibleName(fromUtf8(row.caption));
        widget->setAccessibleDescription(fromUtf8(row.unit));
    }
}

void Panel::setTabOrder(const QList<QWidget *> &buttons)
{
    // The inputs in the catalogue's order, then the buttons, and round again.
    QList<QWidget *> chain;
    for (std::size_t i = 0; i < c3f8::input_count; ++i) {
        QWidget *widget = m_fields[i];
        if (auto *combo = qobject_cast<QComboBox *>(widget->parentWidget()))
            widget = combo;
        chain.append(widget);
    }
    chain += buttons;
    for (qsizetype i = 0; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i], chain[(i + 1) % chain.size()]);
}

void Panel::fillQualityLists()
{
    // The locale's notation as it is now: a Polish system lists 0,1 ... 0,9.
    const c3f8::decimal_separator separator = decimalSeparator();
    for (const c3f8::field_row &row : c3f8::field_table) {
        if (row.offered.empty())
            continue;
        auto *combo = static_cast<QComboBox *>(m_fields[c3f8::index(row.id)]->parentWidget());
        for (double value : row.offered)
            combo->addItem(QString::fromStdString(c3f8::number_to_text(value, separator)));
        combo->setCurrentIndex(-1);
        combo->clearEditText();
    }
}

void Panel::setFailureReporter(FailureReporter reporter)
{
    if (!reporter) {
        reporter = [this](const QString &title, const QString &message) {
            QMessageBox box(QMessageBox::Critical, title, message, QMessageBox::Ok, this);
            // The desktop's own font, every property of it: the application's is the panel's
            // bold label face, which would lend it its weight.
            QFont desktop = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
            desktop.setResolveMask(QFont::AllPropertiesResolved);
            box.setFont(desktop);
            box.exec();
        };
    }
    m_failureReporter = std::move(reporter);
}

void Panel::calculate()
{
    c3f8::field_record record;
    for (std::size_t i = 0; i < c3f8::field_count; ++i)
        record.texts[i] = m_fields[i]->text().toStdString();
    for (std::size_t w = 0; w < c3f8::warning_count; ++w)
        record.warnings[w] = !m_warnings[w]->isHidden();

    const c3f8::decimal_separator separator = decimalSeparator();
    const c3f8::run_outcome outcome = c3f8::calculate(record, separator);
    const auto notes = c3f8::reference_notes(record, outcome, separator);

    // Only what the run wrote, each text with its note: the inputs stay exactly as typed.
    for (std::size_t i = c3f8::input_count; i < c3f8::field_count; ++i) {
        const auto &note = notes[i - c3f8::input_count];
        if (!note)
            continue;
        m_fields[i]->setText(QString::fromStdString(record.texts[i]));
        // Show a long number from its first digit; a cut one ends in an ellipsis.
        m_fields[i]->setCursorPosition(0);
        m_fields[i]->setNote(QString::fromStdString(*note));
        m_fields[i]->setAccessibleDescription(QString::fromStdString(*note));
    }
    for (std::size_t w = 0; w < c3f8::warning_count; ++w) {
        if (outcome.decided[w])
            m_warnings[w]->setVisible(record.warnings[w]);
    }
    if (!outcome.failure)
        return;
    m_failureReporter(fromUtf8(c3f8::failure_title),
                      QString::fromStdString(c3f8::failure_message(*outcome.failure)));
    // Where the user can mend the input the message names; a result's failure leaves the
    // focus where it was.
    if (c3f8::is_input(outcome.failure->field)) {
        QLineEdit *input = m_fields[c3f8::index(outcome.failure->field)];
        input->setFocus(Qt::OtherFocusReason);
        input->selectAll();
    }
}
