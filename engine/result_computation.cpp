#include "engine/result_computation.hpp"

#include "engine/arithmetic_error.hpp"
#include "engine/member_forces.hpp"
#include "engine/reactions.hpp"

namespace korvel::engine {

void compute_results(const TrussGeometry& geometry, const std::array<Fixed4, kLoadCount>& loads,
                     std::span<ResultText, kResultCount> texts) {
    const NodeLoads node_loads(loads);
    const Reactions reactions = support_reactions(geometry, node_loads);
    write_member_lengths(geometry, texts.first<kMemberCount>());
    texts[kMemberCount] = rounded_display(reactions.RL6);
    texts[kMemberCount + 1] = rounded_display(reactions.RL0);
    texts[kMemberCount + 2] = rounded_display(reactions.HL0);
    write_member_forces(geometry, node_loads, reactions, texts.last<kMemberCount>());
}

bool overflows(const TrussGeometry& geometry, const std::array<Fixed4, kLoadCount>& loads) {
    std::array<ResultText, kResultCount> texts;
    try {
        compute_results(geometry, loads, texts);
    } catch (const ArithmeticError& e) {
        return e.kind() == ErrorKind::Overflow;
    }
    return false;
}

}  // namespace korvel::engine
