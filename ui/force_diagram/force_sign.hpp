#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/analysis.hpp"

namespace korvel::ui {

enum class ForceSign { Tension, Compression, Zero };

// The sign a result text shows: a leading minus is compression, a text whose
// digits are all zero is zero, anything else tension.
ForceSign force_sign(std::string_view text);

// |text| as a number, for drawing only.
double force_magnitude(std::string_view text);

// The largest force of one sign and every member that carries it; no members when none has that sign.
struct ExtremeForce {
    std::string text;
    std::vector<std::string_view> members;
};

struct ForceExtremes {
    ExtremeForce tension;
    ExtremeForce compression;
    double largest_magnitude = 0;  // of any member, either sign
};

// Members are listed in the results window's order; ties are found on the exact texts.
ForceExtremes force_extremes(const engine::AnalysisResult& result);

}  // namespace korvel::ui
