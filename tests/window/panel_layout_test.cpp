// The window as designed: every control's place, font, colours and caption, as built and as
// drawn, and what a screen reader hears.
#include "design_expectations.h"
#include "panel_test_support.h"

#include <QAccessible>
#include <QFontInfo>
#include <QGroupBox>
#include <QtTest>

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace {

QWidget *byName(const Panel &panel, const char *name)
{
    return panel.findChild<QWidget *>(QString::fromLatin1(name));
}

// 15 twips to a pixel.
int px(int twips)
{
    return (twips + 7) / 15;
}

QRect designedRect(const Design::Control &c)
{
    if (c.kind == Design::Line)
        return {QPoint(px(c.left), px(c.top)), QPoint(px(c.width), px(c.height))};
    return {px(c.left), px(c.top), px(c.width), px(c.height)};
}

QColor designed(const Design::Ground &g, const QPalette &system)
{
    switch (g.system) {
    case Design::Ground::HighlightText:
        return system.color(QPalette::Active, QPalette::HighlightedText);
    case Design::Ground::InactiveBorder:
        return system.color(QPalette::Active, QPalette::Window);
    case Design::Ground::None:
        break;
    }
    return g.colour();
}

// The roles a kind of control draws its text and its background in.
std::pair<QPalette::ColorRole, QPalette::ColorRole> rolesOf(Design::Kind kind)
{
    switch (kind) {
    case Design::Field:
    case Design::Combo:
        return {QPalette::Text, QPalette::Base};
    case Design::Button:
        return {QPalette::ButtonText, QPalette::Button};
    default:
        return {QPalette::WindowText, QPalette::Window};
    }
}

int distance(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
           std::abs(a.blue() - b.blue());
}

// The pixel of box in image whose colour comes closest to colour.
int closest(const QImage &image, const QRect &box, QColor colour)
{
    int best = 3 * 255;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            best = std::min(best, distance(image.pixelColor(x, y), colour));
    return best;
}

// A point at the lower right of a label's box that no field or button covers.
QPoint freeCorner(const Panel &panel, QWidget *label)
{
    const QPoint corner = label->mapTo(&panel, QPoint(0, label->height() - 2));
    for (int x = label->width() - 2; x > 0; --x) {
        const QPoint p = corner + QPoint(x, 0);
        const auto siblings = label->parentWidget()->findChildren<QWidget *>();
        const bool covered = std::any_of(siblings.begin(), siblings.end(), [&](QWidget *w) {
            return w != label && !qobject_cast<QLabel *>(w) &&
                   QRect(w->mapTo(&panel, QPoint(0, 0)), w->size()).contains(p);
        });
        if (!covered)
            return p;
    }
    return corner;
}

// The contrast ratio of two colours as accessible web content defines it, 1 to 21.
double contrast(QColor a, QColor b)
{
    const auto luminance = [](QColor c) {
        const auto linear = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

class PanelLayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        prepareApplication(*qApp);
        m_panel = std::make_unique<Panel>();
        m_panel->setFailureReporter([](const QString &, const QString &) {});
        m_panel->show();
        QVERIFY(QTest::qWaitForWindowActive(m_panel.get()));
        m_grab = m_panel->grab().toImage();
    }
    void theWindowHasItsCaptionSizeAndGround();
    void everyControlStandsWhereTheDesignPutsIt();
    void everyControlHasTheDesignsFontColoursAndCaption();
    void theWindowIsDrawnInTheDesignsColours();
    void labelsWrapLongCaptionsInsideTheirBoxes();
    void fieldsAndButtonsStandAboveTheLabelsTheyTouch();
    void deltaLabelsShowAGreekCapitalDelta();
    void resultsStayLegible();
    void warningsShowInTheirColoursWhenSet();
    void theChartFillsItsBox();
    void aDarkDesktopChangesNoDesignedColour();
    void buttonsShowPressAndFocus();
    void fieldsHaveAccessibleNamesAndUnits();
    void namingAndUnitLabelsReadAsTheCatalogue();
    void aFieldOrWarningWithoutAControlIsRefusedByName();

private:
    std::unique_ptr<Panel> m_panel;
    QImage m_grab;
};

void PanelLayoutTest::theWindowHasItsCaptionSizeAndGround()
{
    QCOMPARE(m_panel->objectName(), QStringLiteral("Panel"));
    QCOMPARE(m_panel->windowTitle(),
             QStringLiteral("Program do obliczania strumienia masy i mocy grzejnika wstepnego na "
                            "wejsciu do ukladu pomiarowego dla czynnika C3F8"));
    QCOMPARE(m_panel->size(), QSize(981, 730)); // 14715 x 10950 twips
    QVERIFY(m_panel->minimumSize() == m_panel->maximumSize());
    // Between the frames and below them the window's brown shows.
    for (QPoint p : {QPoint(3, 3), QPoint(380, 100), QPoint(380, 600), QPoint(700, 244)})
        QCOMPARE(m_grab.pixelColor(p), QColor(128, 64, 64));
}

void PanelLayoutTest::everyControlStandsWhereTheDesignPutsIt()
{
    const QStringList parents = {QString(), QStringLiteral("Dane"), QStringLiteral("Wyniki"),
                                 QStringLiteral("Komentarz")};
    for (const Design::Control &c : Design::controls) {
        QWidget *widget = byName(*m_panel, c.name);
        QVERIFY2(widget, c.name);
        QCOMPARE(widget->geometry(), designedRect(c));
        // Each kind as the user meets it: a captioned frame, a caption, a field to type in...
        const char *classes[] = {"QGroupBox",   "QLabel",  "QLineEdit", "QComboBox",
                                 "QPushButton", "QWidget", "QWidget"};
        QVERIFY2(widget->inherits(classes[c.kind]), c.name);
        QWidget *parent = c.parent == Design::Top ? m_panel.get()
                                                  : byName(*m_panel, qPrintable(parents[c.parent]));
        QCOMPARE(widget->parentWidget(), parent);
    }
    const auto children = m_panel->findChildren<QWidget *>();
    const auto designed = std::count_if(children.begin(), children.end(), [](QWidget *w) {
        return std::any_of(
            std::begin(Design::controls), std::end(Design::controls),
            [w](const Design::Control &c) { return w->objectName() == QLatin1String(c.name); });
    });
    QCOMPARE(designed, qsizetype(std::size(Design::controls)));
}

void PanelLayoutTest::everyControlHasTheDesignsFontColoursAndCaption()
{
    const QPalette system = QApplication::palette();
    for (const Design::Control &c : Design::controls) {
        QWidget *widget = byName(*m_panel, c.name);
        if (c.kind != Design::Picture && c.kind != Design::Line) {
            const QFont font = widget->font();
            QVERIFY2(font.pixelSize() == c.font.pixels && font.bold() == c.font.bold &&
                         font.italic() == c.font.italic,
                     qPrintable(QStringLiteral("%1: %2 px, bold %3, italic %4")
                                    .arg(QLatin1String(c.name))
                                    .arg(font.pixelSize())
                                    .arg(font.bold())
                                    .arg(font.italic())));
            const QFontInfo drawn(font);
            QVERIFY2(drawn.family() == QStringLiteral("MS Sans Serif") ||
                         drawn.family() == QStringLiteral("Liberation Sans"),
                     c.name);
        }
        const auto [textRole, groundRole] = rolesOf(c.kind);
        const QPalette palette = widget->palette();
        if (c.kind == Design::Line) {
            QCOMPARE(palette.color(QPalette::Window), designed(c.text, system));
            continue;
        }
        if (c.text.given() || c.text.system != Design::Ground::None)
            QCOMPARE(palette.color(QPalette::Active, textRole), designed(c.text, system));
        if (c.ground.given() || c.ground.system != Design::Ground::None)
            QCOMPARE(palette.color(QPalette::Disabled, groundRole), designed(c.ground, system));

        QString caption;
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            caption = label->text();
            // Left-aligned, from the top of its box down, as it wraps.
            QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignTop);
            QCOMPARE(label->textFormat(), Qt::PlainText);
        } else if (auto *button = qobject_cast<QPushButton *>(widget))
            caption = button->text();
        else if (auto *frame = qobject_cast<QGroupBox *>(widget))
            caption = frame->title();
        else if (auto *edit = qobject_cast<QLineEdit *>(widget))
            caption = edit->text();
        QCOMPARE(caption, QString::fromUtf8(c.caption));
    }
}

