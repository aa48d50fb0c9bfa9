#include "ui/widgets/table_headers.hpp"

#include <QEvent>
#include <QHelpEvent>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QTableView>
#include <QTimer>
#include <QToolTip>
#include <algorithm>
#include <functional>
#include <numeric>
#include <utility>

namespace korvel::ui {

std::vector<int> widths_within(const std::vector<int>& natural, int available, int least) {
    std::vector<int> widths = natural;
    if (std::accumulate(natural.begin(), natural.end(), 0) <= available) return widths;
    // The largest common cap that fits, found by lowering it one width at a time from the widest.
    std::vector<int> sorted = natural;
    std::sort(sorted.begin(), sorted.end(), std::greater<>());
    int kept = std::accumulate(sorted.begin(), sorted.end(), 0);  // the sum below the cap
    int cap = least;
    for (std::size_t capped = 1; capped <= sorted.size(); ++capped) {
        kept -= sorted[capped - 1];
        const int share = (available - kept) / static_cast<int>(capped);
        const int next = capped < sorted.size() ? sorted[capped] : 0;
        if (share >= next) {
            cap = std::max(share, least);
            break;
        }
    }
    for (int& width : widths) width = std::min(width, cap);
    return widths;
}

ReadableHeader::ReadableHeader(QTableView& table, ColumnFit fit)
    : QHeaderView(Qt::Horizontal, &table), table_(table), fit_(fit) {
    setSectionsClickable(true);
    setHighlightSections(true);
    setTextElideMode(Qt::ElideRight);
    if (fit_ == ColumnFit::WithinWidth) {
        table.viewport()->installEventFilter(this);
        connect(this, &QHeaderView::sectionResized, this, &ReadableHeader::fit_later);
        connect(this, &QHeaderView::sectionCountChanged, this, &ReadableHeader::fit_later);
    }
}

QString ReadableHeader::shown_text(int logical_index) const {
    const QString text = model() != nullptr ? model()->headerData(logical_index, orientation()).toString() : QString();
    const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this);
    const int room = sectionSize(logical_index) - 2 * margin;
    return fontMetrics().elidedText(text, Qt::ElideRight, std::max(room, 0));
}

void ReadableHeader::initStyleOptionForIndex(QStyleOptionHeader* option, int logical_index) const {
    QHeaderView::initStyleOptionForIndex(option, logical_index);
    const QString shown = shown_text(logical_index);
    // A cut name starts at the left, so its beginning reads; centred, both ends would be clipped.
    if (shown != option->text) option->textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    option->text = shown;
}

bool ReadableHeader::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip && model() != nullptr) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const int section = logicalIndexAt(help->pos());
        const QString own =
            section < 0 ? QString() : model()->headerData(section, orientation(), Qt::ToolTipRole).toString();
        if (section >= 0 && own.isEmpty()) {
            QToolTip::showText(help->globalPos(), model()->headerData(section, orientation()).toString(), this);
            return true;
        }
    }
    return QHeaderView::viewportEvent(event);
}

bool ReadableHeader::eventFilter(QObject* watched, QEvent* event) {
    // The type first: while the table is taken down its viewport must not be asked for.
    if (event->type() == QEvent::Resize && watched == table_.viewport()) fit_later();
    return QHeaderView::eventFilter(watched, event);
}

void ReadableHeader::fit_later() {
    if (fitting_ || fit_pending_) return;
    fit_pending_ = true;
    QTimer::singleShot(0, this, [this] {
        fit_pending_ = false;
        fit_columns();
    });
}

void ReadableHeader::fit_columns() {
    std::vector<int> natural;
    // The view's own measure of its cells, public on the base class.
    const QAbstractItemView& view = table_;
    for (int c = 0; c < count(); ++c) natural.push_back(std::max(sectionSizeHint(c), view.sizeHintForColumn(c)));
    if (natural.empty()) return;
    // A stretched last column (a note) and the columns kept whole keep their
    // widths while the others give way.
    const int last = count() - 1;
    int kept = 0;
    std::vector<int> giving_way;
    std::vector<int> narrowed;
    for (int c = 0; c < count(); ++c) {
        const bool whole = (c == last && stretchLastSection()) || std::ranges::find(whole_, c) != whole_.end();
        if (whole) {
            kept += natural[static_cast<std::size_t>(c)];
        } else {
            giving_way.push_back(c);
            narrowed.push_back(natural[static_cast<std::size_t>(c)]);
        }
    }
    narrowed = widths_within(narrowed, table_.viewport()->width() - kept,
                             fontMetrics().horizontalAdvance(QStringLiteral("00…")));
    fitting_ = true;
    for (int c = 0; c < count(); ++c) {
        if (c == last && stretchLastSection()) continue;
        const auto at = std::ranges::find(giving_way, c);
        resizeSection(c, at == giving_way.end() ? natural[static_cast<std::size_t>(c)]
                                                : narrowed[static_cast<std::size_t>(at - giving_way.begin())]);
    }
    fitting_ = false;
}

void ReadableHeader::keep_whole(std::vector<int> columns) {
    whole_ = std::move(columns);
    fit_later();
}

ReadableHeader& use_readable_header(QTableView& table, ColumnFit fit) {
    auto* header = new ReadableHeader(table, fit);
    table.setHorizontalHeader(header);
    return *header;
}

}  // namespace korvel::ui
