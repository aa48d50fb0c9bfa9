#include "ui/force_diagram/force_diagram_window.hpp"

#include <QPainter>
#include <QShortcut>

#include "ui/force_diagram/diagram_legend.hpp"
#include "ui/force_diagram/force_diagram_painter.hpp"

namespace korvel::ui {
namespace {

constexpr QSize kFirstSize(960, 540);
constexpr QSize kSmallestSize(560, 360);
constexpr int kMargin = 12;

}  // namespace

ForceDiagramWindow::ForceDiagramWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("ForcesWindow"));
    setWindowTitle(QStringLiteral("KORVEL - Forces"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setMinimumSize(kSmallestSize);
    resize(kFirstSize);
    setAccessibleName(QStringLiteral("Force diagram"));
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
}

void ForceDiagramWindow::show_analysis(const AnalysisRecord& record) {
    analysis_ = record;
    const LegendSentences legend = legend_sentences(record);
    setAccessibleDescription(legend.span_and_signs + u' ' + legend.largest_tension + QStringLiteral(". ") +
                             legend.largest_compression + u'.');
    update();
}

void ForceDiagramWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const DiagramPalette colours = palette_for(palette());
    painter.fillRect(rect(), colours.background);
    if (!analysis_) return;
    painter.setFont(font());
    paint_force_diagram(painter, QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin), *analysis_, colours);
}

}  // namespace korvel::ui