void PanelLayoutTest::theWindowIsDrawnInTheDesignsColours()
{
    // Each frame's ground in its lower right corner; each label's ground at the right end of
    // its box, where no caption reaches; each field's beside its right border; each button's
    // face at its left; and somewhere in each captioned control, its text colour.
    const QPalette system = QApplication::palette();
    for (const Design::Control &c : Design::controls) {
        QWidget *widget = byName(*m_panel, c.name);
        if (widget->isHidden() || c.kind == Design::Picture)
            continue;
        const QRect box(widget->mapTo(m_panel.get(), QPoint(0, 0)), widget->size());
        QPoint ground;
        switch (c.kind) {
        case Design::Frame:
            ground = box.bottomRight() - QPoint(6, 6);
            break;
        case Design::Label:
            ground = freeCorner(*m_panel, widget);
            break;
        case Design::Field:
            ground = QPoint(box.right() - 4, box.center().y());
            break;
        case Design::Combo:
            ground = QPoint(box.left() + 4, box.center().y());
            break;
        case Design::Button:
            ground = QPoint(box.left() + 6, box.center().y());
            break;
        case Design::Line:
            ground = box.center();
            break;
        case Design::Picture:
            break;
        }
        const QColor expected =
            c.kind == Design::Line ? designed(c.text, system) : designed(c.ground, system);
        QVERIFY2(m_grab.pixelColor(ground) == expected,
                 qPrintable(QStringLiteral("%1 at %2,%3 shows %4, not %5")
                                .arg(QLatin1String(c.name))
                                .arg(ground.x())
                                .arg(ground.y())
                                .arg(m_grab.pixelColor(ground).name(), expected.name())));
        if (*c.caption && c.kind != Design::Frame)
            QVERIFY2(closest(m_grab, box, designed(c.text, system)) < 60, c.name);
    }
    // A frame's caption: bright green in Komentarz, black in the others.
    const QRect komentarz(8, 360, 100, 20);
    QVERIFY(closest(m_grab, komentarz, QColor(0, 255, 0)) < 60);
    QVERIFY(closest(m_grab, QRect(8, 8, 60, 20), Qt::black) < 60);
}

