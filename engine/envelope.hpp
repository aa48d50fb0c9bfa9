#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <vector>

#include "engine/analysis.hpp"
#include "engine/truss_model.hpp"

namespace korvel::engine {

// One extreme value and the combination that gives it, by its position in the
// list of combinations.
struct Extreme {
    Fixed4 value;
    std::size_t by = 0;
};

// The largest and the smallest value over the combinations.
struct Extremes {
    Extreme max;
    Extreme min;

    // Positive under one combination and negative under another: a member that is
    // in tension and in compression, or a support pushed up and held down.
    bool reverses() const { return max.value.count() > 0 && min.value.count() < 0; }
};

// The value that governs a member or support: the larger in size of the two
// extremes, the largest on a tie.
inline Fixed4 governing(const Extremes& extremes) {
    return extremes.min.value.magnitude() > extremes.max.value.magnitude() ? extremes.min.value : extremes.max.value;
}

// A combination whose analysis failed, with its error.
struct FailedCombination {
    std::size_t combination;
    AnalysisError error;
};

// What a truss is designed for: per member the largest and smallest axial force,
// per reaction the largest and smallest value, over all combinations that could be
// analysed. On a tie the first combination in the list governs.
class Envelope {
public:
    // The envelope of one outcome per combination, in the combinations' order.
    static Envelope of(std::span<const AnalysisOutcome> outcomes);

    // Whether any combination was analysed; only then do the extremes mean anything.
    bool has_values() const { return analysed_ > 0; }
    std::size_t analysed() const { return analysed_; }
    // Whether every combination was analysed; otherwise the envelope is of the others only.
    bool complete() const { return failed_.empty(); }
    const std::vector<FailedCombination>& failed() const { return failed_; }

    const Extremes& force(Member member) const { return forces_[to_index(member)]; }
    const Extremes& reaction(Reaction reaction) const { return reactions_[to_index(reaction)]; }
    // Whether a support is pulled up under some combination and must be held down.
    bool uplifts(Reaction support) const { return support != Reaction::HL0 && reaction(support).min.value.count() < 0; }

private:
    std::array<Extremes, kMemberCount> forces_{};
    std::array<Extremes, kReactionCount> reactions_{};
    std::vector<FailedCombination> failed_;
    std::size_t analysed_ = 0;
};

}  // namespace korvel::engine
