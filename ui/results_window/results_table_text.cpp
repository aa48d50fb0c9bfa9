#include "ui/results_window/results_table_text.hpp"

#include <QStringList>

#include "engine/result_table.hpp"
#include "ui/widgets/qt_text.hpp"

namespace korvel::ui {

QString results_table_text(const engine::AnalysisResult& result) {
    QStringList lines{QStringList{to_qstring(engine::kMemberHeading), to_qstring(engine::kLengthHeading),
                                  to_qstring(engine::kForceHeading)}
                          .join(u'\t')};
    for (const engine::Member member : engine::kMembersInTableOrder) {
        lines.append(QStringList{to_qstring(engine::member_name(member)), to_qstring(result.length(member).to_text()),
                                 to_qstring(result.force(member).to_text())}
                         .join(u'\t'));
    }
    for (const engine::ReactionRow& row : engine::kReactionRows) {
        lines.append(to_qstring(engine::reaction_name(row.reaction)) + u'\t' +
                     to_qstring(result.reaction(row.reaction).to_text()));
    }
    return lines.join(u'\n');
}

}  // namespace korvel::ui
