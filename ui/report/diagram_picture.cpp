#include "ui/report/diagram_picture.hpp"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include "ui/force_diagram/force_diagram_painter.hpp"

namespace korvel::ui {
namespace {

// The picture's size in pixels at 96 dpi, and its margin.
constexpr QSize kPictureSize(1200, 640);
constexpr double kMargin = 16;
constexpr int kPixelsPerPicturePixel = 2;
constexpr int kScreenDpi = 96;

void paint_picture(QPainter& painter, const AnalysisRecord& record) {
    const DiagramPalette paper = paper_palette();
    const QRectF page(QPointF(0, 0), QSizeF(kPictureSize));
    painter.fillRect(page, paper.background);
    paint_force_diagram(painter, page.adjusted(kMargin, kMargin, -kMargin, -kMargin), record, paper);
}

}  // namespace

QByteArray diagram_svg(const AnalysisRecord& record) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(kPictureSize);
    svg.setViewBox(QRect(QPoint(0, 0), kPictureSize));
    svg.setResolution(kScreenDpi);
    svg.setTitle(QStringLiteral("KORVEL - Forces"));
    QPainter painter(&svg);
    paint_picture(painter, record);
    painter.end();
    return bytes;
}

QByteArray diagram_image(const AnalysisRecord& record, const char* format) {
    QImage image(kPictureSize * kPixelsPerPicturePixel, QImage::Format_RGB32);
    image.setDevicePixelRatio(kPixelsPerPicturePixel);
    QPainter painter(&image);
    paint_picture(painter, record);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    image.save(&buffer, format);
    return bytes;
}

}  // namespace korvel::ui