void PanelLayoutTest::labelsWrapLongCaptionsInsideTheirBoxes()
{
    for (const Design::Control &c : Design::controls) {
        auto *label = qobject_cast<QLabel *>(byName(*m_panel, c.name));
        if (!label)
            continue;
        // As the label lays its caption out: within its box, on as many lines as it has room.
        QVERIFY2(label->heightForWidth(label->width()) <= label->height(), c.name);
    }
    // The long headings really wrap: ink on their second (and third) line.
    const auto inkOnLine = [this](const char *name, int line) {
        QWidget *label = byName(*m_panel, name);
        const int lineHeight = QFontMetrics(label->font()).lineSpacing();
        const QRect band(label->mapTo(m_panel.get(), QPoint(0, line * lineHeight)),
                         QSize(label->width(), lineHeight));
        return closest(m_grab, band.intersected(m_grab.rect()), Qt::black) < 60 ||
               closest(m_grab, band.intersected(m_grab.rect()), QColor(255, 255, 0)) < 60 ||
               closest(m_grab, band.intersected(m_grab.rect()), QColor(255, 0, 0)) < 60;
    };
    QVERIFY(inkOnLine("Label7", 1));
    QVERIFY(inkOnLine("Label40", 1));
    for (const char *name : {"Label7", "Label40", "Ostrzezenie", "m_warn"})
        QVERIFY(qobject_cast<QLabel *>(byName(*m_panel, name))->wordWrap());
}

