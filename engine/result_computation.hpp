#pragma once

#include <array>

#include "engine/analysis.hpp"
#include "engine/fixed4.hpp"
#include "engine/truss_geometry.hpp"
#include "engine/truss_model.hpp"

namespace korvel::engine {

// The arithmetic of one run, from the read span and loads to the 61 results.
// Throws ArithmeticError (Overflow, or DivisionByZero for a span whose rise
// rounds to zero).
AnalysisResult compute_results(const TrussGeometry& geometry, const std::array<Fixed4, kLoadCount>& loads);

// Whether compute_results meets an overflow for these inputs.
bool overflows(const TrussGeometry& geometry, const std::array<Fixed4, kLoadCount>& loads);

}  // namespace korvel::engine
