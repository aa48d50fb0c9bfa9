#include "ui/force_diagram/diagram_pane.hpp"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <memory>
#include <utility>

#include "ui/force_diagram/diagram_palette.hpp"
#include "ui/force_diagram/force_diagram_painter.hpp"
#include "ui/force_diagram/force_diagram_texts.hpp"
#include "ui/widgets/qt_text.hpp"
#include "ui/widgets/window_placement.hpp"

namespace korvel::ui {
namespace {

constexpr int kMargin = 6;
constexpr QSize kOwnWindowSize(960, 540);

}  // namespace

DiagramPane::DiagramPane(LayOut lay_out, QString window_title, QWidget* parent)
    : QWidget(parent, parent == nullptr ? Qt::Window : Qt::Widget),
      lay_out_(std::move(lay_out)),
      window_title_(std::move(window_title)),
      too_small_(new QLabel(this)) {
    too_small_->setWordWrap(true);
    too_small_->setAlignment(Qt::AlignCenter);
    too_small_->hide();
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(too_small_);
    if (parent == nullptr) {
        setWindowTitle(window_title_);
        setAttribute(Qt::WA_QuitOnClose, false);
        too_small_->setText(to_qstring(force_diagram_texts::kTooSmallWindow));
        connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
        connect(new QShortcut(QKeySequence::Close, this), &QShortcut::activated, this, &QWidget::close);
    } else {
        too_small_->setText(to_qstring(force_diagram_texts::kTooSmall));
        open_own_ = new QPushButton(to_qstring(force_diagram_texts::kOpenInWindow), this);
        open_own_->setAutoDefault(false);
        open_own_->setAccessibleDescription(to_qstring(force_diagram_texts::kOpenInWindowDescription));
        open_own_->setToolTip(open_own_->accessibleDescription());
        // Reached by its access key; Tab keeps to the window's own controls, which stay where they are.
        open_own_->setFocusPolicy(Qt::ClickFocus);
        open_own_->hide();
        connect(open_own_, &QPushButton::clicked, this, &DiagramPane::open_own_window);
        layout->addWidget(open_own_, 0, Qt::AlignHCenter);
    }
    layout->addStretch();
}

DiagramPane::~DiagramPane() = default;

QSize DiagramPane::sizeHint() const { return isWindow() ? kOwnWindowSize : QWidget::sizeHint(); }

void DiagramPane::forget_layout() {
    laid_out_valid_ = false;
    update();
    if (own_window_) own_window_->forget_layout();
}

const std::optional<FittedForceDiagram>& DiagramPane::laid_out() {
    // A crowded layout takes long enough to feel on every paint, so it is kept while nothing it depends on changes.
    if (!laid_out_valid_ || laid_out_size_ != size() || laid_out_font_ != font()) {
        laid_out_ = lay_out_(QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin), font(), this);
        laid_out_valid_ = true;
        laid_out_size_ = size();
        laid_out_font_ = font();
    }
    return laid_out_;
}

bool DiagramPane::shows_diagram() const { return laid_out_valid_ && laid_out_ && laid_out_->readable; }

void DiagramPane::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const DiagramPalette colours = palette_for(palette());
    painter.fillRect(rect(), colours.background);
    const std::optional<FittedForceDiagram>& fitted = laid_out();
    const bool too_small = fitted && !fitted->readable;
    // Shown or hidden here, where the layout is known; the change repaints the pane once more at most.
    too_small_->setVisible(too_small);
    if (open_own_ != nullptr) open_own_->setVisible(too_small);
    if (fitted && fitted->readable) paint_force_diagram(painter, *fitted, colours);
}

void DiagramPane::open_own_window() {
    if (!own_window_) {
        own_window_ = std::make_unique<DiagramPane>(lay_out_, window_title_, nullptr);
        own_window_->setAccessibleName(accessibleName());
    }
    open_beside(*own_window_, *window());
    own_window_->show();
    own_window_->raise();
    own_window_->activateWindow();
}

}  // namespace korvel::ui
