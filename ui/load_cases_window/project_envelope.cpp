#include "ui/load_cases_window/project_envelope.hpp"

#include <cstdint>

#include "load_case/combination.hpp"

namespace korvel::ui {
namespace {

// |value| without overflow, also for the most negative count.
std::uint64_t magnitude(std::int64_t value) {
    return value < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
}

}  // namespace

std::variant<ProjectEnvelope, load_case::ProjectError> envelope_of(const load_case::Project& project) {
    auto outcomes = load_case::analyse_combinations(project);
    if (auto* fault = std::get_if<load_case::ProjectError>(&outcomes)) return std::move(*fault);
    ProjectEnvelope shown;
    shown.span = project.span;
    for (const load_case::Combination& combination : project.combinations) shown.names.push_back(combination.name);
    shown.outcomes = std::get<std::vector<engine::AnalysisOutcome>>(std::move(outcomes));
    shown.envelope = engine::Envelope::of(shown.outcomes);
    return shown;
}

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