void PanelLayoutTest::fieldsAndButtonsStandAboveTheLabelsTheyTouch()
{
    // The unit label "[W]" begins on the last column of Qw's box: the field's border shows
    // there, not the label's teal ground; likewise where "p_odparowania" reaches under pevap.
    QWidget *qw = byName(*m_panel, "Qw");
    const QPoint right = qw->mapTo(m_panel.get(), QPoint(qw->width() - 1, qw->height() / 2));
    QCOMPARE(m_grab.pixelColor(right),
             qw->grab().toImage().pixelColor(qw->width() - 1, qw->height() / 2));
    QWidget *pevap = byName(*m_panel, "pevap");
    const QPoint left = pevap->mapTo(m_panel.get(), QPoint(0, pevap->height() / 2));
    QCOMPARE(m_grab.pixelColor(left), pevap->grab().toImage().pixelColor(0, pevap->height() / 2));
}

void PanelLayoutTest::deltaLabelsShowAGreekCapitalDelta()
{
    for (const char *name : {"Label31", "Label32"}) {
        auto *label = qobject_cast<QLabel *>(byName(*m_panel, name));
        QCOMPARE(label->text(), QStringLiteral("\u0394"));
        QVERIFY(QFontMetrics(label->font()).inFont(QChar(0x0394)));
    }
}

void PanelLayoutTest::resultsStayLegible()
{
    // Every result shown after a run reads at 4.5 : 1 or better against its ground.
    const QStringList typed = {"-25", "15", "0.1", "0.9", "500", "10"};
    for (std::size_t i = 0; i < c3f8::input_count; ++i)
        fieldEdit(*m_panel, c3f8::input(i))->setText(typed[int(i)]);
    button(*m_panel, "obl_b")->click();
    const QImage shown = m_panel->grab().toImage();
    for (std::size_t i = 0; i < c3f8::result_count; ++i) {
        QLineEdit *field = fieldEdit(*m_panel, c3f8::result(i));
        const QRect box(field->mapTo(m_panel.get(), QPoint(3, 3)), field->size() - QSize(6, 6));
        const QColor ground = shown.pixelColor(box.right(), box.center().y());
        double best = 1;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                best = std::max(best, contrast(shown.pixelColor(x, y), ground));
        QVERIFY2(best >= 4.5, qPrintable(field->objectName()));
    }
}

void PanelLayoutTest::warningsShowInTheirColoursWhenSet()
{
    const QPalette system = QApplication::palette();
    Panel panel;
    panel.setFailureReporter([](const QString &, const QString &) {});
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    // Run A sets Ostrzezenie, run C m_warn.
    for (auto [typed, name, text, ground] :
         {std::tuple{QStringList{"-25", "15", "0.1", "0.9", "500", "10"}, "Ostrzezenie",
                     QColor(255, 0, 0), system.color(QPalette::Active, QPalette::Window)},
          {QStringList{"-20", "-20", "0.2", "1", "700", "8"}, "m_warn", QColor(255, 255, 0),
           QColor(0, 192, 192)}}) {
        for (std::size_t i = 0; i < c3f8::input_count; ++i)
            fieldEdit(panel, c3f8::input(i))->setText(typed[int(i)]);
        button(panel, "obl_b")->click();
        const QImage image = panel.grab().toImage();
        QWidget *label = byName(panel, name);
        QVERIFY(!label->isHidden());
        const QRect box(label->mapTo(&panel, QPoint(0, 0)), label->size());
        QCOMPARE(image.pixelColor(box.bottomRight() - QPoint(1, 1)), ground);
        QVERIFY(closest(image, box, text) < 60);
    }
}

