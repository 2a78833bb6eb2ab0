// From a click on OBLICZ to all results shown, on the real window (offscreen platform).
#include "application.h"
#include "window/panel.h"
#include "worked_runs.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <benchmark/benchmark.h>

namespace {

struct ShownPanel
{
    Panel panel;
    QPushButton *oblicz = nullptr;

    ShownPanel()
    {
        // Run A, typed into the inputs.
        for (std::size_t i = 0; i < c3f8::input_count; ++i) {
            const auto objectName = QString::fromUtf8(c3f8::field_name(c3f8::input(i)));
            const auto text = QString::fromUtf8(worked_runs[0].typed[i]);
            if (auto *box = panel.findChild<QComboBox *>(objectName))
                box->setEditText(text);
            else
                panel.findChild<QLineEdit *>(objectName)->setText(text);
        }
        oblicz = panel.findChild<QPushButton *>(QStringLiteral("obl_b"));
        panel.show();
        QApplication::processEvents();
    }
};

// The run itself: every result written into its field and both warnings set.
void click_to_results_written(benchmark::State &state)
{
    ShownPanel shown;
    for (auto _ : state)
        shown.oblicz->click();
}
BENCHMARK(click_to_results_written)->Unit(benchmark::kMicrosecond);

// The run and the repaint of everything it changed, flushed to the window.
void click_to_results_painted(benchmark::State &state)
{
    ShownPanel shown;
    for (auto _ : state) {
        shown.oblicz->click();
        QApplication::processEvents();
    }
}
BENCHMARK(click_to_results_painted)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    prepareApplication(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
