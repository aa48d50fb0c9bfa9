#include "engine/result_table.hpp"

namespace korvel::engine {

std::string results_csv(const AnalysisResult& result, const RoofPitch& pitch) {
    std::string csv = "item,length,axial_force,reaction\r\n";
    for (const Member member : kMembersInTableOrder) {
        csv.append(member_name(member)).append(",").append(result.length(member).to_text());
        csv.append(",").append(result.force(member).to_text()).append(",\r\n");
    }
    for (const ReactionRow& row : kReactionRows) {
        csv.append(reaction_name(row.reaction)).append(",,,").append(result.reaction(row.reaction).to_text());
        csv.append("\r\n");
    }
    // A roof that is not 6:12 says so in a last row.
    if (!pitch.is_default()) csv.append("pitch,").append(pitch.text).append(",,\r\n");
    return csv;
}

}  // namespace korvel::engine
