#include "ui/report/results_export.hpp"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <array>
#include <optional>

#include "engine/result_table.hpp"
#include "engine/working.hpp"
#include "ui/files/atomic_file.hpp"
#include "ui/report/diagram_picture.hpp"
#include "ui/report/report_pdf.hpp"
#include "ui/working_drawing/working_pdf.hpp"

namespace korvel::ui {

namespace {

// Where the title block fields of the last report are kept for the next one.
struct TitleFieldSetting {
    QString TitleFields::*field;
    const char* key;
};
constexpr std::array<TitleFieldSetting, 3> kTitleFieldSettings{{
    {&TitleFields::project, "report/project"},
    {&TitleFields::engineer, "report/engineer"},
    {&TitleFields::checked_by, "report/checked_by"},
}};

TitleFields remembered_title_fields() {
    const QSettings settings;
    TitleFields fields;
    for (const TitleFieldSetting& s : kTitleFieldSettings)
        fields.*s.field = settings.value(QLatin1String(s.key)).toString();
    return fields;
}

void remember_title_fields(const TitleFields& fields) {
    QSettings settings;
    for (const TitleFieldSetting& s : kTitleFieldSettings) settings.setValue(QLatin1String(s.key), fields.*s.field);
}

}  // namespace

std::optional<TitleFields> ResultsExport::ask_title_fields() {
    const std::optional<TitleFields> fields = dialogs_.title_fields(remembered_title_fields());
    if (fields) remember_title_fields(*fields);
    return fields;
}

void ResultsExport::save_report_about(const AnalysisRecord& record, const QStringList& about) {
    const std::optional<TitleFields> fields = ask_title_fields();
    if (!fields) return;
    save(QStringLiteral("Save report as PDF"), QStringLiteral("korvel-report.pdf"),
         QStringLiteral("PDF documents (*.pdf)"), QStringLiteral("pdf"),
         [&](const QString& extension) -> std::optional<QByteArray> {
             if (extension != u"pdf") return std::nullopt;
             return report_pdf(record, QDateTime::currentDateTime(), *fields, about);
         });
}

void ResultsExport::save_csv(const AnalysisRecord& record) {
    save(QStringLiteral("Save results as CSV"), QStringLiteral("korvel-results.csv"),
         QStringLiteral("CSV tables (*.csv)"), QStringLiteral("csv"),
         [&](const QString& extension) -> std::optional<QByteArray> {
             if (extension != u"csv") return std::nullopt;
             return QByteArray::fromStdString(engine::results_csv(record.result));
         });
}

void ResultsExport::save_diagram(const AnalysisRecord& record) {
    save(QStringLiteral("Save diagram as SVG or PNG"), QStringLiteral("korvel-forces.svg"),
         QStringLiteral("SVG pictures (*.svg);;PNG pictures (*.png);;JPEG pictures (*.jpg *.jpeg)"),
         QStringLiteral("svg"), [&](const QString& extension) -> std::optional<QByteArray> {
             if (extension == u"svg") return diagram_svg(record);
             if (extension == u"png") return diagram_image(record, "PNG");
             if (extension == u"jpg" || extension == u"jpeg") return diagram_image(record, "JPG");
             return std::nullopt;
         });
}

void ResultsExport::save_working(const AnalysisRecord& record) {
    save(QStringLiteral("Save working as PDF"), QStringLiteral("korvel-working.pdf"),
         QStringLiteral("PDF documents (*.pdf)"), QStringLiteral("pdf"),
         [&](const QString& extension) -> std::optional<QByteArray> {
             if (extension != u"pdf") return std::nullopt;
             const engine::WorkingOutcome working = engine::work_out(record.input);
             // The record holds an analysis that succeeded, so its working cannot fail.
             return working_pdf(std::get<engine::Working>(working));
         });
}

void ResultsExport::save(const QString& title, const QString& default_name, const QString& filter,
                         const QString& extension, const Contents& contents) {
    QString path = dialogs_.save_file_name(title, default_name, filter);
    if (path.isEmpty()) return;
    QString given = QFileInfo(path).suffix().toLower();
    if (given.isEmpty()) {
        path += u'.' + extension;
        given = extension;
    }
    std::optional<QByteArray> bytes = contents(given);
    if (!bytes) {
        // The kind written never follows a name that promises another.
        const Answer answer = dialogs_.message(
            QStringLiteral("\"%1\" ends in .%2, which this command does not write.\r\nSave it as %3 under that name "
                           "anyway? Choose No to keep it unsaved and pick another name.")
                .arg(QFileInfo(path).fileName(), given, extension.toUpper()),
            MessageStyle::YesNoQuestion, QStringLiteral("Unknown file type"));
        if (answer != Answer::Yes) return;
        bytes = contents(extension);
    }
    if (const std::optional<WriteFailure> failure = write_file_atomically(path, *bytes))
        report_failure(failure->path, failure->reason);
}

void ResultsExport::report_failure(const QString& path, const QString& reason) {
    dialogs_.message(QStringLiteral("Could not save \"%1\": %2.\r\nChoose another folder or file name.")
                         .arg(QDir::toNativeSeparators(path), reason),
                     MessageStyle::OkExclamation, QStringLiteral("Not saved"));
}

}  // namespace korvel::ui
