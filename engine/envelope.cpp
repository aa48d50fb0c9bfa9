#include "engine/envelope.hpp"

namespace korvel::engine {
namespace {

void widen(Extremes& extremes, Fixed4 value, std::size_t combination) {
    // Strict comparisons: on a tie the earlier combination keeps its place.
    if (value.count() > extremes.max.value.count()) extremes.max = {value, combination};
    if (value.count() < extremes.min.value.count()) extremes.min = {value, combination};
}

}  // namespace

Envelope Envelope::of(std::span<const AnalysisOutcome> outcomes) {
    Envelope envelope;
    for (std::size_t c = 0; c < outcomes.size(); ++c) {
        if (const auto* error = std::get_if<AnalysisError>(&outcomes[c])) {
            envelope.failed_.push_back({c, *error});
            continue;
        }
        const auto& result = std::get<AnalysisResult>(outcomes[c]);
        if (envelope.analysed_++ == 0) {
            for (const Member m : kMembers)
                envelope.forces_[to_index(m)] = {{result.force(m), c}, {result.force(m), c}};
            for (const Reaction r : kReactions) {
                envelope.reactions_[to_index(r)] = {{result.reaction(r), c}, {result.reaction(r), c}};
            }
            continue;
        }
        for (const Member m : kMembers) widen(envelope.forces_[to_index(m)], result.force(m), c);
        for (const Reaction r : kReactions) widen(envelope.reactions_[to_index(r)], result.reaction(r), c);
    }
    return envelope;
}

}  // namespace korvel::engine
