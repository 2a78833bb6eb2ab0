// The program's one window: inputs, results, warnings, the chart and the two buttons.
#pragma once

#include "core/calculation.h"
#include "panel_design.h"

#include <QWidget>

#include <array>
#include <functional>
#include <span>

class QApplication;
class QLabel;
class QLineEdit;

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

    // The style and identity the panel is designed for; call once before creating it.
    static void prepareApplication(QApplication &app);

    void setFailureReporter(FailureReporter reporter);

    // The field as the user reads it on its label ("T odparowania", "ΔHg", ...).
    QString fieldCaption(c3f8::field f) const;
    QString failureMessage(const c3f8::calc_error &error) const;
    static QString failureTitle();

public slots:
    void calculate();

private:
    void buildControls();
    void fillQualityLists();
    void describeFieldsForScreenReaders();
    void setTabOrder();
    void reportFailure(const c3f8::calc_error &error);

    std::span<const PanelDesign::Control> m_design;
    std::array<QLineEdit *, c3f8::field_count> m_fields{};
    std::array<QLabel *, c3f8::warning_count> m_warnings{};
    FailureReporter m_failureReporter;
};
