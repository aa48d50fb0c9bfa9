#pragma once

#include <array>
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
