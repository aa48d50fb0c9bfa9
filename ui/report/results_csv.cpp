#include "ui/report/results_csv.hpp"

#include <QStringList>

#include "ui/results_window/results_table_text.hpp"
#include "ui/widgets/qt_text.hpp"

namespace korvel::ui {
namespace {

constexpr qsizetype kFieldsPerRow = 3;

QString csv_field(const QString& text) {
    const bool needs_quotes =
        text.contains(u',') || text.contains(u'"') || text.contains(u'\r') || text.contains(u'\n');
    if (!needs_quotes) return text;
    QString quoted = text;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

}  // namespace

QByteArray results_csv(const engine::AnalysisResult& result) {
    const auto text_of_label = [&](std::string_view label) { return to_qstring(result.text_of_label(label)); };
    QString csv;
    for (QStringList row : results_table_rows(text_of_label)) {
        while (row.size() < kFieldsPerRow) row.append(QString());
        for (QString& field : row) field = csv_field(field);
        csv += row.join(u',') + QStringLiteral("\r\n");
    }
    return csv.toUtf8();
}

}  // namespace korvel::ui
