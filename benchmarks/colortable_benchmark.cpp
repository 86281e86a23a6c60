// Cost of the background gradient: rebuilding its colour table and painting a start-window-sized area.
#include "colortable.h"
#include "gradient.h"

#include <QApplication>
#include <QImage>
#include <benchmark/benchmark.h>

namespace {

void BM_RebuildColorTable(benchmark::State &state, bool doubleGradient)
{
    GradientProperties properties;
    properties.doubleGradient = doubleGradient;
    for (auto _ : state) {
        benchmark::DoNotOptimize(properties);
        benchmark::DoNotOptimize(RebuildColorTable(properties));
    }
}
BENCHMARK_CAPTURE(BM_RebuildColorTable, single, false);
BENCHMARK_CAPTURE(BM_RebuildColorTable, double, true);

void BM_PaintGradient(benchmark::State &state, GradientOrientation orientation)
{
    QWidget window;
    window.resize(748, 533);
    TGradient gradient(&window);
    gradient.SetOrientation(orientation);
    QImage image(gradient.size(), QImage::Format_RGB32);
    for (auto _ : state)
        gradient.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    benchmark::DoNotOptimize(image.constBits());
}
BENCHMARK_CAPTURE(BM_PaintGradient, vertical_748x533, GradientOrientation::Vertical)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PaintGradient, horizontal_748x533, GradientOrientation::Horizontal)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
