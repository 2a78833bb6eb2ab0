// The window at work: start state, keyboard, runs typed into the real widgets, failures.
#include "classic_widgets/classic_line_edit.h"
#include "core/number_text.h"
#include "panel_test_support.h"
#include "test_seed.h"
#include "worked_runs.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QFontDatabase>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QtTest>

using c3f8::field;
using c3f8::warning;

namespace {

struct Failure
{
    QString title, message;
};

// A panel whose failures are recorded instead of shown in a modal box.
struct TestedPanel
{
    Panel panel;
    QList<Failure> failures;

    TestedPanel()
    {
        panel.setFailureReporter([this](const QString &title, const QString &message) {
            failures.append({title, message});
        });
    }

    // Shows the window and waits until it is drawn, or until it has the focus.
    bool shown(bool active = false)
    {
        panel.show();
        return active ? QTest::qWaitForWindowActive(&panel) : QTest::qWaitForWindowExposed(&panel);
    }

    QString text(field f) const { return fieldEdit(panel, f)->text(); }
    bool warned(warning w) const { return !warningLabel(panel, w)->isHidden(); }

    // Types like a user: into the focused field, replacing what it held.
    void type(field f, const QString &text)
    {
        QLineEdit *edit = fieldEdit(panel, f);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        // Key by key, as a keyboard of the locale types them, letters beyond ASCII included.
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }

    void typeInputs(const QStringList &texts)
    {
        for (std::size_t i = 0; i < c3f8::input_count; ++i)
            type(c3f8::input(i), texts[int(i)]);
    }

    // Clicks OBLICZ; the window must then show what the calculation gives on a plain record of
    // the same texts, in the locale's notation: the same figures and warnings, and a failure
    // reported where the calculation fails.
    void clickOblicz()
    {
        c3f8::field_record expected;
        for (const auto &row : c3f8::field_table)
            expected[row.id] = text(row.id).toStdString();
        expected.warnings = {warned(warning::Ostrzezenie), warned(warning::m_warn)};
        const bool fails =
            c3f8::calculate(expected, *c3f8::make_separator(QLocale().decimalPoint().toStdString()))
                .failure.has_value();
        const auto failuresBefore = failures.size();

        QTest::mouseClick(button(panel, "obl_b"), Qt::LeftButton);
        QCOMPARE(failures.size(), failuresBefore + (fails ? 1 : 0));
        for (const auto &row : c3f8::field_table)
            QCOMPARE(text(row.id), QString::fromStdString(expected[row.id]));
        QCOMPARE(warned(warning::Ostrzezenie), expected.shown(warning::Ostrzezenie));
        QCOMPARE(warned(warning::m_warn), expected.shown(warning::m_warn));
    }
};

// A worked run's inputs as typed where the locale's separator is the one given.
QStringList typedTexts(const worked_run &run, const QString &separator = QStringLiteral("."))
{
    QStringList texts;
    for (std::string_view typed : run.typed)
        texts << QString::fromStdString(std::string(typed)).replace(QLatin1Char('.'), separator);
    return texts;
}

const QLocale arabic(QLocale::Arabic, QLocale::Egypt); // separator U+066B

} // namespace

class PanelBehaviourTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Whatever style the desktop gives, the program sets its own.
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
        prepareApplication(*qApp);
    }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void startsEmptyWithTheQualityLists_data();
    void startsEmptyWithTheQualityLists();
    void tabCyclesOverTheInputsAndButtons();
    void enterAndEscapeDoNothing();
    void resultFieldsTakeNoInput();
    void resultsCarryTheReferenceEquationsFigures();
    void workedRunsTypedIntoTheWindow_data();
    void workedRunsTypedIntoTheWindow();
    void aQualityPickedFromTheList();
    void aCharacterSharingTheSeparatorsFirstByteIsNoSeparator();
    void aTypedQualityIsNotCompletedFromTheList();
    void longResultsShowTheirFirstDigits();
    void aFigureWiderThanItsBoxEndsInAnEllipsisAndIsWholeInItsTooltip();
    void afterAFailureTheFocusIsWhereTheFixIs();
    void theFailureMessageIsTitledAndWhole();
    void theApplicationIsStyledAndNamed();
    void failuresLeaveTheInputsAndTheWindowWorking();
    void theRealMessageBoxNamesKindAndField();
    void wyjscieClosesTheWindow();
    void monkeyTyping();
    void theOrderOfTheDesignsRowsChangesNoTabOrder();
};

