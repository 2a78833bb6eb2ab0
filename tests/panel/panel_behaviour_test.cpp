// The window at work: start state, keyboard, runs typed into the real widgets, failures.
#include "core/number_text.h"
#include "panel_test_support.h"

#include <QAbstractItemView>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QtTest>

using c3f8::field;
using c3f8::warning;

namespace {

constexpr field inputs[] = {field::tevap, field::tsub, field::x_we,
                            field::x_wy,  field::m,    field::Qw};
constexpr field results[] = {field::pevap,     field::Hliq_sat, field::Hvap_sat, field::Hwe_cap,
                             field::Hx_we,     field::Hx_wy,    field::dHw,      field::dHg,
                             field::Tlsub_max, field::x_we2,    field::m_opt,    field::Qg};

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

    QString text(field f) const { return fieldEdit(panel, f)->text(); }
    bool warned(warning w) const { return !warningLabel(panel, w)->isHidden(); }

    // Types like a user: into the focused field, replacing what it held.
    void type(field f, const QString &text)
    {
        QLineEdit *edit = fieldEdit(panel, f);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }

    void typeInputs(const QStringList &texts)
    {
        for (int i = 0; i < 6; ++i)
            type(inputs[i], texts[i]);
    }

    void clickOblicz() { QTest::mouseClick(button(panel, "obl_b"), Qt::LeftButton); }
};

QStringList resultTexts(const TestedPanel &p)
{
    QStringList texts;
    for (field f : results)
        texts << p.text(f);
    return texts;
}

} // namespace

class PanelBehaviourTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Panel::prepareApplication(*qApp); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void startsEmptyWithTheQualityLists_data();
    void startsEmptyWithTheQualityLists();
    void tabCyclesOverTheInputsAndButtons();
    void enterAndEscapeDoNothing();
    void resultFieldsTakeNoInput();
    void workedRunsTypedIntoTheWindow_data();
    void workedRunsTypedIntoTheWindow();
    void aQualityPickedFromTheList();
    void failuresLeaveTheInputsAndTheWindowWorking();
    void theRealMessageBoxNamesKindAndField();
    void wyjscieClosesTheWindow();
    void monkeyTyping();
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
    p.panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p.panel));
    for (field f : inputs)
        QVERIFY(p.text(f).isEmpty());
    for (field f : results)
        QVERIFY(p.text(f).isEmpty());
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
    p.panel.show();
    QVERIFY(QTest::qWaitForWindowActive(&p.panel));
    QSignalSpy oblicz(button(p.panel, "obl_b"), &QPushButton::clicked);
    QSignalSpy wyjscie(button(p.panel, "exit_b"), &QPushButton::clicked);
    for (field f : inputs) {
        QLineEdit *edit = fieldEdit(p.panel, f);
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
    p.panel.show();
    QVERIFY(QTest::qWaitForWindowActive(&p.panel));
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
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<bool>("ostrzezenie");
    QTest::addColumn<bool>("mWarn");
    const QLocale point(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("A") << point << QStringList{"-25", "15", "0.1", "0.9", "10", "500"}
                       << QStringList{"1.671", "173.6", "275.6", "216.3", "183.8", "265.4",
                                      "81.6",  "-32.5", "-15",   "0.1",   "6.13",  "-9.3"}
                       << true << false;
    QTest::newRow("B") << point << QStringList{"-25", "-30", "0.1", "0.9", "5", "500"}
                       << QStringList{"1.671", "173.6", "275.6", "168.7", "183.8", "265.4",
                                      "81.6",  "15.1",  "-15",   "0.1",   "6.13",  "-16.5"}
                       << false << true;
    QTest::newRow("C") << point << QStringList{"-20", "-20", "0.2", "1", "8", "700"}
                       << QStringList{"2.033", "178.8", "278.6", "178.8", "198.8", "278.6",
                                      "79.9",  "20.0",  "-1",    "0.2",   "8.76",  "98.8"}
                       << false << true;
    QTest::newRow("C, Polish") << QLocale(QLocale::Polish, QLocale::Poland)
                               << QStringList{"-20", "-20", "0,2", "1", "8", "700"}
                               << QStringList{"2,033", "178,8", "278,6", "178,8", "198,8", "278,6",
                                              "79,9",  "20,0",  "-1",    "0,2",   "8,76",  "98,8"}
                               << false << true;
}

void PanelBehaviourTest::workedRunsTypedIntoTheWindow()
{
    QFETCH(QLocale, locale);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, shown);
    QFETCH(bool, ostrzezenie);
    QFETCH(bool, mWarn);
    QLocale::setDefault(locale);

    TestedPanel p;
    p.panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p.panel));
    p.typeInputs(typed);
    p.clickOblicz();
    QVERIFY(p.failures.isEmpty());
    QCOMPARE(resultTexts(p), shown);
    QCOMPARE(p.warned(warning::Ostrzezenie), ostrzezenie);
    QCOMPARE(p.warned(warning::m_warn), mWarn);

    // Again with the same inputs: the same figures, and the inputs as typed.
    p.clickOblicz();
    QCOMPARE(resultTexts(p), shown);
    for (int i = 0; i < 6; ++i)
        QCOMPARE(p.text(inputs[i]), typed[i]);
}

