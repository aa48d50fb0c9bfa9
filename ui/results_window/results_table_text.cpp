#include "ui/results_window/results_table_text.hpp"

#include <QLabel>
#include <QStringList>
#include <stdexcept>
#include <string>

#include "ui/results_window/results_window_layout.hpp"
#include "ui/widgets/qt_text.hpp"

namespace korvel::ui {

namespace {

QString caption_of(const QWidget& window, std::string_view name) {
    const auto* label = window.findChild<const QLabel*>(to_qstring(name));
    if (label == nullptr) throw std::logic_error("results window has no label " + std::string(name));
    return label->text();
}

}  // namespace

QString results_table_text(const QWidget& window) {
    const QChar tab(u'\t');
    QStringList lines{QStringLiteral("Member\tLength\tAxial force")};
    const auto add_members = [&](const auto& rows) {
        for (const results_layout::MemberRow& row : rows) {
            lines.append(to_qstring(results_layout::member_of(row)) + tab + caption_of(window, row.length_label) +
                         tab + caption_of(window, row.force_label));
        }
    };
    add_members(results_layout::kLeftBlockRows);
    add_members(results_layout::kRightBlockRows);
    for (const results_layout::ReactionRow& row : results_layout::kReactionRows)
        lines.append(to_qstring(row.reaction) + tab + caption_of(window, row.result_label));
    return lines.join(u'\n');
}

}  // namespace korvel::ui