void PanelBehaviourTest::startsEmptyWithTheQualityLists_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("inlet");
    QTest::addColumn<QStringList>("outlet");
    QTest::newRow("point") << QLocale(QLocale::English, QLocale::UnitedStates)
                           << QStringList{"0",   "0.1", "0.2", "0.3", "0.4",
                                          "0.5", "0.6", "0.7", "0.8", "0.9"}
                           << QStringList{"0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1"};
    QTest::newRow("comma") << QLocale(QLocale::Polish, QLocale::Poland)
                           << QStringList{"0",   "0,1", "0,2", "0,3", "0,4",
                                          "0,5", "0,6", "0,7", "0,8", "0,9"}
                           << QStringList{"0,4", "0,5", "0,6", "0,7", "0,8", "0,9", "1"};
}

void PanelBehaviourTest::startsEmptyWithTheQualityLists()
{
    QFETCH(QLocale, locale);
    QFETCH(QStringList, inlet);
    QFETCH(QStringList, outlet);
    QLocale::setDefault(locale);

    TestedPanel p;
    QVERIFY(p.shown());
    for (const auto &row : c3f8::field_table)
        QVERIFY(p.text(row.id).isEmpty());
    QVERIFY(!p.warned(warning::Ostrzezenie));
    QVERIFY(!p.warned(warning::m_warn));

    for (auto [name, expected] : {std::pair{"x_we", inlet}, {"x_wy", outlet}}) {
        QComboBox *box = combo(p.panel, name);
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        QCOMPARE(items, expected);
        QCOMPARE(box->currentIndex(), -1);
        QVERIFY(box->currentText().isEmpty());
    }
    QCOMPARE(p.panel.focusWidget(), fieldEdit(p.panel, field::tevap));
}

