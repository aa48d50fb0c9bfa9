#include "engine/result_computation.hpp"

#include "engine/arithmetic_error.hpp"
#include "engine/member_forces.hpp"
#include "engine/reactions.hpp"

namespace korvel::engine {

template <typename Record>
AnalysisResult compute_results(const TrussGeometry& geometry, const std::array<Fixed4, kLoadCount>& loads,
                               Record& record) {
    record.loads(loads);
    const NodeLoads node_loads(loads);
    const Reactions reactions = support_reactions(geometry, node_loads, record);
    const AnalysisResult::MemberValues lengths = member_lengths(geometry, record);
    AnalysisResult::ReactionValues shown_reactions{};
    shown_reactions[to_index(Reaction::RL6)] = Fixed4::round(reactions.RL6);
    shown_reactions[to_index(Reaction::RL0)] = Fixed4::round(reactions.RL0);
    shown_reactions[to_index(Reaction::HL0)] = Fixed4::round(reactions.HL0);
    AnalysisResult result(lengths, member_forces(geometry, node_loads, reactions, record), shown_reactions);
    result.set_tangent(geometry.tangent);
    return result;
}

AnalysisResult compute_results(const TrussGeometry& geometry, const std::array<Fixed4, kLoadCount>& loads) {
    NoRecord none;
    return compute_results(geometry, loads, none);
}

template AnalysisResult compute_results(const TrussGeometry&, const std::array<Fixed4, kLoadCount>&, NoRecord&);
template AnalysisResult compute_results(const TrussGeometry&, const std::array<Fixed4, kLoadCount>&, StepRecord&);

bool overflows(const TrussGeometry& geometry, const std::array<Fixed4, kLoadCount>& loads) {
    try {
        (void)compute_results(geometry, loads);
    } catch (const ArithmeticError& e) {
        return e.kind() == ErrorKind::Overflow;
    }
    return false;
}

}  // namespace korvel::engine
