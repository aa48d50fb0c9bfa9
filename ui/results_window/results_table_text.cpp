#include "ui/results_window/results_table_text.hpp"

#include <QLabel>
#include <stdexcept>
#include <string>

#include "ui/results_window/results_window_layout.hpp"
#include "ui/widgets/qt_text.hpp"

namespace korvel::ui {

std::vector<QStringList> results_table_rows(const std::function<QString(std::string_view)>& text_of_label) {
    std::vector<QStringList> rows{{QStringLiteral("Member"), QStringLiteral("Length"), QStringLiteral("Axial force")}};
    const auto add_members = [&](const auto& block) {
        for (const results_layout::MemberRow& row : block) {
            rows.push_back({to_qstring(results_layout::member_of(row)), text_of_label(row.length_label),
                            text_of_label(row.force_label)});
        }
    };
    add_members(results_layout::kLeftBlockRows);
    add_members(results_layout::kRightBlockRows);
    for (const results_layout::ReactionRow& row : results_layout::kReactionRows)
        rows.push_back({to_qstring(row.reaction), text_of_label(row.result_label)});
    return rows;
}

QString results_table_text(const QWidget& window) {
    const auto caption_of = [&](std::string_view name) {
        const auto* label = window.findChild<const QLabel*>(to_qstring(name));
        if (label == nullptr) throw std::logic_error("results window has no label " + std::string(name));
        return label->text();
    };
    QStringList lines;
    for (const QStringList& row : results_table_rows(caption_of)) lines.append(row.join(u'\t'));
    return lines.join(u'\n');
}

}  // namespace korvel::ui