void PanelBehaviourTest::tabCyclesOverTheInputsAndButtons()
{
    Panel panel;
    panel.show();
    QVERIFY(QTest::qWaitForWindowActive(&panel));
    const QStringList forward = {"tsub", "x_we", "x_wy", "Qw", "m", "exit_b", "obl_b", "tevap"};
    const auto focusedName = [&panel] {
        QWidget *w = panel.focusWidget();
        // An editable combo box is focused through its line edit.
        return qobject_cast<QComboBox *>(w->parentWidget()) ? w->parentWidget()->objectName()
                                                            : w->objectName();
    };
    QCOMPARE(focusedName(), QStringLiteral("tevap"));
    for (int round = 0; round < 2; ++round) {
        for (const QString &name : forward) {
            QTest::keyClick(panel.focusWidget(), Qt::Key_Tab);
            QCOMPARE(focusedName(), name);
        }
    }
    for (auto it = forward.rbegin() + 1; it != forward.rend(); ++it) {
        QTest::keyClick(panel.focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(focusedName(), *it);
    }
    QTest::keyClick(panel.focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(focusedName(), QStringLiteral("tevap"));
    QTest::keyClick(panel.focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(focusedName(), QStringLiteral("obl_b"));
}

void PanelBehaviourTest::enterAndEscapeDoNothing()
{
    TestedPanel p;
    QVERIFY(p.shown(true));
    QSignalSpy oblicz(button(p.panel, "obl_b"), &QPushButton::clicked);
    QSignalSpy wyjscie(button(p.panel, "exit_b"), &QPushButton::clicked);
    for (std::size_t i = 0; i < c3f8::input_count; ++i) {
        QLineEdit *edit = fieldEdit(p.panel, c3f8::input(i));
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("1"));
        for (auto key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
            QTest::keyClick(edit, key);
    }
    QCOMPARE(oblicz.count(), 0);
    QCOMPARE(wyjscie.count(), 0);
    QVERIFY(p.panel.isVisible());
    QVERIFY(p.failures.isEmpty());
    QCOMPARE(combo(p.panel, "x_we")->count(), 10); // Enter added no item
    QVERIFY(p.text(field::pevap).isEmpty());
}

void PanelBehaviourTest::resultFieldsTakeNoInput()
{
    TestedPanel p;
    QVERIFY(p.shown(true));
    QLineEdit *result = fieldEdit(p.panel, field::Hliq_sat);
    QTest::mouseClick(result, Qt::LeftButton);
    QTest::keyClicks(result, QStringLiteral("123"));
    QVERIFY(result->text().isEmpty());
    QVERIFY(!result->hasFocus());
}

void PanelBehaviourTest::workedRunsTypedIntoTheWindow_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("typed");
    const QLocale point(QLocale::English, QLocale::UnitedStates);
    for (const worked_run &run : worked_runs)
        QTest::newRow(run.name) << point << typedTexts(run);
    QTest::newRow("C, Polish") << QLocale(QLocale::Polish, QLocale::Poland)
                               << typedTexts(worked_runs[2], QStringLiteral(","));
    QTest::newRow("A, Arabic") << arabic << typedTexts(worked_runs[0], QStringLiteral("\u066B"));
}

void PanelBehaviourTest::workedRunsTypedIntoTheWindow()
{
    QFETCH(QLocale, locale);
    QFETCH(QStringList, typed);
    QLocale::setDefault(locale);

    TestedPanel p;
    QVERIFY(p.shown());
    p.typeInputs(typed);
    p.clickOblicz();
    QVERIFY(p.failures.isEmpty());

    // Again with the same inputs: the same figures, and the inputs as typed.
    p.clickOblicz();
    for (std::size_t i = 0; i < c3f8::input_count; ++i)
        QCOMPARE(p.text(c3f8::input(i)), typed[int(i)]);
}

void PanelBehaviourTest::resultsCarryTheReferenceEquationsFigures()
{
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    TestedPanel p;
    QVERIFY(p.shown());
    const auto note = [&p](field f) { return fieldEdit(p.panel, f)->toolTip(); };
    p.typeInputs(typedTexts(worked_runs[0], QStringLiteral(",")));
    p.clickOblicz();
    QCOMPARE(note(field::m_opt), QStringLiteral("Wg rownania stanu: 6,21 g/s (fity: -0,08)"));
    QCOMPARE(note(field::Qg), QStringLiteral("Wg rownania stanu: -18,1 W (fity: 8,8)"));
    QCOMPARE(note(field::x_we2), QStringLiteral("Wg rownania stanu: 0,1 (fity: 0,0)"));
    QCOMPARE(fieldEdit(p.panel, field::pevap)->accessibleDescription(),
             QStringLiteral("Wg rownania stanu: 1,677 bar abs (fity: -0,006)"));

    // Where the reference stops, the note says where; where the fits stop, a field keeps its
    // text and its note together.
    p.type(field::tevap, QStringLiteral("80"));
    p.clickOblicz();
    QCOMPARE(note(field::Qg),
             QStringLiteral("Wg rownania stanu: obliczenia przerwane przy \"p_odparowania\""));
    p.type(field::x_wy, QString());
    p.clickOblicz();
    QCOMPARE(note(field::Qg),
             QStringLiteral("Wg rownania stanu: obliczenia przerwane przy \"p_odparowania\""));
}

void PanelBehaviourTest::aQualityPickedFromTheList()
{
    TestedPanel p;
    QVERIFY(p.shown(true));
    QStringList typed = typedTexts(worked_runs[0]);
    typed[int(field::x_we)].clear();
    p.typeInputs(typed);
    // Open the list, move down to its fourth item and take it.
    QComboBox *inlet = combo(p.panel, "x_we");
    inlet->setFocus();
    inlet->showPopup();
    QAbstractItemView *list = inlet->view();
    list->setCurrentIndex(list->model()->index(3, 0));
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(p.text(field::x_we), QStringLiteral("0.3"));
    p.clickOblicz();
    QVERIFY(p.failures.isEmpty());
}

void PanelBehaviourTest::aCharacterSharingTheSeparatorsFirstByteIsNoSeparator()
{
    // U+066B and U+066C (the Arabic thousands separator) begin with the same byte in UTF-8.
    QLocale::setDefault(arabic);
    TestedPanel p;
    QVERIFY(p.shown());
    QStringList typed = typedTexts(worked_runs[0], QStringLiteral("\u066B"));
    p.typeInputs(typed);
    p.clickOblicz();
    QCOMPARE(p.text(field::pevap), QStringLiteral("1\u066B671"));
    QCOMPARE(p.text(field::Qg), QStringLiteral("-9\u066B3"));
    typed[int(field::x_we)] = QStringLiteral("0\u066C1");
    p.typeInputs(typed);
    p.clickOblicz();
    QCOMPARE(p.failures.size(), 1);
    QVERIFY(p.failures.last().message.startsWith(QStringLiteral("Blad konwersji: pole \"x_we\"")));
}

void PanelBehaviourTest::aTypedQualityIsNotCompletedFromTheList()
{
    TestedPanel p;
    QVERIFY(p.shown(true));
    for (field f : {field::x_we, field::x_wy}) {
        QLineEdit *edit = fieldEdit(p.panel, f);
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("0"));
        QTest::keyClick(edit, Qt::Key_Tab);
        QCOMPARE(edit->text(), QStringLiteral("0"));
        QCOMPARE(combo(p.panel, f == field::x_we ? "x_we" : "x_wy")->count(),
                 f == field::x_we ? 10 : 7);
    }
}

void PanelBehaviourTest::longResultsShowTheirFirstDigits()
{
    // Equal qualities of 0.7 give an optimum flow of some 1.8e16 g/s, wider than its field.
    TestedPanel p;
    QVERIFY(p.shown());
    p.typeInputs({"-25", "15", "0.7", "0.7", "500", "10"});
    p.clickOblicz();
    QLineEdit *optimum = fieldEdit(p.panel, field::m_opt);
    QVERIFY(optimum->fontMetrics().horizontalAdvance(optimum->text()) > optimum->width());
    for (std::size_t i = 0; i < c3f8::result_count; ++i)
        QCOMPARE(fieldEdit(p.panel, c3f8::result(i))->cursorPosition(), 0);
}

void PanelBehaviourTest::aFigureWiderThanItsBoxEndsInAnEllipsisAndIsWholeInItsTooltip()
{
    TestedPanel p;
    QVERIFY(p.shown(true));
    p.typeInputs({"100", "15", "0.1", "0.9", "500", "10"});
    p.clickOblicz();
    auto *wide = qobject_cast<ClassicLineEdit *>(fieldEdit(p.panel, field::x_we2));
    const QString whole = wide->text();
    QVERIFY(whole.size() > 40 && wide->isCut());
    QVERIFY2(wide->toolTip().startsWith(whole + QStringLiteral("\nWg rownania stanu: ")),
             qPrintable(wide->toolTip()));
    QCOMPARE(QAccessible::queryAccessibleInterface(wide)->text(QAccessible::Value), whole);

    // Drawn as a field holding the start and an ellipsis, which fits, is drawn by Qt itself.
    ClassicLineEdit fitting(wide->parentWidget());
    fitting.setGeometry(wide->geometry());
    fitting.setFont(wide->font());
    fitting.setPalette(wide->palette());
    fitting.setEnabled(false);
    fitting.setText(wide->fontMetrics().elidedText(whole, Qt::ElideRight, wide->width() - 10));
    fitting.setCursorPosition(0);
    fitting.show();
    QVERIFY(!fitting.isCut() && fitting.toolTip().isEmpty());
    const QRect inside = wide->rect().adjusted(2, 2, -2, -2); // within the bevel
    QCOMPARE(wide->grab(inside).toImage(), fitting.grab(inside).toImage());

    // A field that fits shows no more than its note; an input being typed into is not cut.
    QVERIFY(!fieldEdit(p.panel, field::m_opt)
                 ->toolTip()
                 .startsWith(fieldEdit(p.panel, field::m_opt)->text()));
    auto *tevap = qobject_cast<ClassicLineEdit *>(fieldEdit(p.panel, field::tevap));
    tevap->setFocus();
    p.type(field::tevap, QStringLiteral("-25.5555555555555555"));
    QVERIFY(tevap->isCut() && tevap->hasFocus());
    QCOMPARE(tevap->toolTip(), tevap->text());
    const QImage edited = tevap->grab().toImage(); // scrolled to the cursor, at the end
    fieldEdit(p.panel, field::tsub)->setFocus();
    QVERIFY(tevap->grab().toImage() != edited);
    // The quality lists' fields too.
    auto *quality = qobject_cast<ElidingLineEdit *>(fieldEdit(p.panel, field::x_we));
    p.type(field::x_we, QStringLiteral("0.1000000000000000000001"));
    QVERIFY(quality && quality->isCut() && quality->toolTip() == quality->text());
    // Each drawn with its text in ink, the short one by Qt itself, the long one cut.
    const auto ink = [](QWidget *w) {
        const QImage image = w->grab().toImage();
        int dark = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                dark += qGray(image.pixel(x, y)) < 100;
        return dark;
    };
    const int cut = ink(quality);
    p.type(field::x_we, QStringLiteral("0.1"));
    QVERIFY(cut > 5 && ink(quality) > 10 && !quality->isCut());
}

void PanelBehaviourTest::afterAFailureTheFocusIsWhereTheFixIs()
{
    TestedPanel p;
    QVERIFY(p.shown(true));
    p.typeInputs({"-25", "x", "0.1", "0.9", "500", "10"});
    p.clickOblicz();
    QCOMPARE(QApplication::focusWidget(), fieldEdit(p.panel, field::tsub));
    QCOMPARE(fieldEdit(p.panel, field::tsub)->selectedText(), QStringLiteral("x"));
    // A failure at a result names nothing the user typed: the focus stays on OBLICZ.
    p.typeInputs({"-25", "15", "0.5", "0.5", "500", "10"});
    p.clickOblicz();
    QCOMPARE(QApplication::focusWidget(), button(p.panel, "obl_b"));
}

void PanelBehaviourTest::theFailureMessageIsTitledAndWhole()
{
    TestedPanel p;
    p.typeInputs({"-25", "15", "0.5", "0.5", "500", "10"});
    p.clickOblicz();
    QCOMPARE(p.failures.size(), 1);
    QCOMPARE(p.failures[0].title, QStringLiteral("Blad obliczen"));
    QCOMPARE(p.failures[0].message,
             QStringLiteral("Dzielenie przez zero przy obliczaniu \"m_opt (Qw,dx)\".\n"
                            "Obliczenia przerwano; wprowadzone dane pozostaja bez zmian."));
}

void PanelBehaviourTest::theApplicationIsStyledAndNamed()
{
    QCOMPARE(QApplication::style()->name(), QStringLiteral("fusion"));
    const QFont font = QApplication::font();
    QVERIFY(font.pixelSize() == 11 && font.bold()); // the labels' 8.25 pt bold
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("c3f8calc"));
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("1.10"));
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("io.github.c3f8calc.c3f8calc"));
}

