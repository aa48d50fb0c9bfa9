#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

#include "ui/dialogs/dialogs.hpp"
#include "ui/force_diagram/analysis_record.hpp"

namespace korvel::ui {

// The results window's save commands: each asks where to save with a sensible
// name in the folder used last, writes the whole file or nothing, and reports a
// failed write in a message that names the file.
class ResultsExport {
public:
    explicit ResultsExport(Dialogs& dialogs) : dialogs_(dialogs) {}

    void saveReport(const AnalysisRecord& record);
    void saveCsv(const AnalysisRecord& record);
    void saveDiagram(const AnalysisRecord& record);

    // Asks for a name, then writes what `contents` makes for it; an empty answer is a cancel.
    void save(const QString& title, const QString& default_name, const QString& filter,
              const std::function<QByteArray(const QString& path)>& contents);

private:
    void report_failure(const QString& path, const QString& reason);

    Dialogs& dialogs_;
};

}  // namespace korvel::ui
