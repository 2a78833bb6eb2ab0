#include "panel.h"

#include "chart_view.h"
#include "core/number_text.h"
#include "panel_button.h"
#include "panel_colours.h"
#include "panel_design.h"
#include "panel_field.h"
#include "panel_fields.h"
#include "panel_fonts.h"
#include "panel_frame.h"

#include <QApplication>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QStyleFactory>

#include <optional>
#include <stdexcept>

using namespace PanelDesign;

namespace {

QFont &desktopFont()
{
    static QFont font;
    return font;
}

QRect pixelRect(const Control &c)
{
    return {pixels(c.left), pixels(c.top), pixels(c.width), pixels(c.height)};
}

std::optional<c3f8::field> fieldNamed(std::string_view name)
{
    for (const auto &row : c3f8::field_table) {
        if (row.name == name)
            return row.id;
    }
    return std::nullopt;
}

std::optional<c3f8::warning> warningNamed(std::string_view name)
{
    for (std::size_t w = 0; w < c3f8::warning_count; ++w) {
        if (c3f8::warning_names[w] == name)
            return static_cast<c3f8::warning>(w);
    }
    return std::nullopt;
}

// Sets a role in every colour group, so that a disabled control keeps its colours.
void setRole(QPalette &palette, QPalette::ColorRole role, const QColor &colour)
{
    palette.setColor(QPalette::All, role, colour);
}

QWidget *createWidget(const Control &c, const Control *frame, QWidget *parent,
                      const QPalette &system)
{
    const QColor text = PanelColours::text(c.text, system);
    const QColor background = PanelColours::background(c, frame, system);
    QPalette palette = parent->palette();
    QWidget *widget = nullptr;

    switch (c.kind) {
    case Kind::Frame: {
        auto *group = new PanelFrame(QString::fromLatin1(c.caption), parent);
        setRole(palette, QPalette::Window, background);
        setRole(palette, QPalette::WindowText, text);
        group->setAutoFillBackground(true);
        widget = group;
        break;
    }
    case Kind::Label:
    case Kind::Warning: {
        const QString caption =
            c.font == Font::Symbol ? QStringLiteral("\u0394") : QString::fromLatin1(c.caption);
        auto *label = new QLabel(caption, parent);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setAutoFillBackground(true);
        setRole(palette, QPalette::Window, background);
        setRole(palette, QPalette::WindowText, text);
        widget = label;
        break;
    }
    case Kind::Input:
    case Kind::Result: {
        auto *edit = new PanelField(parent);
        setRole(palette, QPalette::Base, background);
        setRole(palette, QPalette::Text, text);
        if (c.kind == Kind::Result) {
            // Only the program writes results; they stay legible although disabled.
            palette.setColor(QPalette::Disabled, QPalette::Text, PanelColours::disabledResultText);
            edit->setEnabled(false);
            edit->setFocusPolicy(Qt::NoFocus);
        }
        widget = edit;
        break;
    }
    case Kind::Combo: {
        auto *combo = new QComboBox(parent);
        combo->setEditable(true);
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
        widget = combo;
        break;
    }
    case Kind::Button: {
        auto *button = new PanelButton(QString::fromLatin1(c.caption), parent);
        setRole(palette, QPalette::Button, background);
        setRole(palette, QPalette::ButtonText, text);
        widget = button;
        break;
    }
    case Kind::Line:
        // A line is a one-pixel strip between its end points, in its colour.
        widget = new QWidget(parent);
        widget->setAutoFillBackground(true);
        setRole(palette, QPalette::Window, text);
        break;
    case Kind::Picture:
        widget = new ChartView(parent);
        break;
    }

    widget->setObjectName(QString::fromLatin1(c.name));
    widget->setGeometry(c.kind == Kind::Line ? QRect(QPoint(pixels(c.left), pixels(c.top)),
                                                     QPoint(pixels(c.width), pixels(c.height)))
                                             : pixelRect(c));
    widget->setFont(PanelFonts::font(c.kind, c.font));
    widget->setPalette(palette);
    // Everything else is shown with the window; a warning waits for its run.
    if (c.kind == Kind::Warning)
        widget->hide();
    return widget;
}

} // namespace

Panel::Panel(QWidget *parent) : Panel(controls(), parent) {}

Panel::Panel(std::span<const Control> design, QWidget *parent) : QWidget(parent), m_design(design)
{
    setObjectName(QStringLiteral("Panel"));
    setWindowTitle(QString::fromLatin1(windowCaption));
    setFixedSize(pixels(clientWidth), pixels(clientHeight));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::All, QPalette::Window, PanelColours::fixed(Colour::WindowBrown));
    setPalette(palette);

    buildControls();
    describeFieldsForScreenReaders();
    setTabOrder();
    fillQualityLists();
    m_fields[static_cast<std::size_t>(c3f8::field::tevap)]->setFocus();

    setFailureReporter({});
    connect(findChild<QPushButton *>(QStringLiteral("obl_b")), &QPushButton::clicked, this,
            &Panel::calculate);
    connect(findChild<QPushButton *>(QStringLiteral("exit_b")), &QPushButton::clicked, this,
            &QWidget::close);
}

void Panel::prepareApplication(QApplication &app)
{
    // Fusion draws every control in the colours it is given, on every desktop.
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The panel shows its own faces only: the desktop's font is kept for the failure message
    // and not loaded before one is shown.
    desktopFont() = QApplication::font();
    QApplication::setFont(PanelFonts::font(Kind::Label, Font::Standard));
    app.setApplicationName(QStringLiteral("c3f8calc"));
    app.setApplicationVersion(QStringLiteral(C3F8_VERSION));
    app.setDesktopFileName(QStringLiteral("io.github.c3f8calc.c3f8calc"));
}

