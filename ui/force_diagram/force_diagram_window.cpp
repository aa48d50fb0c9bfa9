#include "ui/force_diagram/force_diagram_window.hpp"

#include <QLabel>
#include <QPainter>
#include <QShortcut>

#include "ui/force_diagram/diagram_legend.hpp"
#include "ui/force_diagram/force_diagram_painter.hpp"
#include "ui/force_diagram/force_diagram_texts.hpp"
#include "ui/widgets/qt_text.hpp"

namespace korvel::ui {
namespace {

constexpr QSize kFirstSize(960, 540);
// Small enough for a 800x600 screen at twice the scale; a diagram without room says so.
constexpr QSize kSmallestSize(320, 200);
constexpr int kMargin = 12;

}  // namespace

ForceDiagramWindow::ForceDiagramWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), inputs_changed_(new QLabel(to_qstring(force_diagram_texts::kInputsChanged), this)) {
    setObjectName(QStringLiteral("ForcesWindow"));
    setWindowTitle(to_qstring(force_diagram_texts::kTitle));
    setAttribute(Qt::WA_QuitOnClose, false);
    setMinimumSize(kSmallestSize);
    resize(kFirstSize);
    setAccessibleName(to_qstring(force_diagram_texts::kWindowName));
    inputs_changed_->setObjectName(QStringLiteral("InputsChanged"));
    inputs_changed_->setWordWrap(true);
    inputs_changed_->setFrameShape(QFrame::StyledPanel);
    inputs_changed_->setAutoFillBackground(true);
    inputs_changed_->setBackgroundRole(QPalette::ToolTipBase);
    inputs_changed_->setForegroundRole(QPalette::ToolTipText);
    inputs_changed_->setMargin(4);
    inputs_changed_->hide();
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
}

QSize ForceDiagramWindow::sizeHint() const { return kFirstSize; }

void ForceDiagramWindow::show_analysis(const AnalysisRecord& record) {
    analysis_ = record;
    const LegendSentences legend = legend_sentences(record);
    setAccessibleDescription(legend.span_and_signs + u' ' + legend.largest_tension + QStringLiteral(". ") +
                             legend.largest_compression + u'.');
    set_inputs_changed(false);
    update();
}

void ForceDiagramWindow::set_inputs_changed(bool changed) {
    if (changed == says_inputs_changed()) return;
    inputs_changed_->setVisible(changed);
    place_note();
    update();
}

void ForceDiagramWindow::place_note() {
    const int width = this->width() - 2 * kMargin;
    inputs_changed_->setGeometry(kMargin, kMargin, width, inputs_changed_->heightForWidth(width));
}

void ForceDiagramWindow::resizeEvent(QResizeEvent* event) {
    place_note();
    QWidget::resizeEvent(event);
}

bool ForceDiagramWindow::says_inputs_changed() const { return !inputs_changed_->isHidden(); }

void ForceDiagramWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const DiagramPalette colours = palette_for(palette());
    painter.fillRect(rect(), colours.background);
    if (!analysis_) return;
    QRectF area = QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin);
    if (says_inputs_changed()) area.setTop(inputs_changed_->geometry().bottom() + kMargin);
    painter.setFont(font());
    const FittedForceDiagram fitted = lay_out_fitted_force_diagram(*analysis_, area, font(), this);
    if (fitted.readable) {
        paint_force_diagram(painter, fitted, colours);
        return;
    }
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, to_qstring(force_diagram_texts::kTooSmallWindow));
}

}  // namespace korvel::ui
