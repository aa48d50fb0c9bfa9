#include "ui/load_cases_window/project_envelope.hpp"

#include <cstdint>

namespace korvel::ui {
namespace {

// |value| without overflow, also for the most negative count.
std::uint64_t magnitude(std::int64_t value) {
    return value < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
}

}  // namespace

engine::Fixed4 governing(const engine::Extremes& extremes) {
    return magnitude(extremes.min.value.count()) > magnitude(extremes.max.value.count()) ? extremes.min.value
                                                                                         : extremes.max.value;
}

std::optional<AnalysisRecord> governing_record(const ProjectEnvelope& envelope) {
    for (const engine::AnalysisOutcome& outcome : envelope.outcomes) {
        const auto* result = std::get_if<engine::AnalysisResult>(&outcome);
        if (result == nullptr) continue;
        // Every combination has the project's span, so any of them gives the lengths.
        AnalysisRecord record{{envelope.span, {}}, *result};
        for (const engine::Member member : engine::kMembers)
            record.result.set_force(member, governing(envelope.envelope.force(member)));
        for (const engine::Reaction reaction : engine::kReactions)
            record.result.set_reaction(reaction, governing(envelope.envelope.reaction(reaction)));
        return record;
    }
    return std::nullopt;
}

}  // namespace korvel::ui