void PanelLayoutTest::theChartFillsItsBox()
{
    // The chart drawn to the 593 x 481 box, not at its 838 x 686 design size: its landmarks
    // stand at 0.708 and 0.701 of their places.
    QWidget *image = byName(*m_panel, "Image1");
    const QImage chart = image->grab().toImage();
    QCOMPARE(chart.size(), QSize(593, 481));
    const double sx = 593.0 / 838, sy = 481.0 / 686;
    const auto at = [&](double x, double y) {
        return chart.pixelColor(qRound(x * sx), qRound(y * sy));
    };
    // Thin lines shrunk to the box are drawn softened: the nearest pixel comes close.
    const auto near = [&](double x, double y, QColor colour) {
        int best = 3 * 255;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                best = std::min(best, distance(at(x + dx / sx, y + dy / sy), colour));
        return best < 200;
    };
    QVERIFY(near(600, 345, QColor(0, 255, 0))); // the evaporation isobar
    QVERIFY(near(256, 345, QColor(0, 129, 0))); // the inlet's disc
    QVERIFY(near(71.5, 300, Qt::black));        // the vertical axis
    QVERIFY(near(400, 576.5, Qt::black));       // the horizontal axis
    QVERIFY(near(690, 132, QColor(0, 0, 255))); // the dome's rightmost point
    QCOMPARE(at(825, 15), QColor(Qt::white));   // the ground, top right
    QCOMPARE(at(836, 680), QColor(Qt::white));  // and bottom right: nothing beyond the box
}

void PanelLayoutTest::aDarkDesktopChangesNoDesignedColour()
{
    // Under a dark colour scheme the fields, lists, buttons and labels keep their designed
    // colours (black text on white, on the frames' grounds, on the buttons' faces); only the
    // two system colours follow the desktop.
    const QPalette desktop = QApplication::palette();
    QPalette dark = desktop;
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button, QPalette::AlternateBase})
        dark.setColor(role, QColor(30, 30, 30));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, QColor(230, 230, 230));
    QApplication::setPalette(dark);
    const Panel panel;
    QApplication::setPalette(desktop);
    for (const Design::Control &c : Design::controls) {
        if (c.kind == Design::Picture || c.kind == Design::Line)
            continue;
        QWidget *widget = byName(panel, c.name);
        const auto [textRole, groundRole] = rolesOf(c.kind);
        if (c.text.given())
            QCOMPARE(widget->palette().color(QPalette::Active, textRole), c.text.colour());
        if (c.ground.given())
            QCOMPARE(widget->palette().color(QPalette::Active, groundRole), c.ground.colour());
    }
    auto *inlet = panel.findChild<QComboBox *>(QStringLiteral("x_we"));
    QCOMPARE(inlet->palette().color(QPalette::WindowText), QColor(Qt::black));
    QCOMPARE(inlet->palette().color(QPalette::ButtonText), QColor(Qt::black));
}

void PanelLayoutTest::buttonsShowPressAndFocus()
{
    m_panel->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_panel.get()));
    for (const char *name : {"exit_b", "obl_b"}) {
        QPushButton *b = button(*m_panel, name);
        const QImage plain = b->grab().toImage();
        b->setDown(true);
        const QImage pressed = b->grab().toImage();
        b->setDown(false);
        b->setFocus();
        const QImage focused = b->grab().toImage();
        QVERIFY2(pressed != plain && focused != plain && pressed != focused, name);
        // Raised, a button is lit from the top left; pressed, it is shaded there.
        const int midX = b->width() / 2, midY = b->height() / 2;
        const int face = plain.pixelColor(6, midY).lightness();
        QVERIFY2(plain.pixelColor(0, midY).lightness() > face, name);
        QVERIFY2(plain.pixelColor(midX, 0).lightness() > face, name);
        QVERIFY2(plain.pixelColor(b->width() - 1, midY).lightness() < face, name);
        QVERIFY2(plain.pixelColor(midX, b->height() - 1).lightness() < face, name);
        QVERIFY2(pressed.pixelColor(0, midY).lightness() < face, name);
        // The focus cue: a dotted rectangle in the caption's colour a few pixels inside.
        int dots = 0;
        for (int x = 8; x < b->width() - 8; ++x)
            dots += focused.pixelColor(x, 4) == QColor(Qt::black) &&
                    plain.pixelColor(x, 4) != QColor(Qt::black);
        QVERIFY2(dots > (b->width() - 16) / 3, name);
    }
}

