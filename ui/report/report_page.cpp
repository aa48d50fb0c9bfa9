#include "ui/report/report_page.hpp"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace korvel::ui {

QByteArray report_document(const QString& title, const std::function<void(QPdfWriter&, QPainter&)>& paint) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("KORVEL"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kReportMarginMm, kReportMarginMm, kReportMarginMm, kReportMarginMm),
                                     QPageLayout::Millimeter));
    QPainter painter(&writer);
    paint(writer, painter);
    painter.end();
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
