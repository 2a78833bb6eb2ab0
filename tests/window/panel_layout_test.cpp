// The window as designed: controls, places, fonts, colours and what a screen reader hears.
#include "chart/chart_view.h"
#include "panel_test_support.h"
#include "window/design_look.h"
#include "window/panel_design.h"

#include <QAccessible>
#include <QFontInfo>
#include <QGroupBox>
#include <QtTest>

#include <algorithm>
#include <stdexcept>
#include <vector>

using namespace PanelDesign;

class PanelLayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        prepareApplication(*qApp);
        m_panel = std::make_unique<Panel>();
    }
    void everyControlExistsWithItsNameAndKind();
    void noSiblingsOverlap();
    void edgesLineUp();
    void everyCaptionFitsItsBox();
    void fontsAreTheDesignedFace();
    void deltaLabelsShowAGreekCapitalDelta();
    void namingAndUnitLabelsReadAsTheCatalogue();
    void resultsStayLegible();
    void fieldsHaveAccessibleNamesAndUnits();
    void aFieldWithoutAControlIsRefusedByName();
    void buttonsAreFlatFacedAndShowPressAndFocus();

private:
    std::unique_ptr<Panel> m_panel;
};

namespace {

bool hasKind(QWidget *widget, Kind kind)
{
    switch (kind) {
    case Kind::Frame:
        return qobject_cast<QGroupBox *>(widget);
    case Kind::Label:
    case Kind::Warning:
        return qobject_cast<QLabel *>(widget);
    case Kind::Input:
        return qobject_cast<QLineEdit *>(widget) && widget->isEnabled();
    case Kind::Result:
        return qobject_cast<QLineEdit *>(widget) && !widget->isEnabled() &&
               widget->focusPolicy() == Qt::NoFocus;
    case Kind::Combo:
        return qobject_cast<QComboBox *>(widget) && static_cast<QComboBox *>(widget)->isEditable();
    case Kind::Button:
        return qobject_cast<QPushButton *>(widget);
    case Kind::Line:
        return widget->metaObject() == &QWidget::staticMetaObject;
    case Kind::Picture:
        return qobject_cast<ChartView *>(widget);
    }
    return false;
}

QWidget *byName(const Panel &panel, std::string_view name)
{
    return panel.findChild<QWidget *>(QString::fromLatin1(name.data(), qsizetype(name.size())));
}

// Every name of the design is a literal, so its text ends where a C string does.
const char *nameOf(const Control &c)
{
    return c.objectName().data();
}

QWidget *parentOf(const Panel &panel, const Control &c)
{
    switch (c.parent) {
    case Frame::Dane:
        return byName(panel, "Dane");
    case Frame::Wyniki:
        return byName(panel, "Wyniki");
    case Frame::Komentarz:
        return byName(panel, "Komentarz");
    case Frame::Window:
        break;
    }
    return const_cast<Panel *>(&panel);
}

// The part of a label's box that its caption covers, wrapped at blanks within the width.
QRectF captionRect(const QLabel *label)
{
    const QFontMetricsF metrics(label->font());
    const QString text = label->text();
    if (metrics.horizontalAdvance(text) <= label->width()) {
        // One line: what counts is the ink of the last letter, not the advance after it.
        const QString allButLast = text.chopped(1);
        const qreal right =
            metrics.horizontalAdvance(allButLast) + metrics.boundingRect(text.back()).right();
        return {0, 0, std::max(right, metrics.horizontalAdvance(allButLast)), metrics.height()};
    }
    return metrics.boundingRect(QRectF(0, 0, label->width(), 10000), Qt::TextWordWrap, text);
}

// A widget's box, or for a label the part of it that shows text.
QRect occupied(QWidget *widget)
{
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        return captionRect(label)
            .translated(label->pos())
            .toAlignedRect()
            .intersected(label->geometry());
    }
    return widget->geometry();
}

} // namespace