void PanelLayoutTest::fieldsHaveAccessibleNamesAndUnits()
{
    const QHash<c3f8::field, std::pair<QString, QString>> expected = {
        {c3f8::field::tevap, {QStringLiteral("T odparowania"), QStringLiteral("C")}},
        {c3f8::field::tsub, {QStringLiteral("T przechlodzenia cieczy"), QStringLiteral("C")}},
        {c3f8::field::x_we, {QStringLiteral("x_we"), {}}},
        {c3f8::field::x_wy, {QStringLiteral("x_wy"), {}}},
        {c3f8::field::Qw, {QStringLiteral("Qw"), QStringLiteral("W")}},
        {c3f8::field::m, {QStringLiteral("m"), QStringLiteral("g/s")}},
        {c3f8::field::pevap, {QStringLiteral("p_odparowania"), QStringLiteral("bar abs")}},
        {c3f8::field::Hliq_sat, {QStringLiteral("Hliq_sat"), QStringLiteral("kJ/kg")}},
        {c3f8::field::Hvap_sat, {QStringLiteral("Hvap_sat"), QStringLiteral("kJ/kg")}},
        {c3f8::field::Hwe_cap, {QStringLiteral("Hwe_cap (od 2)"), QStringLiteral("kJ/kg")}},
        {c3f8::field::Hx_we, {QStringLiteral("Hx_we (x_we)"), QStringLiteral("kJ/kg")}},
        {c3f8::field::Hx_wy, {QStringLiteral("Hx_wy (x_wy)"), QStringLiteral("kJ/kg")}},
        {c3f8::field::dHg, {QStringLiteral("\u0394Hg"), QStringLiteral("kJ/kg")}},
        {c3f8::field::dHw, {QStringLiteral("\u0394Hw"), QStringLiteral("kJ/kg")}},
        {c3f8::field::Tlsub_max, {QStringLiteral("Tlsub_max"), QStringLiteral("C")}},
        {c3f8::field::x_we2, {QStringLiteral("x_we'"), {}}},
        {c3f8::field::m_opt, {QStringLiteral("m_opt (Qw,dx)"), QStringLiteral("g/s")}},
        {c3f8::field::Qg, {QStringLiteral("Qg (m)"), QStringLiteral("W")}},
    };
    const Panel fresh;
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        QWidget *widget = byName(fresh, c3f8::field_name(it.key()).data());
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(accessible);
        QCOMPARE(accessible->text(QAccessible::Name), it.value().first);
        QCOMPARE(accessible->text(QAccessible::Description), it.value().second);
    }
}

void PanelLayoutTest::namingAndUnitLabelsReadAsTheCatalogue()
{
    using namespace PanelDesign;
    for (const auto &row : c3f8::field_table) {
        QString caption, unit;
        int unitLabels = 0;
        for (const Control &c : controls()) {
            auto *label = qobject_cast<QLabel *>(byName(*m_panel, c.objectName().data()));
            if (c.names == row.id)
                caption += label->text();
            if (c.unitOf == row.id) {
                unit = label->text();
                ++unitLabels;
            }
        }
        QCOMPARE(caption.trimmed(), QString::fromUtf8(row.caption.data(), row.caption.size()));
        if (row.unit.empty()) {
            QCOMPARE(unitLabels, 0);
        } else {
            QCOMPARE(unitLabels, 1);
            const QString bracketed = QLatin1Char('[') + QLatin1String(row.unit) + QLatin1Char(']');
            QVERIFY2(unit.startsWith(bracketed), row.name.data());
        }
    }
}

void PanelLayoutTest::aFieldOrWarningWithoutAControlIsRefusedByName()
{
    using namespace PanelDesign;
    for (std::string_view name : {"Qg", "m_warn"}) {
        std::vector<Control> design(controls().begin(), controls().end());
        std::erase_if(design, [name](const Control &c) { return c.objectName() == name; });
        try {
            Panel panel(design);
            QFAIL(qPrintable(QStringLiteral("a panel without %1 was built").arg(name.data())));
        } catch (const std::logic_error &refusal) {
            QVERIFY2(std::string_view(refusal.what()).ends_with(" " + std::string(name)),
                     refusal.what());
        }
    }
}

QTEST_MAIN(PanelLayoutTest)
#include "panel_layout_test.moc"