void PanelBehaviourTest::failuresLeaveTheInputsAndTheWindowWorking()
{
    // Each click checks that the window shows what the calculation wrote before it stopped,
    // keeps everything else and reports the failure; here, what the report says.
    TestedPanel p;
    QVERIFY(p.shown());
    const auto reported = [&p](const char *kind, const char *field) {
        const QString message = p.failures.last().message;
        QVERIFY2(message.contains(QString::fromUtf8(kind)) &&
                     message.contains(QStringLiteral("\"%1\"").arg(QString::fromUtf8(field))),
                 qPrintable(message));
    };

    p.clickOblicz(); // nothing typed
    QCOMPARE(p.failures.last().title, QStringLiteral("Blad obliczen"));
    reported("Blad konwersji", "T odparowania");

    p.typeInputs(typedTexts(worked_runs[0]));
    p.clickOblicz();
    p.type(field::tevap, QStringLiteral("-20"));
    p.type(field::x_wy, QString());
    p.clickOblicz();
    reported("Blad konwersji", "x_wy");

    p.typeInputs({"-25", "15", "0.5", "0.5", "500", "10"});
    p.clickOblicz();
    reported("Dzielenie przez zero", "m_opt (Qw,dx)");

    p.type(field::tevap, QStringLiteral("1e103"));
    p.clickOblicz();
    reported("Przekroczenie zakresu", "p_odparowania");

    // And the window goes on working.
    p.typeInputs(typedTexts(worked_runs[1]));
    p.clickOblicz();
    QCOMPARE(p.failures.size(), 4);
    QVERIFY(p.panel.isVisible());
}

