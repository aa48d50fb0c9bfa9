#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "engine/roof_pitch.hpp"
#include "engine/truss_model.hpp"

namespace korvel::engine {

// Every value the analysis computes on its way to the results, in the order it computes them.
enum class Quantity : std::uint8_t {
    TypedSpan,
    Span,
    Rise,
    Rafter,
    Panel,
    Slope,
    TwoSlope,
    SinT,
    CosT,
    TanT,
    Sin2T,
    Cos2T,
    LengthPanel,
    LengthPanelOverCos,
    LengthMiddleChord,
    LengthShortWeb,
    LengthLongWeb,
    LengthRise,
    MomentL0,
    RL6,
    SumV,
    RL0,
    SumH,
    HL0,
    D1,
    D2,
    D3,
    D4,
    ForceL0U1,
    ForceL0L1,
    ForceL1U1,
    ForceU1U2,
    ForceL1U2,
    ForceL1L2,
    MomentLeft,
    ForceL2L3,
    SumVL,
    XL,
    ForceU4U8,
    ForceU3U4,
    ForceL2U2,
    ForceL2U8,
    ForceU2U8,
    ForceU2U3,
    ForceU3U8,
    ForceL3U4,
    ForceL6U7,
    ForceL5L6,
    ForceL5U7,
    ForceU6U7,
    ForceL5U6,
    ForceL4L5,
    MomentRight,
    ForceL3L4,
    SumVR,
    SumHR,
    ForceU4U9,
    ForceU4U5,
    ForceL4U9,
    ForceL4U6,
    ForceU6U9,
    ForceU5U6,
    ForceU5U9,
};
inline constexpr std::size_t kQuantityCount = static_cast<std::size_t>(Quantity::ForceU5U9) + 1;

enum class Stage : std::uint8_t { Geometry, Reactions, MemberForces, Check };

// Where a step balances forces: at a joint, or on the part of the truss on one side of a cut.
enum class Place : std::uint8_t { None, Joint, LeftSection, RightSection };

// How a value becomes the result it shows.
enum class Display : std::uint8_t {
    None,         // an intermediate value
    Plain,        // a Fixed4, shown as it is
    Rounded,      // rounded to Fixed4
    TextRounded,  // rounded to 15 significant digits, then to Fixed4
};

// One computation of the analysis, as its working writes it.
struct StepRow {
    Quantity quantity;
    Stage stage;
    Place place = Place::None;
    Node node = Node::L0;       // the joint, or the point a moment is taken about
    std::string_view symbol;    // the name later formulas give the value
    std::string_view equation;  // what the step balances or defines
    std::string_view formula;   // empty for an input
    Display display = Display::None;
    std::span<const Member> members = {};  // whose length or force the value is
    std::optional<Reaction> reaction = std::nullopt;
    std::array<std::string_view, 2> zero_when = {};  // a zero-force member when these are all zero
    std::string_view zero_reason = {};
    std::span<const std::string_view> term_notes = {};  // the lever arm of each term of a moment sum
    std::string_view note = {};
};

extern const std::array<StepRow, kQuantityCount> kSteps;

// At a pitch other than 6:12 the rise and the slope angle come from the tangent t of the
// pitch instead of from the halves of 6:12; the rows stand in for those of kSteps.
struct PitchRows {
    StepRow tangent;  // its formula is the pitch's own, made from the pitch as given
    StepRow rise;
    StepRow slope;
};
const PitchRows& pitch_rows(PitchForm form);

const StepRow& step_row(Quantity quantity);

}  // namespace korvel::engine
