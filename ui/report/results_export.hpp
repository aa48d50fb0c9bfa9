#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "ui/dialogs/dialogs.hpp"
#include "ui/force_diagram/analysis_record.hpp"

namespace korvel::ui {

// The results window's save commands: each asks where to save with a sensible
// name in the folder used last, writes the whole file or nothing, and reports a
// failed write in a message that names the file.
class ResultsExport {
public:
    explicit ResultsExport(Dialogs& dialogs) : dialogs_(dialogs) {}

    // Asks for the title block fields first, offering the last ones; Cancel there saves nothing.
    void save_report(const AnalysisRecord& record) { save_report_about(record, {}); }
    // The same, with lines under the report's title naming what was analysed (a combination, its factors and cases).
    void save_report_about(const AnalysisRecord& record, const QStringList& about);
    // The title block fields for a report, offering the last ones and keeping the answer; nothing on Cancel.
    std::optional<TitleFields> ask_title_fields();
    void save_csv(const AnalysisRecord& record);
    void save_diagram(const AnalysisRecord& record);
    void save_working(const AnalysisRecord& record);

    // What a save writes for a name's extension (lower case, without the dot):
    // the file's bytes, or nothing for an extension it does not write.
    using Contents = std::function<std::optional<QByteArray>(const QString& extension)>;

    // Asks for a name, adds `extension` when it has none, asks first about an
    // extension `contents` does not write (saving the default kind under it on
    // Yes), then writes the file; an empty answer is a cancel.
    void save(const QString& title, const QString& default_name, const QString& filter, const QString& extension,
              const Contents& contents);

private:
    void report_failure(const QString& path, const QString& reason);

    Dialogs& dialogs_;
};

}  // namespace korvel::ui
