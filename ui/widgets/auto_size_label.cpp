#include "ui/widgets/auto_size_label.hpp"

#include <QFontMetrics>
#include <algorithm>

namespace korvel::ui {

namespace {
// An empty fitted label is 45 twips wide, and one-line labels keep a pixel of
// room below the descent (a node name is 195 twips high).
constexpr int kMinimumWidthPixels = 3;
constexpr int kLineRoomPixels = 1;
}  // namespace

AutoSizeLabel::AutoSizeLabel(Growth growth, QWidget* parent) : QLabel(parent), growth_(growth) {
    // Captions are shown exactly as typed: never as rich text, never with mnemonics.
    setTextFormat(Qt::PlainText);
}

QSize AutoSizeLabel::fitted_size(const QString& caption) const {
    const QFontMetrics metrics(font());
    return {std::max(metrics.horizontalAdvance(caption), kMinimumWidthPixels), metrics.height() + kLineRoomPixels};
}

void AutoSizeLabel::set_caption(const QString& caption) {
    setText(caption);
    if (growth_ == Growth::Fixed) return;
    const QRect old_box = geometry();
    const QSize size = fitted_size(caption);
    const int left = growth_ == Growth::KeepRightEdge ? old_box.x() + old_box.width() - size.width() : old_box.x();
    setGeometry(left, old_box.y(), size.width(), size.height());
}

}  // namespace korvel::ui
