#include "ui/working_drawing/working_pdf.hpp"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>
#include <optional>

#include "engine/working_text.hpp"
#include "ui/force_diagram/diagram_palette.hpp"
#include "ui/widgets/qt_text.hpp"
#include "ui/working_drawing/step_sketch.hpp"
#include "ui/working_drawing/working_drawing_texts.hpp"

namespace korvel::ui {
namespace {

constexpr QSize kSketchPixels(900, 300);
constexpr int kSketchWidthPoints = 240;
constexpr int kBodyPoints = 9;
constexpr double kMarginMm = 15;

QString escaped(const std::string& text) { return QString::fromStdString(text).toHtmlEscaped(); }

QImage sketch_image(const engine::WorkingStep& step, double tangent) {
    QImage image(kSketchPixels, QImage::Format_RGB32);
    const DiagramPalette colours = paper_palette();
    image.fill(colours.background);
    QPainter painter(&image);
    painter.scale(3, 3);
    paint_step_sketch(painter, QRectF(0, 0, kSketchPixels.width() / 3.0, kSketchPixels.height() / 3.0), step, colours,
                      tangent);
    return image;
}

void append_lines(QString& html, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) html += QStringLiteral("<p>") + escaped(line) + QStringLiteral("</p>");
}

// Lays out one block of the working: a step with its heading and drawing, never split
// between pages unless it is taller than a page.
class PageFiller {
public:
    explicit PageFiller(QPdfWriter& writer) : writer_(writer), painter_(&writer) { font_.setPointSize(kBodyPoints); }

    void add(const QString& html, const std::optional<std::pair<QUrl, QImage>>& sketch) {
        QTextDocument block;
        block.documentLayout()->setPaintDevice(&writer_);
        block.setDefaultFont(font_);
        if (sketch) block.addResource(QTextDocument::ImageResource, sketch->first, sketch->second);
        block.setHtml(html);
        const double width = writer_.width();
        const double page = writer_.height();
        block.setTextWidth(width);
        const double height = block.size().height();
        if (y_ > 0 && y_ + height > page) next_page();
        for (double from = 0;;) {
            const double room = page - y_;
            painter_.save();
            painter_.translate(0, y_ - from);
            block.drawContents(&painter_, QRectF(0, from, width, room));
            painter_.restore();
            if (height - from <= room) {
                y_ += height - from;
                return;
            }
            from += room;
            next_page();
        }
    }

    void finish() { painter_.end(); }

private:
    void next_page() {
        writer_.newPage();
        y_ = 0;
    }

    QPdfWriter& writer_;
    QPainter painter_;
    QFont font_{QStringLiteral("Liberation Sans")};
    double y_ = 0;
};

}  // namespace

QByteArray working_pdf(const engine::Working& working) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(to_qstring(working_drawing_texts::kWorkingTitle));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter));
    PageFiller pages(writer);
    pages.add(QStringLiteral("<h1>") + to_qstring(working_drawing_texts::kWorkingTitle).toHtmlEscaped() +
                  QStringLiteral("</h1><p>") + escaped(engine::working_inputs(working)) + QStringLiteral("</p>"),
              std::nullopt);
    std::optional<engine::Stage> stage;
    for (std::size_t i = 0; i < working.steps.size(); ++i) {
        const engine::WorkingStep& step = working.steps[i];
        QString html;
        if (step.stage != stage) {
            stage = step.stage;
            html += QStringLiteral("<h2>") + QString::fromUtf8(engine::stage_title(step.stage).data()).toHtmlEscaped() +
                    QStringLiteral("</h2>");
        }
        const engine::StepText text = engine::step_text(step);
        html += QStringLiteral("<h3>") + QString::number(i + 1) + QStringLiteral(". ") + escaped(text.heading) +
                QStringLiteral("</h3>");
        const QUrl name(QStringLiteral("sketch:%1").arg(i));
        html += QStringLiteral("<p><img src=\"%1\" width=\"%2\"></p>").arg(name.toString()).arg(kSketchWidthPoints);
        append_lines(html, text.question);
        append_lines(html, text.terms);
        append_lines(html, text.answer);
        pages.add(html, std::make_pair(name, sketch_image(step, working.tangent)));
    }
    pages.finish();
    return bytes;
}

}  // namespace korvel::ui