void PanelLayoutTest::everyControlExistsWithItsNameAndKind()
{
    for (const Control &c : controls()) {
        QWidget *widget = byName(*m_panel, c.objectName());
        QVERIFY2(widget, nameOf(c));
        QVERIFY2(hasKind(widget, c.kind), nameOf(c));
        QCOMPARE(widget->parentWidget(), parentOf(*m_panel, c));
    }
    // Each field of the calculation is an input where it is read and a result where it is
    // written.
    for (const auto &row : c3f8::field_table) {
        const auto c =
            std::find_if(controls().begin(), controls().end(),
                         [&row](const Control &control) { return control.field == row.id; });
        QVERIFY2(c != controls().end(), row.name.data());
        QCOMPARE(c->kind == Kind::Result, row.shown_as.has_value());
    }
    QCOMPARE(m_panel->size(), QSize(981, 730));
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("1.00"));
    QVERIFY(m_panel->minimumSize() == m_panel->maximumSize());
}

void PanelLayoutTest::noSiblingsOverlap()
{
    for (const Control &a : controls()) {
        QWidget *wa = byName(*m_panel, a.objectName());
        QVERIFY2(wa->parentWidget()->rect().contains(wa->geometry()), nameOf(a));
        for (const Control &b : controls()) {
            QWidget *wb = byName(*m_panel, b.objectName());
            if (wa == wb || wa->parentWidget() != wb->parentWidget())
                continue;
            // Fields stand above labels, so the design's own one-pixel margins do not show.
            const QRect common = occupied(wa).intersected(occupied(wb));
            QVERIFY2(common.isEmpty() || (common.width() <= 1 && !qobject_cast<QLabel *>(wa) !=
                                                                     !qobject_cast<QLabel *>(wb)),
                     qPrintable(QStringLiteral("%1 overlaps %2")
                                    .arg(QLatin1String(nameOf(a)), QLatin1String(nameOf(b)))));
        }
    }
}

void PanelLayoutTest::edgesLineUp()
{
    const QRect wyniki = byName(*m_panel, "Wyniki")->geometry();
    const QRect komentarz = byName(*m_panel, "Komentarz")->geometry();
    const QRect image = byName(*m_panel, "Image1")->geometry();
    QCOMPARE(wyniki.right(), image.right());
    QCOMPARE(wyniki.left(), image.left());
    QCOMPARE(m_panel->width() - (image.right() + 1), 4); // 60 twips
    QCOMPARE(komentarz.bottom(), image.bottom());
    QCOMPARE(m_panel->height() - (image.bottom() + 1), 1); // 15 twips
    QCOMPARE(image.size(), QSize(593, 481));
}

void PanelLayoutTest::everyCaptionFitsItsBox()
{
    for (const Control &c : controls()) {
        QWidget *widget = byName(*m_panel, c.objectName());
        const QFontMetrics metrics(widget->font());
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            // Glyph extents are hinted to whole pixels: half a pixel over is no overflow.
            const QRectF needed = captionRect(label);
            QVERIFY2(needed.width() <= label->width() + 0.5 && needed.height() <= label->height(),
                     qPrintable(QStringLiteral("%1 needs %2 x %3")
                                    .arg(QLatin1String(nameOf(c)))
                                    .arg(needed.width())
                                    .arg(needed.height())));
        } else if (auto *button = qobject_cast<QPushButton *>(widget)) {
            QVERIFY2(metrics.horizontalAdvance(button->text()) + 12 <= button->width(), nameOf(c));
        } else if (auto *frame = qobject_cast<QGroupBox *>(widget)) {
            QVERIFY2(metrics.horizontalAdvance(frame->title()) + 16 <= frame->width(), nameOf(c));
        }
    }
    // Typical results fit their fields inside the frame and text margins.
    for (auto [f, text] : {std::pair{c3f8::field::pevap, "2.033"},
                           {c3f8::field::Hliq_sat, "173.6"},
                           {c3f8::field::dHg, "-32.5"},
                           {c3f8::field::Tlsub_max, "-15"},
                           {c3f8::field::x_we2, "0.1"},
                           {c3f8::field::m_opt, "8.76"},
                           {c3f8::field::Qg, "-16.5"}}) {
        QLineEdit *edit = fieldEdit(*m_panel, f);
        QVERIFY2(QFontMetrics(edit->font()).horizontalAdvance(QString::fromLatin1(text)) <=
                     edit->width() - 8,
                 text);
    }
}

