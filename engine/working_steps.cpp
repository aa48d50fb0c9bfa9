#include "engine/working_steps.hpp"

#include <stdexcept>

namespace korvel::engine {
namespace {

using enum Stage;
using enum Display;
using Q = Quantity;
using M = Member;
using N = Node;

constexpr std::span<const Member> one(Member m) { return std::span<const Member>(kMembers).subspan(to_index(m), 1); }

inline constexpr std::array<Member, 8> kTopChord{M::L0U1, M::U1U2, M::U2U3, M::U3U4,
                                                 M::U4U5, M::U5U6, M::U6U7, M::L6U7};
inline constexpr std::array<Member, 12> kPanelOverCos{M::L0L1, M::L1L2, M::L4L5, M::L5L6, M::L1U2, M::L5U6,
                                                      M::U2U8, M::U6U9, M::L2U8, M::L4U9, M::U4U8, M::U4U9};
inline constexpr std::array<Member, 2> kMiddleChord{M::L2L3, M::L3L4};
inline constexpr std::array<Member, 4> kShortWebs{M::L1U1, M::L5U7, M::U3U8, M::U5U9};
inline constexpr std::array<Member, 2> kLongWebs{M::L2U2, M::L4U6};

inline constexpr std::array<std::string_view, 20> kArmsAboutL0{{
    "H(U1), arm: the height of U1",
    "V(U1), arm: the x of U1",
    "H(U2), arm: the height of U2",
    "V(U2), arm: the x of U2",
    "H(U3), arm: the height of U3",
    "V(U3), arm: the x of U3",
    "H(U4), arm: the rise h",
    "V(U4), arm: S / 2",
    "H(U5), arm: the height of U5",
    "V(U5), arm: the x of U5",
    "H(U6), arm: the height of U6",
    "V(U6), arm: the x of U6",
    "H(U7), arm: the height of U7",
    "V(U7), arm: the x of U7",
    "V(L6), arm: S",
    "V(L1), arm: the x of L1",
    "V(L2), arm: the x of L2",
    "V(L3), arm: S / 2",
    "V(L4), arm: the x of L4",
    "V(L5), arm: the x of L5",
}};

inline constexpr std::array<std::string_view, 12> kArmsLeftOfCut{{
    "HL0, arm: the rise h",
    "V(L0), arm: S / 2",
    "H(L0), arm: the rise h",
    "RL0, arm: S / 2",
    "V(L1), arm: from L1 to below U4",
    "V(L2), arm: from L2 to below U4",
    "H(U1), arm: U4 above U1",
    "V(U1), arm: from U1 to below U4",
    "H(U2), arm: U4 above U2",
    "V(U2), arm: from U2 to below U4",
    "H(U3), arm: U4 above U3",
    "V(U3), arm: from U3 to below U4",
}};

inline constexpr std::array<std::string_view, 11> kArmsRightOfCut{{
    "H(U5), arm: U4 above U5",
    "H(U6), arm: U4 above U6",
    "H(U7), arm: U4 above U7",
    "H(L6), arm: the rise h",
    "RL6, arm: S / 2",
    "V(L4), arm: from below U4 to L4",
    "V(L5), arm: from below U4 to L5",
    "V(L6), arm: S / 2",
    "V(U7), arm: from below U4 to U7",
    "V(U6), arm: from below U4 to U6",
    "V(U5), arm: from below U4 to U5",
}};

constexpr std::string_view kUnloadedChordJoint =
    "the joint carries no load and its two top-chord members are in line, so the one member across the chord "
    "carries nothing";
constexpr std::string_view kBottomJointWithoutWeb =
    "the joint carries no vertical load and its perpendicular web carries nothing, so no other member can "
    "balance a vertical force in this one";

constexpr std::string_view kAcross = "ΣF = 0 across the top chord";
constexpr std::string_view kAlong = "ΣF = 0 along the top chord";
constexpr std::string_view kCramer = "ΣFx = 0 and ΣFy = 0, solved together (Cramer's rule)";

}  // namespace

const std::array<StepRow, kQuantityCount> kSteps{{
    {.quantity = Q::TypedSpan,
     .stage = Geometry,
     .place = Place::None,
     .node = N::L0,
     .symbol = "x",
     .equation = "the span as typed",
     .formula = "",
     .display = None},
    {Q::Span, Geometry, Place::None, N::L0, "S", "the span, made positive and rounded to four decimals", "[|x|]",
     Plain},
    {Q::Rise, Geometry, Place::None, N::L0, "h", "the rise, a quarter of the span", "[S / 4]", Plain},
    {Q::Rafter, Geometry, Place::None, N::L0, "a", "the rafter, from a support to the apex U4", "[√(h² + (S / 2)²)]",
     Plain},
    {Q::Panel, Geometry, Place::None, N::L0, "p", "the panel, a quarter of the rafter", "[a / 4]", Plain},
    {.quantity = Q::Slope,
     .stage = Geometry,
     .place = Place::None,
     .node = N::L0,
     .symbol = "θ",
     .equation = "the slope angle in radians, rounded to four decimals",
     .formula = "[arctan(0.5)]",
     .display = Plain,
     .note = "Every sine, cosine and tangent below is of this rounded angle, not of arctan(1/2) itself."},
    {Q::TwoSlope, Geometry, Place::None, N::L0, "2θ", "twice the slope angle, exact", "θ × 2", Plain},
    {Q::SinT, Geometry, Place::None, N::L0, "sin θ", "the sine of θ", "sin(θ)", None},
    {Q::CosT, Geometry, Place::None, N::L0, "cos θ", "the cosine of θ", "cos(θ)", None},
    {Q::TanT, Geometry, Place::None, N::L0, "tan θ", "the tangent of θ", "tan(θ)", None},
    {Q::Sin2T, Geometry, Place::None, N::L0, "sin 2θ", "the sine of 2θ", "sin(2θ)", None},
    {Q::Cos2T, Geometry, Place::None, N::L0, "cos 2θ", "the cosine of 2θ", "cos(2θ)", None},
    {Q::LengthPanel, Geometry, Place::None, N::L0, "ℓ1", "the length of each top-chord member", "p", Plain, kTopChord},
    {Q::LengthPanelOverCos, Geometry, Place::None, N::L0, "ℓ2",
     "the length of the outer bottom-chord members and of the webs at 2θ", "p / cos θ", TextRounded, kPanelOverCos},
    {Q::LengthMiddleChord, Geometry, Place::None, N::L0, "ℓ3", "the length of the two middle bottom-chord members",
     "a × cos θ − p × 2 / cos θ", TextRounded, kMiddleChord},
    {Q::LengthShortWeb, Geometry, Place::None, N::L0, "ℓ4", "the length of the short webs across the top chord",
     "p × tan θ", TextRounded, kShortWebs},
    {Q::LengthLongWeb, Geometry, Place::None, N::L0, "ℓ5", "the length of the long webs across the top chord",
     "p × 2 × tan θ", TextRounded, kLongWebs},
    {Q::LengthRise, Geometry, Place::None, N::L0, "ℓ6", "the length of the vertical L3U4", "h", Plain, one(M::L3U4)},

    {.quantity = Q::MomentL0,
     .stage = Reactions,
     .place = Place::Joint,
     .node = N::L0,
     .symbol = "ΣM(L0)",
     .equation = "the moment of every load about L0, clockwise positive",
     .formula = "H(U1) × p × sin θ + V(U1) × p × cos θ + H(U2) × 2 × p × sin θ + V(U2) × 2 × p × cos θ + "
                "H(U3) × 3 × p × sin θ + V(U3) × 3 × p × cos θ + H(U4) × h + V(U4) × S × 0.5 + "
                "H(U5) × 3 × p × sin θ + V(U5) × (S − [p × 3 × cos θ]) + H(U6) × 2 × p × sin θ + "
                "V(U6) × (S − [p × 2 × cos θ]) + H(U7) × p × sin θ + V(U7) × (S − [p × cos θ]) + V(L6) × S + "
                "V(L1) × (p / cos θ) + V(L2) × (p × 2 / cos θ) + V(L3) × S × 0.5 + V(L4) × (S − [p × 2 / cos θ]) + "
                "V(L5) × (S − [p / cos θ])",
     .display = None,
     .term_notes = kArmsAboutL0},
    {.quantity = Q::RL6,
     .stage = Reactions,
     .place = Place::Joint,
     .node = N::L0,
     .symbol = "RL6",
     .equation = "ΣM = 0 about L0",
     .formula = "ΣM(L0) / S",
     .display = Rounded,
     .reaction = Reaction::RL6},
    {Q::SumV, Reactions, Place::None, N::L0, "ΣV", "the vertical loads",
     "V(L0) + V(L1) + V(L2) + V(L3) + V(L4) + V(L5) + V(L6) + V(U1) + V(U2) + V(U3) + V(U4) + V(U5) + V(U6) + V(U7)",
     None},
    {.quantity = Q::RL0,
     .stage = Reactions,
     .place = Place::None,
     .node = N::L0,
     .symbol = "RL0",
     .equation = "ΣFy = 0 over the whole truss",
     .formula = "ΣV − RL6",
     .display = Rounded,
     .reaction = Reaction::RL0},
    {Q::SumH, Reactions, Place::None, N::L0, "ΣH", "the horizontal loads",
     "H(L0) + H(U1) + H(U2) + H(U3) + H(U4) + H(U5) + H(U6) + H(U7) + H(L6)", None},
    {.quantity = Q::HL0,
     .stage = Reactions,
     .place = Place::None,
     .node = N::L0,
     .symbol = "HL0",
     .equation = "ΣFx = 0 over the whole truss; L6 is a roller and takes no horizontal force",
     .formula = "ΣH",
     .display = Rounded,
     .reaction = Reaction::HL0},

    {Q::D1, MemberForces, Place::None, N::L0, "D1", "the determinant of the left section's balance",
     "sin θ × cos 2θ − sin 2θ × cos θ", None},
    {Q::D2, MemberForces, Place::None, N::L0, "D2", "the determinant of the balance at L2",
     "sin θ × sin 2θ + cos 2θ × cos θ", None},
    {Q::D3, MemberForces, Place::None, N::L0, "D3", "the determinant of the right section's balance",
     "sin 2θ × cos θ − cos 2θ × sin θ", None},
    {Q::D4, MemberForces, Place::None, N::L0, "D4", "the determinant of the balance at L4",
     "−(sin θ × sin 2θ) − cos 2θ × cos θ", None},

    {Q::ForceL0U1, MemberForces, Place::Joint, N::L0, "F(L0U1)", "ΣFy = 0", "(V(L0) − RL0) / sin θ", Rounded,
     one(M::L0U1)},
    {Q::ForceL0L1, MemberForces, Place::Joint, N::L0, "F(L0L1)", "ΣFx = 0", "HL0 − H(L0) − F(L0U1) × cos θ", Rounded,
     one(M::L0L1)},
    {Q::ForceL1U1,
     MemberForces,
     Place::Joint,
     N::U1,
     "F(L1U1)",
     kAcross,
     "−(H(U1) × sin θ) − V(U1) × cos θ",
     Rounded,
     one(M::L1U1),
     std::nullopt,
     {"H(U1)", "V(U1)"},
     kUnloadedChordJoint},
    {Q::ForceU1U2, MemberForces, Place::Joint, N::U1, "F(U1U2)", kAlong, "F(L0U1) − H(U1) × cos θ + V(U1) × sin θ",
     Rounded, one(M::U1U2)},
    {Q::ForceL1U2,
     MemberForces,
     Place::Joint,
     N::L1,
     "F(L1U2)",
     "ΣFy = 0",
     "(V(L1) − F(L1U1) × cos θ) / sin 2θ",
     Rounded,
     one(M::L1U2),
     std::nullopt,
     {"V(L1)", "F(L1U1)"},
     kBottomJointWithoutWeb},
    {Q::ForceL1L2, MemberForces, Place::Joint, N::L1, "F(L1L2)", "ΣFx = 0",
     "F(L0L1) + F(L1U1) × sin θ − F(L1U2) × cos 2θ", Rounded, one(M::L1L2)},
    {.quantity = Q::MomentLeft,
     .stage = MemberForces,
     .place = Place::LeftSection,
     .node = N::U4,
     .symbol = "ML",
     .equation = "the moment about U4 of everything left of the cut through U3U4, U4U8 and L2L3",
     .formula = "h × HL0 − V(L0) × S × 0.5 − H(L0) × h + S × RL0 × 0.5 − V(L1) × (a × cos θ + p / cos θ − p × 2 / "
                "cos θ) − V(L2) × (a × cos θ − p × 2 / cos θ) − H(U1) × 3 × p × sin θ − V(U1) × 3 × p × cos θ − "
                "H(U2) × 2 × p × sin θ − V(U2) × 2 × p × cos θ − H(U3) × p × sin θ − V(U3) × p × cos θ",
     .display = None,
     .term_notes = kArmsLeftOfCut},
    {Q::ForceL2L3, MemberForces, Place::LeftSection, N::U4, "F(L2L3)", "ΣM = 0 about U4", "ML / h", Rounded,
     one(M::L2L3)},
    {Q::SumVL, MemberForces, Place::LeftSection, N::U4, "ΣVL", "the vertical loads left of the cut",
     "V(L0) + V(L1) + V(L2) + V(U1) + V(U2) + V(U3)", None},
    {Q::XL, MemberForces, Place::LeftSection, N::U4, "XL",
     "the horizontal forces left of the cut, other than those of U3U4 and U4U8",
     "HL0 − H(U1) − H(U2) − H(U3) − H(L0) − F(L2L3)", None},
    {Q::ForceU4U8, MemberForces, Place::LeftSection, N::U4, "F(U4U8)", kCramer,
     "−(cos θ × (ΣVL − RL0) − sin θ × XL) / D1", Rounded, one(M::U4U8)},
    {Q::ForceU3U4, MemberForces, Place::LeftSection, N::U4, "F(U3U4)", kCramer,
     "−(sin 2θ × XL − cos 2θ × (ΣVL − RL0)) / D1", Rounded, one(M::U3U4)},
    {Q::ForceL2U2, MemberForces, Place::Joint, N::L2, "F(L2U2)", kCramer,
     "−((−V(L2)) × cos 2θ − sin 2θ × (F(L2L3) − F(L1L2))) / D2", Rounded, one(M::L2U2)},
    {Q::ForceL2U8, MemberForces, Place::Joint, N::L2, "F(L2U8)", kCramer,
     "−(cos θ × (F(L2L3) − F(L1L2)) − sin θ × V(L2)) / D2", Rounded, one(M::L2U8)},
    {Q::ForceU2U8, MemberForces, Place::Joint, N::U2, "F(U2U8)", kAcross,
     "((−V(U2)) × cos θ − H(U2) × sin θ − F(L2U2) − F(L1U2) × sin θ) / sin θ", Rounded, one(M::U2U8)},
    {Q::ForceU2U3, MemberForces, Place::Joint, N::U2, "F(U2U3)", kAlong,
     "F(U1U2) + F(L1U2) × cos θ − H(U2) × cos θ + V(U2) × sin θ − F(U2U8) × cos θ", Rounded, one(M::U2U3)},
    {Q::ForceU3U8,
     MemberForces,
     Place::Joint,
     N::U3,
     "F(U3U8)",
     kAcross,
     "−(H(U3) × sin θ) − V(U3) × cos θ",
     Rounded,
     one(M::U3U8),
     std::nullopt,
     {"H(U3)", "V(U3)"},
     kUnloadedChordJoint},
    {Q::ForceL3U4,
     MemberForces,
     Place::Joint,
     N::L3,
     "F(L3U4)",
     "ΣFy = 0",
     "V(L3)",
     Rounded,
     one(M::L3U4),
     std::nullopt,
     {"V(L3)", ""},
     "L3 carries no vertical load and L3U4 is its only member that is not horizontal"},

    {Q::ForceL6U7, MemberForces, Place::Joint, N::L6, "F(L6U7)", "ΣFy = 0", "(V(L6) − RL6) / sin θ", Rounded,
     one(M::L6U7)},
    {Q::ForceL5L6, MemberForces, Place::Joint, N::L6, "F(L5L6)", "ΣFx = 0; L6 is a roller, without HL0",
     "H(L6) − F(L6U7) × cos θ", Rounded, one(M::L5L6)},
    {Q::ForceL5U7,
     MemberForces,
     Place::Joint,
     N::U7,
     "F(L5U7)",
     kAcross,
     "H(U7) × sin θ − V(U7) × cos θ",
     Rounded,
     one(M::L5U7),
     std::nullopt,
     {"H(U7)", "V(U7)"},
     kUnloadedChordJoint},
    {Q::ForceU6U7, MemberForces, Place::Joint, N::U7, "F(U6U7)", kAlong, "V(U7) × sin θ + H(U7) × cos θ + F(L6U7)",
     Rounded, one(M::U6U7)},
    {Q::ForceL5U6,
     MemberForces,
     Place::Joint,
     N::L5,
     "F(L5U6)",
     "ΣFy = 0",
     "(V(L5) − F(L5U7) × cos θ) / sin 2θ",
     Rounded,
     one(M::L5U6),
     std::nullopt,
     {"V(L5)", "F(L5U7)"},
     kBottomJointWithoutWeb},
    {Q::ForceL4L5, MemberForces, Place::Joint, N::L5, "F(L4L5)", "ΣFx = 0",
     "F(L5L6) + F(L5U7) × sin θ − F(L5U6) × cos 2θ", Rounded, one(M::L4L5)},
    {.quantity = Q::MomentRight,
     .stage = MemberForces,
     .place = Place::RightSection,
     .node = N::U4,
     .symbol = "MR",
     .equation = "the moment about U4 of everything right of the cut through U4U5, U4U9 and L3L4",
     .formula = "H(U5) × p × sin θ + H(U6) × 2 × p × sin θ + H(U7) × 3 × p × sin θ + H(L6) × h + S × (RL6 × 0.5) − "
                "V(L4) × (S × 0.5 − p × 2 / cos θ) − V(L5) × (S × 0.5 − p / cos θ) − V(L6) × S × 0.5 − "
                "V(U7) × 3 × p × cos θ − V(U6) × 2 × p × cos θ − V(U5) × p × cos θ",
     .display = None,
     .term_notes = kArmsRightOfCut,
     .note = "Its arms use S / 2 where the left section's use a × cos θ; with the rounded angle the two differ in "
             "the last digits."},
    {Q::ForceL3L4, MemberForces, Place::RightSection, N::U4, "F(L3L4)", "ΣM = 0 about U4", "MR / h", Rounded,
     one(M::L3L4)},
    {Q::SumVR, MemberForces, Place::RightSection, N::U4, "ΣVR", "the vertical loads right of the cut",
     "V(L4) + V(L5) + V(L6) + V(U5) + V(U6) + V(U7)", None},
    {Q::SumHR, MemberForces, Place::RightSection, N::U4, "ΣHR", "the horizontal loads right of the cut",
     "H(U5) + H(U6) + H(U7) + H(L6)", None},
    {Q::ForceU4U9, MemberForces, Place::RightSection, N::U4, "F(U4U9)", kCramer,
     "−(sin θ × (ΣHR − F(L3L4)) − cos θ × (ΣVR − RL6)) / D3", Rounded, one(M::U4U9)},
    {.quantity = Q::ForceU4U5,
     .stage = MemberForces,
     .place = Place::RightSection,
     .node = N::U4,
     .symbol = "F(U4U5)",
     .equation = kCramer,
     .formula = "−(cos 2θ × (ΣVR − RL6) − sin 2θ × (ΣHR − F(L2L3))) / D3",
     .display = Rounded,
     .members = one(M::U4U5),
     .note = "This balance uses F(L2L3) from the left half where the one before uses F(L3L4); the two are equal in "
             "exact statics but not as computed, and the program has always formed it so."},
    {Q::ForceL4U9, MemberForces, Place::Joint, N::L4, "F(L4U9)", kCramer,
     "−(cos θ × (F(L4L5) − F(L3L4)) + sin θ × V(L4)) / D4", Rounded, one(M::L4U9)},
    {Q::ForceL4U6, MemberForces, Place::Joint, N::L4, "F(L4U6)", kCramer,
     "−(cos 2θ × V(L4) − sin 2θ × (F(L4L5) − F(L3L4))) / D4", Rounded, one(M::L4U6)},
    {Q::ForceU6U9, MemberForces, Place::Joint, N::U6, "F(U6U9)", kAcross,
     "(−(V(U6) × cos θ) + H(U6) × sin θ − F(L4U6) − F(L5U6) × sin θ) / sin θ", Rounded, one(M::U6U9)},
    {Q::ForceU5U6, MemberForces, Place::Joint, N::U6, "F(U5U6)", kAlong,
     "V(U6) × sin θ + H(U6) × cos θ + F(U6U7) + F(L5U6) × cos θ − F(U6U9) × cos θ", Rounded, one(M::U5U6)},
    {Q::ForceU5U9,
     MemberForces,
     Place::Joint,
     N::U5,
     "F(U5U9)",
     kAcross,
     "H(U5) × sin θ − V(U5) × cos θ",
     Rounded,
     one(M::U5U9),
     std::nullopt,
     {"H(U5)", "V(U5)"},
     kUnloadedChordJoint},
}};

const PitchRows& pitch_rows(PitchForm form) {
    constexpr std::string_view kSlopeEquation = "the slope angle in radians, rounded to four decimals";
    constexpr std::string_view kSlopeNote =
        "Every sine, cosine and tangent below is of this rounded angle, not of arctan(t) itself.";
    constexpr std::string_view kRiseEquation = "the rise, half the span times t, rounded to four decimals";
    static const PitchRows degrees{
        {Q::Slope, Geometry, Place::None, N::L0, "t", "the tangent of the slope, from the pitch in degrees", "", None},
        {Q::Rise, Geometry, Place::None, N::L0, "h", kRiseEquation, "[S × t / 2]", Plain},
        {.quantity = Q::Slope,
         .stage = Geometry,
         .symbol = "θ",
         .equation = kSlopeEquation,
         .formula = "[arctan(t)]",
         .display = Plain,
         .note = kSlopeNote},
    };
    static const PitchRows rise_per_run{
        {Q::Slope, Geometry, Place::None, N::L0, "t", "the tangent of the slope: the rise of the pitch over its run",
         "", None},
        degrees.rise,
        degrees.slope,
    };
    static const PitchRows rise{
        {Q::Slope, Geometry, Place::None, N::L0, "t", "the tangent of the slope: the rise over half the span",
         "2 × h / S", None},
        {Q::Rise, Geometry, Place::None, N::L0, "h", "the rise, as the pitch gives it", "", Plain},
        degrees.slope,
    };
    switch (form) {
        case PitchForm::Degrees: return degrees;
        case PitchForm::RisePerRun: return rise_per_run;
        case PitchForm::Rise: return rise;
    }
    throw std::logic_error("a pitch of no form");
}

const StepRow& step_row(Quantity quantity) {
    const StepRow& row = kSteps[static_cast<std::size_t>(quantity)];
    if (row.quantity != quantity) throw std::logic_error("the step table is out of order");
    return row;
}

}  // namespace korvel::engine
