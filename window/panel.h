// The program's one window: inputs, results, warnings, the chart and the two buttons.
#pragma once

#include "core/calculation.h"
#include "panel_design.h"

#include <QWidget>

#include <array>
#include <functional>
#include <span>

class ElidingLineEdit;
class QLabel;
class QPalette;

class Panel : public QWidget
{
    Q_OBJECT

public:
    // Shows a failed run to the user; the default is a modal critical message box.
    using FailureReporter = std::function<void(const QString &title, const QString &message)>;

    explicit Panel(QWidget *parent = nullptr);
    // A panel of another design; it throws std::logic_error, naming the field, when a field or
    // warning of the calculation has no control.
    explicit Panel(std::span<const PanelDesign::Control> design, QWidget *parent = nullptr);

    // The font the panel's labels are drawn in, which the application takes as its own.
    static QFont labelFont();

    void setFailureReporter(FailureReporter reporter);

public slots:
    // Runs the calculation over the fields' texts and shows what it wrote.
    void calculate();

private:
    QWidget *createControl(const PanelDesign::Control &control, QWidget *parent,
                           PanelDesign::Colour frameBackground, const QPalette &system);
    void requireEveryFieldAndWarning() const;
    void describeFieldsForScreenReaders();
    void setTabOrder(const QList<QWidget *> &buttons);
    void fillQualityLists();

    std::array<ElidingLineEdit *, c3f8::field_count> m_fields{};
    std::array<QLabel *, c3f8::warning_count> m_warnings{};
    FailureReporter m_failureReporter;
};