void PanelLayoutTest::fontsAreTheDesignedFace()
{
    for (const Control &c : controls()) {
        const QFontInfo info(byName(*m_panel, c.objectName())->font());
        QVERIFY2(
            info.family() == QStringLiteral("MS Sans Serif") ||
                info.family() == QStringLiteral("Liberation Sans"),
            qPrintable(
                QStringLiteral("%1 is drawn in %2").arg(QLatin1String(nameOf(c)), info.family())));
    }
    const QFont frame = byName(*m_panel, "Dane")->font();
    QVERIFY(frame.bold() && frame.italic());
    QCOMPARE(frame.pixelSize(), 16);
    QVERIFY(!byName(*m_panel, "Ostrzezenie")->font().bold());
    QVERIFY(!byName(*m_panel, "x_we")->font().bold());
    QVERIFY(byName(*m_panel, "Label5")->font().pixelSize() >
            byName(*m_panel, "Label1")->font().pixelSize());
}

void PanelLayoutTest::deltaLabelsShowAGreekCapitalDelta()
{
    for (const char *name : {"Label31", "Label32"}) {
        auto *label = qobject_cast<QLabel *>(byName(*m_panel, name));
        QCOMPARE(label->text(), QStringLiteral("\u0394"));
        QVERIFY(QFontMetrics(label->font()).inFont(QChar(0x0394)));
    }
}

void PanelLayoutTest::namingAndUnitLabelsReadAsTheCatalogue()
{
    for (const auto &row : c3f8::field_table) {
        QString caption, unit;
        int unitLabels = 0;
        for (const Control &c : controls()) {
            auto *label = qobject_cast<QLabel *>(byName(*m_panel, c.objectName()));
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

void PanelLayoutTest::resultsStayLegible()
{
    for (const Control &c : controls()) {
        if (c.kind != Kind::Result)
            continue;
        const QPalette palette = byName(*m_panel, c.objectName())->palette();
        const QColor text = palette.color(QPalette::Disabled, QPalette::Text);
        const QColor base = palette.color(QPalette::Disabled, QPalette::Base);
        QCOMPARE(base, DesignLook::fixed(c.background));
        QVERIFY2(DesignLook::contrastRatio(text, base) >= 4.5, nameOf(c));
    }
    // The ratio itself: black on white is the maximum, equal colours the minimum.
    QCOMPARE(DesignLook::contrastRatio(Qt::black, Qt::white), 21.0);
    QCOMPARE(DesignLook::contrastRatio(Qt::red, Qt::red), 1.0);
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
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        QWidget *widget = byName(*m_panel, c3f8::field_name(it.key()).data());
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(accessible);
        QCOMPARE(accessible->text(QAccessible::Name), it.value().first);
        QCOMPARE(accessible->text(QAccessible::Description), it.value().second);
    }
}

void PanelLayoutTest::aFieldWithoutAControlIsRefusedByName()
{
    std::vector<Control> design(controls().begin(), controls().end());
    std::erase_if(design, [](const Control &c) { return c.objectName() == "Qg"; });
    try {
        Panel panel(design);
        QFAIL("a panel without Qg was built");
    } catch (const std::logic_error &refusal) {
        QVERIFY2(std::string_view(refusal.what()).ends_with(" Qg"), refusal.what());
    }
}

void PanelLayoutTest::buttonsAreFlatFacedAndShowPressAndFocus()
{
    m_panel->show();
    QVERIFY(QTest::qWaitForWindowActive(m_panel.get()));
    const QImage window = m_panel->grab().toImage();
    for (const char *name : {"exit_b", "obl_b"}) {
        const auto design = std::find_if(controls().begin(), controls().end(),
                                         [name](auto &c) { return c.objectName() == name; });
        QPushButton *b = button(*m_panel, name);
        // The face beside the caption, in the window as the user sees it.
        const QPoint face = b->mapTo(m_panel.get(), QPoint(8, b->height() / 2));
        QCOMPARE(window.pixelColor(face), DesignLook::fixed(design->background));

        const QImage plain = b->grab().toImage();
        b->setDown(true);
        const QImage pressed = b->grab().toImage();
        b->setDown(false);
        b->setFocus();
        const QImage focused = b->grab().toImage();
        QVERIFY2(pressed != plain && focused != plain && pressed != focused, name);
    }
    m_panel->hide();
}

QTEST_MAIN(PanelLayoutTest)
#include "panel_layout_test.moc"
