#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "engine/roof_pitch.hpp"
#include "engine/truss_model.hpp"

namespace korvel::load_case {

enum class DistributedLoadKind {
    TopChordVertical,  // w per horizontal length, downward (roofing, roof live load, snow)
    SlopeNormal,       // w per length along the slope, at right angles to it: pressure towards the roof, suction < 0
    BottomChord,       // w per length of the bottom chord, downward (a ceiling)
};

// Which top chord slopes carry the load: both, or one for unbalanced snow or wind.
enum class Slopes { Both, Left, Right };

struct DistributedLoad {
    DistributedLoadKind kind = DistributedLoadKind::TopChordVertical;
    Slopes slopes = Slopes::Both;  // the bottom chord load always runs over the whole span
    std::string intensity;         // w, a decimal number text

    friend bool operator==(const DistributedLoad&, const DistributedLoad&) = default;
};

enum class DistributedLoadFault { SpanNotANumber, IntensityNotANumber, LoadNotANumber };

struct DistributedLoadError {
    DistributedLoadFault fault;
    std::string message;  // what is wrong and what to enter
};

// A load per area of roof carried by one truss over its spacing.
struct AreaLoad {
    std::string per_area;  // in the project's area-load unit
    std::string spacing;   // between trusses, in the project's length unit

    friend bool operator==(const AreaLoad&, const AreaLoad&) = default;
};

// A distributed load as it is asked for: its intensity typed, or a load per area
// times the truss spacing, which then gives the intensity.
struct DistributedLoadEntry {
    DistributedLoad load;
    std::optional<AreaLoad> area;

    friend bool operator==(const DistributedLoadEntry&, const DistributedLoadEntry&) = default;
};

// The project's unit of a load per area and what one of it is in the project's
// force per length squared, exactly: multiple / divisor.
struct AreaLoadUnit {
    std::string area_unit;    // "kN/m²", "psf"
    std::string length_unit;  // the spacing's, "m"
    std::string line_unit;    // the intensity's, "kN/m"
    std::int64_t multiple = 1;
    std::int64_t divisor = 1;
};

// The intensity of `area` in the project's force per length: per_area × spacing
// × multiple / divisor, exact where that quotient ends (every metric unit, a
// load per square foot on feet), otherwise rounded half to even to 10 decimal
// places (on inches, a square foot is 144 of them). An error with the fault
// IntensityNotANumber names the text that is not a number.
std::variant<std::string, DistributedLoadError> line_load(const AreaLoad& area, const AreaLoadUnit& unit);

using NodalLoads = std::array<std::string, engine::kLoadCount>;  // load-map order; empty means none

// The nodal loads equivalent to `load` on a truss of the span `span_text` at
// `pitch`, by tributary lengths: each panel's load is shared half to each of its
// end nodes. The panels are those of the exact truss at the pitch's tangent t
// (as engine::node_position places them): the top-chord nodes at S/8 steps, the
// bottom-chord panels (1 + t²)·S/8 and (1 − t²)·S/4 long, so every share is
// w·S/64 times a + b·t + c·t² for small integers. The slope-normal load on a
// panel of slope length L is w·L at right angles to the slope, whose components
// are w·dy horizontally and w·dx vertically for a panel spanning dx, dy: the
// root in L cancels. Each text is exact where t is a finite decimal (6:12 gives
// 0.5, and shares of w·S/64 whole), otherwise rounded half to even to 10
// decimal places. The span is the number its text says, made positive.
std::variant<NodalLoads, DistributedLoadError> nodal_loads(std::string_view span_text, const DistributedLoad& load,
                                                           const engine::RoofPitch& pitch = {});

// Adds the nodal loads of `load` to `loads`, each sum exact. On an error (the span,
// w, or a load that would change, not a number) nothing changes.
std::optional<DistributedLoadError> add_distributed_load(std::string_view span_text, const DistributedLoad& load,
                                                         NodalLoads& loads, const engine::RoofPitch& pitch = {});

}  // namespace korvel::load_case
