#include "ui/report/report_page.hpp"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <algorithm>
#include <array>

#include "engine/arithmetic_error.hpp"
#include "engine/truss_geometry.hpp"
#include "korvel/project.hpp"
#include "ui/report/report_texts.hpp"
#include "ui/widgets/qt_text.hpp"

namespace korvel::ui {
namespace {

constexpr int kCaptionPoints = 6;
constexpr int kFieldPoints = 9;
constexpr double kCellPaddingMm = 1.2;
constexpr double kBlockGapMm = 5;
constexpr double kFrameMm = 0.2;
// The block's three columns, as shares of the page's width.
constexpr std::array<double, 3> kColumnShares{0.38, 0.34, 0.28};

struct Cell {
    std::string_view caption;
    QString value;
};

// A PDF writer that draws the title block on each page it starts, numbered
// against the pages a first run counted.
class TitledPdfWriter final : public QPdfWriter {
public:
    TitledPdfWriter(QIODevice* device, const TitleBlock& block, int pages)
        : QPdfWriter(device), block_(block), pages_(pages) {}

    // Draws the block on the first page and leaves the painter's viewport below it.
    void start(QPainter& painter) {
        painter_ = &painter;
        const QRect page = painter.viewport();
        const int below = static_cast<int>(draw_block());
        const QRect content(page.left(), page.top() + below, page.width(), page.height() - below);
        painter.setViewport(content);
        painter.setWindow(content);
    }

    bool newPage() override {
        if (!QPdfWriter::newPage()) return false;
        ++page_;
        draw_block();
        return true;
    }

    int pages() const { return page_; }

private:
    std::array<Cell, 6> cells() const {
        const QString program = to_qstring(project::kApplicationName) + u' ' + to_qstring(project::kDisplayVersion);
        const QString page = to_qstring(kPageOfPages).arg(page_).arg(pages_ > 0 ? pages_ : page_);
        return {{
            {kProjectCaption, block_.fields.project},
            {kTrussCaption, block_.truss},
            {kDateCaption, report_date(block_.made_at)},
            {kEngineerCaption, block_.fields.engineer},
            {kCheckedByCaption, block_.fields.checked_by},
            {kProgramCaption, program + u'\n' + page},
        }};
    }

    // The block framed at the top of the page, every value wrapped within its
    // cell rather than cut; returns the height it takes with the gap below it.
    double draw_block() {
        QPainter& painter = *painter_;
        painter.save();
        const QRect page(0, 0, painter.device()->width(), painter.device()->height());
        painter.setViewport(page);
        painter.setWindow(page);
        painter.setPen(QPen(Qt::black, report_mm(painter, kFrameMm)));
        painter.setBrush(Qt::NoBrush);
        const double width = page.width();
        const double padding = report_mm(painter, kCellPaddingMm);
        const std::array<Cell, 6> all = cells();
        double top = 0;
        for (std::size_t row = 0; row < 2; ++row) {
            set_report_font(painter, kCaptionPoints, false);
            const double caption_height = report_line_height(painter);
            set_report_font(painter, kFieldPoints, true);
            // Room for one line of hand-writing even where a field is empty.
            double height = 2 * report_line_height(painter);
            double x = 0;
            std::array<QRectF, 3> values{};
            for (std::size_t c = 0; c < 3; ++c) {
                const double cell_width = width * kColumnShares[c];
                values[c] = QRectF(x + padding, top + padding + caption_height, cell_width - 2 * padding, 1e9);
                height = std::max(height,
                                  painter.boundingRect(values[c], Qt::TextWordWrap, all[row * 3 + c].value).height());
                x += cell_width;
            }
            const double row_height = caption_height + height + 2 * padding;
            x = 0;
            for (std::size_t c = 0; c < 3; ++c) {
                const Cell& cell = all[row * 3 + c];
                const double cell_width = width * kColumnShares[c];
                painter.drawRect(QRectF(x, top, cell_width, row_height));
                set_report_font(painter, kCaptionPoints, false);
                painter.drawText(QRectF(x + padding, top + padding, cell_width - 2 * padding, caption_height),
                                 Qt::AlignLeft | Qt::AlignVCenter, to_qstring(cell.caption));
                set_report_font(painter, kFieldPoints, true);
                painter.drawText(QRectF(values[c].topLeft(), QSizeF(values[c].width(), height)), Qt::TextWordWrap,
                                 cell.value);
                x += cell_width;
            }
            top += row_height;
        }
        painter.restore();
        return top + report_mm(painter, kBlockGapMm);
    }

    const TitleBlock& block_;
    int pages_;
    int page_ = 1;
    QPainter* painter_ = nullptr;
};

// One run of `paint` into `device`; returns the number of pages it made.
int write_document(QIODevice& device, const QString& title, const TitleBlock& block, int pages,
                   const std::function<void(QPdfWriter&, QPainter&)>& paint) {
    TitledPdfWriter writer(&device, block, pages);
    writer.setTitle(title);
    writer.setCreator(to_qstring(project::kApplicationName));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kReportMarginMm, kReportMarginMm, kReportMarginMm, kReportMarginMm),
                                     QPageLayout::Millimeter));
    QPainter painter(&writer);
    writer.start(painter);
    paint(writer, painter);
    painter.end();
    return writer.pages();
}

}  // namespace

QString truss_description(std::string_view span_text, const engine::RoofPitch& pitch) {
    QString span = to_qstring(span_text);
    try {
        span = to_qstring(engine::derive_geometry(span_text).span.to_text());
    } catch (const engine::ArithmeticError&) {
        // A span the analysis refuses is named as typed.
    }
    const QString description = to_qstring(kTrussDescription).arg(span);
    if (pitch.is_default()) return description;
    return to_qstring(kTrussPitch).arg(description, QString::fromStdString(pitch.text));
}

QString report_date(const QDateTime& made_at) { return made_at.toString(QStringLiteral("yyyy-MM-dd HH:mm")); }

QByteArray report_document(const QString& title, const TitleBlock& block,
                           const std::function<void(QPdfWriter&, QPainter&)>& paint) {
    // The first run only counts the pages, so that every page can say "of" how many.
    QByteArray counted;
    QBuffer counting(&counted);
    counting.open(QIODevice::WriteOnly);
    const int pages = write_document(counting, title, block, 0, paint);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    write_document(buffer, title, block, pages, paint);
    return bytes;
}

double report_mm(const QPainter& painter, double millimetres) {
    return millimetres / 25.4 * painter.device()->logicalDpiY();
}

void set_report_font(QPainter& painter, int points, bool bold) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(points);
    font.setBold(bold);
    painter.setFont(font);
}

double report_line_height(const QPainter& painter) { return QFontMetricsF(painter.font(), painter.device()).height(); }

}  // namespace korvel::ui