void Panel::buildControls()
{
    // The system colours come from the desktop's palette, before the panel paints over it.
    const QPalette system = QApplication::palette();
    QHash<QString, std::pair<QWidget *, const Control *>> built;
    QList<QWidget *> fieldsAndButtons;
    for (const Control &c : m_design) {
        const auto [parent, frame] = c.parent
                                         ? built.value(QString::fromLatin1(c.parent))
                                         : std::pair<QWidget *, const Control *>{this, nullptr};
        QWidget *widget = createWidget(c, frame, parent, system);
        built.insert(widget->objectName(), {widget, &c});
        if (c.kind == Kind::Input || c.kind == Kind::Result || c.kind == Kind::Combo ||
            c.kind == Kind::Button)
            fieldsAndButtons.append(widget);

        if (const auto f = fieldNamed(c.name)) {
            auto *combo = qobject_cast<QComboBox *>(widget);
            m_fields[static_cast<std::size_t>(*f)] =
                combo ? combo->lineEdit() : qobject_cast<QLineEdit *>(widget);
        }
        if (const auto w = warningNamed(c.name))
            m_warnings[static_cast<std::size_t>(*w)] = qobject_cast<QLabel *>(widget);
    }
    // Controls stand above labels, as their boxes touch by a pixel in places.
    for (QWidget *widget : fieldsAndButtons)
        widget->raise();

    // The calculation reads and writes every field and warning: each needs its control.
    for (const auto &row : c3f8::field_table) {
        if (!m_fields[static_cast<std::size_t>(row.id)])
            throw std::logic_error("the panel has no text field for the field " +
                                   std::string(row.name));
    }
    for (std::size_t w = 0; w < c3f8::warning_count; ++w) {
        if (!m_warnings[w])
            throw std::logic_error("the panel has no label for the warning " +
                                   std::string(c3f8::warning_names[w]));
    }
}

void Panel::describeFieldsForScreenReaders()
{
    for (const auto &row : c3f8::field_table) {
        QWidget *widget = m_fields[static_cast<std::size_t>(row.id)];
        if (auto *combo = qobject_cast<QComboBox *>(widget->parentWidget()))
            widget = combo;
        widget->setAccessibleName(fieldCaption(row.id));
        for (const Control &c : m_design) {
            if (c.unit && row.name == c.name)
                widget->setAccessibleDescription(QString::fromLatin1(c.unit));
        }
    }
}

QString Panel::fieldCaption(c3f8::field f) const
{
    // What a sighted user reads on the labels that name the field, left to right.
    QString caption;
    for (const Control &c : m_design) {
        if (c.names && c3f8::field_name(f) == c.names)
            caption +=
                c.font == Font::Symbol ? QStringLiteral("\u0394") : QString::fromLatin1(c.caption);
    }
    return caption.trimmed();
}

void Panel::setTabOrder()
{
    const auto order = tabOrder();
    QWidget *previous = nullptr;
    for (const char *name : order) {
        auto *widget = findChild<QWidget *>(QString::fromLatin1(name));
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
    QWidget::setTabOrder(previous, findChild<QWidget *>(QString::fromLatin1(order.front())));
}

void Panel::fillQualityLists()
{
    // The locale's notation as it is now: a Polish system lists 0,1 ... 0,9.
    const auto fill = [](QLineEdit *field, std::initializer_list<double> values) {
        auto *combo = static_cast<QComboBox *>(field->parentWidget());
        const std::string separator = QLocale().decimalPoint().toStdString();
        for (double value : values)
            combo->addItem(QString::fromStdString(c3f8::number_to_text(value, separator)));
        combo->setCurrentIndex(-1);
        combo->clearEditText();
    };
    fill(m_fields[static_cast<std::size_t>(c3f8::field::x_we)],
         {0, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9});
    fill(m_fields[static_cast<std::size_t>(c3f8::field::x_wy)], {0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1});
}

void Panel::setFailureReporter(FailureReporter reporter)
{
    if (!reporter) {
        reporter = [this](const QString &title, const QString &message) {
            QMessageBox box(QMessageBox::Critical, title, message, QMessageBox::Ok, this);
            box.setFont(desktopFont());
            box.exec();
        };
    }
    m_failureReporter = std::move(reporter);
}

void Panel::calculate()
{
    PanelFields fields(m_fields, m_warnings);
    if (const auto error = c3f8::calculate(fields))
        reportFailure(*error);
}

QString Panel::failureTitle()
{
    return QStringLiteral("Blad obliczen");
}

QString Panel::failureMessage(const c3f8::calc_error &error) const
{
    QString what;
    switch (error.kind) {
    case c3f8::error_kind::conversion:
        what = QStringLiteral("Blad konwersji: pole \"%1\" nie zawiera poprawnej liczby.");
        break;
    case c3f8::error_kind::division_by_zero:
        what = QStringLiteral("Dzielenie przez zero przy obliczaniu \"%1\".");
        break;
    case c3f8::error_kind::overflow:
        what = QStringLiteral("Przekroczenie zakresu liczb przy obliczaniu \"%1\".");
        break;
    }
    return what.arg(fieldCaption(error.field)) +
           QStringLiteral("\nObliczenia przerwano; wprowadzone dane pozostaja bez zmian.");
}

void Panel::reportFailure(const c3f8::calc_error &error)
{
    m_failureReporter(failureTitle(), failureMessage(error));
}
