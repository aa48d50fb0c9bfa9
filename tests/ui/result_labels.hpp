#pragma once

#include <QString>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/analysis.hpp"
#include "ui/results_window/results_window_layout.hpp"
#include "ui/widgets/qt_text.hpp"

namespace korvel::ui::testing {

// Every result label of the results window, by the layout's own tables, with
// the text that `result` puts there.
inline std::vector<std::pair<std::string_view, QString>> result_label_texts(const engine::AnalysisResult& result) {
    std::vector<std::pair<std::string_view, QString>> labels;
    results_layout::for_each_member_row(
        [&](const results_layout::MemberRow& row, results_layout::BlockColumns, engine::Member member) {
            labels.emplace_back(row.length_label, to_qstring(result.length(member).to_text()));
            labels.emplace_back(row.force_label, to_qstring(result.force(member).to_text()));
        });
    for (std::size_t i = 0; i < engine::kReactionCount; ++i) {
        labels.emplace_back(results_layout::kReactionRows[i].result_label,
                            to_qstring(result.reaction(engine::kReactionRows[i].reaction).to_text()));
    }
    return labels;
}

}  // namespace korvel::ui::testing
