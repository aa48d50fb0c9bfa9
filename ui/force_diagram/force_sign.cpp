#include "ui/force_diagram/force_sign.hpp"

#include <algorithm>
#include <cmath>

#include "engine/result_table.hpp"

namespace korvel::ui {
namespace {

// Keeps `force` when it is further from zero than the extreme so far, or joins it on a tie.
void consider(ExtremeForce& extreme, engine::Member member, engine::Fixed4 force) {
    if (extreme.members.empty() || force.magnitude() > extreme.force.magnitude()) {
        extreme.force = force;
        extreme.members.assign({member});
    } else if (force == extreme.force) {
        extreme.members.push_back(member);
    }
}

}  // namespace

ForceSign force_sign(engine::Fixed4 force) {
    if (force.count() == 0) return ForceSign::Zero;
    return force.count() < 0 ? ForceSign::Compression : ForceSign::Tension;
}

ForceExtremes force_extremes(const engine::AnalysisResult& result) {
    ForceExtremes extremes;
    for (const engine::Member member : engine::kMembersInTableOrder) {
        const engine::Fixed4 force = result.force(member);
        extremes.largest_magnitude = std::max(extremes.largest_magnitude, std::fabs(force.to_double()));
        switch (force_sign(force)) {
            case ForceSign::Tension: consider(extremes.tension, member, force); break;
            case ForceSign::Compression: consider(extremes.compression, member, force); break;
            case ForceSign::Zero: break;
        }
    }
    return extremes;
}

}  // namespace korvel::ui