void PanelBehaviourTest::theRealMessageBoxNamesKindAndField()
{
    Panel panel;
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QString shownText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QFont font;
    QTimer::singleShot(0, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shownText = box->text();
            icon = box->icon();
            font = box->font();
            box->accept();
        }
    });
    button(panel, "obl_b")->click();
    QVERIFY(shownText.contains(QStringLiteral("\"T odparowania\"")));
    QCOMPARE(icon, QMessageBox::Critical);
    // In the desktop's own font, not the panel's bold label face.
    const QFont desktop = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    QVERIFY(font.family() == desktop.family() && font.bold() == desktop.bold() &&
            font.pointSizeF() == desktop.pointSizeF());
    QVERIFY(panel.isVisible());
}

void PanelBehaviourTest::wyjscieClosesTheWindow()
{
    Panel panel;
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QTest::mouseClick(button(panel, "exit_b"), Qt::LeftButton);
    QVERIFY(!panel.isVisible());
    // With its only window closed the program's event loop ends.
    QVERIFY(QGuiApplication::quitOnLastWindowClosed());
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
}

void PanelBehaviourTest::monkeyTyping()
{
    TestedPanel p;
    QVERIFY(p.shown());
    const QString alphabet = QStringLiteral("0123456789000.,-+eE xinfa");
    const QStringList plausible = {"-25", "15", "0.1", "0.9", "10", "500", "0.5", "1e300", "-0"};
    const auto seed = test_seed();
    QRandomGenerator generator(static_cast<quint32>(seed));
    auto *random = &generator;
    for (int round = 0; round < 3000; ++round) {
        for (std::size_t i = 0; i < c3f8::input_count; ++i) {
            QString text;
            if (random->bounded(3) == 0) {
                for (int n = random->bounded(7); n > 0; --n)
                    text += alphabet[random->bounded(alphabet.size())];
            } else {
                text = plausible[random->bounded(plausible.size())];
            }
            fieldEdit(p.panel, c3f8::input(i))->setText(text);
        }
        const auto failuresBefore = p.failures.size();
        button(p.panel, "obl_b")->click();
        const bool failed = p.failures.size() == failuresBefore + 1;
        QVERIFY2(failed || p.failures.size() == failuresBefore, seed_note(seed).c_str());
        for (std::size_t i = 0; i < c3f8::result_count; ++i) {
            const QString shown = p.text(c3f8::result(i));
            const std::string note = shown.toStdString() + ", " + seed_note(seed);
            QVERIFY2(!shown.contains(QStringLiteral("inf"), Qt::CaseInsensitive) &&
                         !shown.contains(QStringLiteral("nan"), Qt::CaseInsensitive),
                     note.c_str());
            if (!failed || !shown.isEmpty())
                QVERIFY2(c3f8::text_to_number(shown.toStdString(), ".").has_value(), note.c_str());
        }
    }
    QVERIFY(p.panel.isVisible());
}

