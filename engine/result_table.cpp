#include "engine/result_table.hpp"

namespace korvel::engine {

std::string results_csv(const AnalysisResult& result) {
    std::string csv = "item,length,axial_force,reaction\r\n";
    for (const Member member : kMembersInTableOrder) {
        csv.append(member_name(member)).append(",").append(result.length(member).to_text());
        csv.append(",").append(result.force(member).to_text()).append(",\r\n");
    }
    for (const ReactionRow& row : kReactionRows) {
        csv.append(reaction_name(row.reaction)).append(",,,").append(result.reaction(row.reaction).to_text());
        csv.append("\r\n");
    }
    return csv;
}

}  // namespace korvel::engine
