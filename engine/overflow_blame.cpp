#include "engine/overflow_blame.hpp"

#include "engine/result_computation.hpp"

namespace korvel::engine {
namespace {

// The load of largest magnitude, the first in load-map order among equals.
std::size_t largest_load(const std::array<Fixed4, kLoadCount>& loads) {
    std::size_t largest = 0;
    for (std::size_t i = 1; i < kLoadCount; ++i) {
        if (loads[i].magnitude() > loads[largest].magnitude()) largest = i;
    }
    return largest;
}

}  // namespace

AnalysisError blame_overflow(const AnalysisInput& input, const TrussGeometry& geometry,
                             const std::array<Fixed4, kLoadCount>& loads) {
    const std::size_t largest = largest_load(loads);
    std::array<Fixed4, kLoadCount> alone{};
    alone[largest] = loads[largest];
    const bool alone_overflows = overflows(geometry, alone);

    const bool span_above_unit = geometry.span.count() > Fixed4::kScale;
    const TrussGeometry reference =
        span_above_unit ? derive_geometry("1", pitch_of_tangent(geometry.tangent)) : geometry;
    if (!overflows(reference, alone_overflows ? alone : loads)) {
        return {ErrorKind::Overflow, {ErrorSource::Kind::Span, 0}, input.span, OverflowCause::SpanWithLoads};
    }
    return {ErrorKind::Overflow,
            {ErrorSource::Kind::Load, largest},
            input.loads[largest],
            alone_overflows ? OverflowCause::OneLoad : OverflowCause::LoadsTogether};
}

}  // namespace korvel::engine
