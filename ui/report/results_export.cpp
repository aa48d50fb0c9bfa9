#include "ui/report/results_export.hpp"

#include <QDateTime>
#include <QDir>
#include <optional>

#include "engine/result_table.hpp"
#include "ui/files/atomic_file.hpp"
#include "ui/report/diagram_picture.hpp"
#include "ui/report/report_pdf.hpp"

namespace korvel::ui {

void ResultsExport::saveReport(const AnalysisRecord& record) {
    save(QStringLiteral("Save report as PDF"), QStringLiteral("korvel-report.pdf"),
         QStringLiteral("PDF documents (*.pdf)"),
         [&](const QString&) { return report_pdf(record, QDateTime::currentDateTime()); });
}

void ResultsExport::saveCsv(const AnalysisRecord& record) {
    save(QStringLiteral("Save results as CSV"), QStringLiteral("korvel-results.csv"),
         QStringLiteral("CSV tables (*.csv)"),
         [&](const QString&) { return QByteArray::fromStdString(engine::results_csv(record.result)); });
}

void ResultsExport::saveDiagram(const AnalysisRecord& record) {
    save(QStringLiteral("Save diagram as SVG or PNG"), QStringLiteral("korvel-forces.svg"),
         QStringLiteral("SVG pictures (*.svg);;PNG pictures (*.png)"), [&](const QString& path) {
             return path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive) ? diagram_png(record)
                                                                               : diagram_svg(record);
         });
}

void ResultsExport::save(const QString& title, const QString& default_name, const QString& filter,
                         const std::function<QByteArray(const QString& path)>& contents) {
    const QString path = dialogs_.save_file_name(title, default_name, filter);
    if (path.isEmpty()) return;
    if (const std::optional<WriteFailure> failure = write_file_atomically(path, contents(path)))
        report_failure(failure->path, failure->reason);
}

void ResultsExport::report_failure(const QString& path, const QString& reason) {
    dialogs_.message(QStringLiteral("Could not save \"%1\": %2.\r\nChoose another folder or file name.")
                         .arg(QDir::toNativeSeparators(path), reason),
                     MessageStyle::OkExclamation, QStringLiteral("Not saved"));
}

}  // namespace korvel::ui
