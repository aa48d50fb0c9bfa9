#pragma once

#include <vector>

#include "engine/analysis.hpp"

namespace korvel::ui {

enum class ForceSign { Tension, Compression, Zero };

// The sign a force shows: below zero is compression, zero is zero, anything else tension.
ForceSign force_sign(engine::Fixed4 force);

// The largest force of one sign and every member that carries it; no members when none has that sign.
struct ExtremeForce {
    engine::Fixed4 force;
    std::vector<engine::Member> members;
};

struct ForceExtremes {
    ExtremeForce tension;
    ExtremeForce compression;
    double largest_magnitude = 0;  // of any member, either sign, for drawing only
};

// Members are listed in the results window's order; ties are equal values.
ForceExtremes force_extremes(const engine::AnalysisResult& result);

}  // namespace korvel::ui