void PanelBehaviourTest::aQualityPickedFromTheList()
{
    TestedPanel p;
    p.panel.show();
    QVERIFY(QTest::qWaitForWindowActive(&p.panel));
    p.typeInputs({"-25", "15", "", "0.9", "10", "500"});
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
    QCOMPARE(p.text(field::Hx_we), QStringLiteral("204.2")); // 173.615 + 0.3 * 101.948
}

void PanelBehaviourTest::failuresLeaveTheInputsAndTheWindowWorking()
{
    TestedPanel p;
    p.panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p.panel));

    // Nothing typed: tevap cannot be read and nothing changes.
    p.clickOblicz();
    QCOMPARE(p.failures.size(), 1);
    QCOMPARE(p.failures[0].title, QStringLiteral("Blad obliczen"));
    QVERIFY(p.failures[0].message.contains(QStringLiteral("Blad konwersji")));
    QVERIFY(p.failures[0].message.contains(QStringLiteral("\"T odparowania\"")));
    for (field f : results)
        QVERIFY(p.text(f).isEmpty());

    // A complete run, then x_wy emptied: the first four results are renewed, the rest stay.
    p.typeInputs({"-25", "15", "0.1", "0.9", "10", "500"});
    p.clickOblicz();
    QCOMPARE(p.failures.size(), 1);
    const QStringList complete = resultTexts(p);
    p.type(field::tevap, QStringLiteral("-20"));
    p.type(field::x_wy, QString());
    p.clickOblicz();
    QCOMPARE(p.failures.size(), 2);
    QVERIFY(p.failures[1].message.contains(QStringLiteral("\"x_wy\"")));
    QCOMPARE(p.text(field::pevap), QStringLiteral("2.033"));
    QCOMPARE(p.text(field::Hwe_cap), complete[3]);
    QCOMPARE(p.text(field::Hx_we), complete[4]);
    QCOMPARE(p.text(field::Qg), complete[11]);
    QVERIFY(p.warned(warning::Ostrzezenie));

    // Equal qualities of one half: division by zero at m_opt, which keeps its figure.
    p.typeInputs({"-25", "15", "0.5", "0.5", "10", "500"});
    p.clickOblicz();
    QCOMPARE(p.failures.size(), 3);
    QVERIFY(p.failures[2].message.contains(QStringLiteral("Dzielenie przez zero")));
    QVERIFY(p.failures[2].message.contains(QStringLiteral("\"m_opt (Qw,dx)\"")));
    QCOMPARE(p.text(field::dHw), QStringLiteral("0.0"));
    QCOMPARE(p.text(field::m_opt), complete[10]);
    QCOMPARE(p.text(field::Qg), complete[11]);
    QCOMPARE(p.text(field::x_we), QStringLiteral("0.5"));

    // Overflow names the field being written.
    p.type(field::tevap, QStringLiteral("1e103"));
    p.clickOblicz();
    QVERIFY(p.failures[3].message.contains(QStringLiteral("Przekroczenie zakresu")));
    QVERIFY(p.failures[3].message.contains(QStringLiteral("\"p_odparowania\"")));

    // And the window goes on working.
    p.typeInputs({"-25", "-30", "0.1", "0.9", "5", "500"});
    p.clickOblicz();
    QCOMPARE(p.failures.size(), 4);
    QCOMPARE(p.text(field::Qg), QStringLiteral("-16.5"));
    QVERIFY(p.panel.isVisible());
}

void PanelBehaviourTest::theRealMessageBoxNamesKindAndField()
{
    Panel panel;
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QString shownText;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        shownText = box->text();
        QCOMPARE(box->icon(), QMessageBox::Critical);
        box->accept();
    });
    button(panel, "obl_b")->click();
    QVERIFY(shownText.contains(QStringLiteral("\"T odparowania\"")));
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
    p.panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p.panel));
    const QString alphabet = QStringLiteral("0123456789000.,-+eE xinfa");
    const QStringList plausible = {"-25", "15", "0.1", "0.9", "10", "500", "0.5", "1e300", "-0"};
    auto *random = QRandomGenerator::global();
    for (int round = 0; round < 3000; ++round) {
        for (field f : inputs) {
            QString text;
            if (random->bounded(3) == 0) {
                for (int n = random->bounded(7); n > 0; --n)
                    text += alphabet[random->bounded(alphabet.size())];
            } else {
                text = plausible[random->bounded(plausible.size())];
            }
            fieldEdit(p.panel, f)->setText(text);
        }
        const auto failuresBefore = p.failures.size();
        button(p.panel, "obl_b")->click();
        const bool failed = p.failures.size() == failuresBefore + 1;
        QVERIFY(failed || p.failures.size() == failuresBefore);
        for (field f : results) {
            const QString shown = p.text(f);
            QVERIFY2(!shown.contains(QStringLiteral("inf"), Qt::CaseInsensitive) &&
                         !shown.contains(QStringLiteral("nan"), Qt::CaseInsensitive),
                     qPrintable(shown));
            if (!failed || !shown.isEmpty())
                QVERIFY2(c3f8::text_to_number(shown.toStdString(), ".").has_value(),
                         qPrintable(shown));
        }
    }
    QVERIFY(p.panel.isVisible());
}

QTEST_MAIN(PanelBehaviourTest)
#include "panel_behaviour_test.moc"