void PanelBehaviourTest::theOrderOfTheDesignsRowsChangesNoTabOrder()
{
    // The inputs follow the calculation's order and the buttons come after them whichever row
    // of the design comes first: here m's row before Qw's, tsub's before tevap's, and exit_b's
    // before all the fields'.
    using PanelDesign::Control;
    std::vector<Control> design(PanelDesign::controls().begin(), PanelDesign::controls().end());
    const auto at = [&design](std::string_view name) {
        return std::find_if(design.begin(), design.end(),
                            [name](const Control &c) { return c.objectName() == name; });
    };
    std::iter_swap(at("Qw"), at("m"));
    std::iter_swap(at("tevap"), at("tsub"));
    std::rotate(at("Label8"), at("exit_b"), at("exit_b") + 1);
    Panel panel(design);
    panel.show();
    QVERIFY(QTest::qWaitForWindowActive(&panel));
    const auto focused = [&panel] {
        QWidget *w = panel.focusWidget();
        return qobject_cast<QComboBox *>(w->parentWidget()) ? w->parentWidget()->objectName()
                                                            : w->objectName();
    };
    QCOMPARE(focused(), QStringLiteral("tevap"));
    for (const char *name : {"tsub", "x_we", "x_wy", "Qw", "m", "exit_b", "obl_b", "tevap"}) {
        QTest::keyClick(panel.focusWidget(), Qt::Key_Tab);
        QCOMPARE(focused(), QString::fromLatin1(name));
    }
}

QTEST_MAIN(PanelBehaviourTest)
#include "panel_behaviour_test.moc"
