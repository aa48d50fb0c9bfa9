#include "ui/load_cases_window/project_envelope.hpp"

namespace korvel::ui {

std::optional<AnalysisRecord> governing_record(const ProjectEnvelope& envelope) {
    for (const engine::AnalysisOutcome& outcome : envelope.outcomes) {
        const auto* result = std::get_if<engine::AnalysisResult>(&outcome);
        if (result == nullptr) continue;
        // Every combination has the project's span, so any of them gives the lengths.
        AnalysisRecord record{{envelope.span, {}}, *result};
        for (const engine::Member member : engine::kMembers)
            record.result.set_force(member, engine::governing(envelope.envelope.force(member)));
        for (const engine::Reaction reaction : engine::kReactions)
            record.result.set_reaction(reaction, engine::governing(envelope.envelope.reaction(reaction)));
        return record;
    }
    return std::nullopt;
}

}  // namespace korvel::ui
