// How long the force diagram takes to lay out, at the sizes it is drawn at.
#include <benchmark/benchmark.h>

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <variant>

#include "tests/ui/analysis_records.hpp"
#include "ui/force_diagram/force_diagram_layout.hpp"

namespace {

using korvel::ui::AnalysisRecord;

struct DiagramSize {
    const char* name;
    QSizeF area;
    int font_points;
};
// The force diagram window as it opens, and the envelope's pane at double scale under a large theme font.
constexpr DiagramSize kSizes[] = {{"window", {936, 516}, 9}, {"narrow_pane", {440, 420}, 12}};

void BM_ForceDiagramLayout(benchmark::State& state) {
    const DiagramSize& size = kSizes[state.range(0)];
    state.SetLabel(size.name);
    const AnalysisRecord record = korvel::ui::testing::mixed_loads();
    QImage device(10, 10, QImage::Format_RGB32);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(size.font_points);
    for (auto _ : state) {
        auto fitted = korvel::ui::lay_out_fitted_force_diagram(record, QRectF(QPointF(6, 6), size.area), font, &device);
        benchmark::DoNotOptimize(fitted);
    }
}
BENCHMARK(BM_ForceDiagramLayout)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
