#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "load_case/project.hpp"

namespace korvel::load_case {

// One way a term of a design code's combination can be filled: the cases of a
// kind, times a factor.
struct PresetChoice {
    CaseKind kind;
    std::string_view factor;  // empty: no second choice
};

// A term such as "1.6L" or "0.5(Lr or S)". The leading term of a combination is
// required: without a case of its kind the combination is left out. Any other
// term may also be left out, as the codes ask to look at every load not acting.
struct PresetTerm {
    PresetChoice first;
    PresetChoice second{CaseKind::Other, {}};
    bool required = false;
};

struct PresetFormula {
    std::array<PresetTerm, 4> terms;
    std::size_t term_count;
};

// A design code's set of combinations, named as the user picks it.
struct DesignPreset {
    std::string_view title;   // the menu's words
    std::string_view prefix;  // begins each combination's name
    std::span<const PresetFormula> formulas;
};

namespace preset_detail {

constexpr PresetTerm term(CaseKind kind, std::string_view factor, bool required = false) {
    return {{kind, factor}, {CaseKind::Other, {}}, required};
}
constexpr PresetTerm either(CaseKind a, CaseKind b, std::string_view factor, bool required = false) {
    return {{a, factor}, {b, factor}, required};
}
constexpr PresetTerm lead(CaseKind kind, std::string_view factor) { return term(kind, factor, true); }

using enum CaseKind;

// ASCE 7 strength design, the combinations with dead, live, roof live, snow and wind loads.
inline constexpr std::array<PresetFormula, 5> kAsceStrength{{
    {{lead(Dead, "1.4")}, 1},
    {{term(Dead, "1.2"), lead(Live, "1.6"), either(RoofLive, Snow, "0.5")}, 3},
    {{term(Dead, "1.2"), either(RoofLive, Snow, "1.6", true), {{Live, "1"}, {Wind, "0.5"}, false}}, 3},
    {{term(Dead, "1.2"), lead(Wind, "1.0"), term(Live, "1"), either(RoofLive, Snow, "0.5")}, 4},
    {{term(Dead, "0.9"), lead(Wind, "1.0")}, 2},
}};

// ASCE 7 allowable stress design; 0.75(0.6W) is 0.45W.
inline constexpr std::array<PresetFormula, 7> kAsceAllowable{{
    {{lead(Dead, "1")}, 1},
    {{term(Dead, "1"), lead(Live, "1")}, 2},
    {{term(Dead, "1"), either(RoofLive, Snow, "1", true)}, 2},
    {{term(Dead, "1"), lead(Live, "0.75"), either(RoofLive, Snow, "0.75")}, 3},
    {{term(Dead, "1"), lead(Wind, "0.6")}, 2},
    {{term(Dead, "1"), lead(Wind, "0.45"), term(Live, "0.75"), either(RoofLive, Snow, "0.75")}, 4},
    {{term(Dead, "0.6"), lead(Wind, "0.6")}, 2},
}};

// EN 1990 equation 6.10 (STR) with the recommended ψ0 of buildings: imposed 0.7,
// snow 0.5, wind 0.6, so an accompanying action takes 1.5ψ0. Roof imposed loads
// act alone, never with snow or wind; the favourable 1.0G goes with wind uplift.
inline constexpr std::array<PresetFormula, 6> kEurocodeStr{{
    {{lead(Dead, "1.35")}, 1},
    {{term(Dead, "1.35"), lead(Live, "1.5"), term(Snow, "0.75"), term(Wind, "0.9")}, 4},
    {{term(Dead, "1.35"), lead(RoofLive, "1.5")}, 2},
    {{term(Dead, "1.35"), lead(Snow, "1.5"), term(Live, "1.05"), term(Wind, "0.9")}, 4},
    {{term(Dead, "1.35"), lead(Wind, "1.5"), term(Live, "1.05"), term(Snow, "0.75")}, 4},
    {{term(Dead, "1.0"), lead(Wind, "1.5")}, 2},
}};

// Serviceability, unfactored. EN 1990 equation 6.14b, the characteristic
// combination G + Q1 + Σψ0·Qi with the ψ0 above (imposed 0.7, snow 0.5, wind 0.6;
// roof imposed loads alone).
inline constexpr std::array<PresetFormula, 5> kEurocodeCharacteristic{{
    {{lead(Dead, "1")}, 1},
    {{term(Dead, "1"), lead(Live, "1"), term(Snow, "0.5"), term(Wind, "0.6")}, 4},
    {{term(Dead, "1"), lead(RoofLive, "1")}, 2},
    {{term(Dead, "1"), lead(Snow, "1"), term(Live, "0.7"), term(Wind, "0.6")}, 4},
    {{term(Dead, "1"), lead(Wind, "1"), term(Live, "0.7"), term(Snow, "0.5")}, 4},
}};

// EN 1990 equation 6.16b, quasi-permanent G + Σψ2·Qi: of the recommended ψ2 only
// the imposed load's of category A, 0.3, is not zero.
inline constexpr std::array<PresetFormula, 1> kEurocodeQuasiPermanent{{
    {{lead(Dead, "1"), term(Live, "0.3")}, 2},
}};

// IBC Table 1604.3, roof members: the live (or roof live) load alone, the snow
// or the wind load alone, and dead plus live; each with its own limit.
inline constexpr std::array<PresetFormula, 3> kIbcRoofDeflection{{
    {{either(Live, RoofLive, "1", true)}, 1},
    {{either(Snow, Wind, "1", true)}, 1},
    {{term(Dead, "1"), either(Live, RoofLive, "1", true)}, 2},
}};

}  // namespace preset_detail

inline constexpr std::array<DesignPreset, 6> kDesignPresets{{
    {"ASCE 7 strength design (LRFD)", "LRFD", preset_detail::kAsceStrength},
    {"ASCE 7 allowable stress design (ASD)", "ASD", preset_detail::kAsceAllowable},
    {"EN 1990 ultimate limit state (STR, 6.10)", "EN STR", preset_detail::kEurocodeStr},
    {"EN 1990 serviceability, characteristic (6.14b)", "EN SLS", preset_detail::kEurocodeCharacteristic},
    {"EN 1990 serviceability, quasi-permanent (6.16b)", "EN QP", preset_detail::kEurocodeQuasiPermanent},
    {"IBC Table 1604.3 roof deflection checks", "IBC", preset_detail::kIbcRoofDeflection},
}};

// The name a preset gives the combination of its formula with these factors:
// "LRFD 5: 0.9 Dead + Wind uplift" (a factor of 1 is not written).
std::string preset_combination_name(const DesignPreset& preset, std::size_t formula,
                                    const std::vector<Factor>& factors);

// The combinations of a preset for the project's cases, matched by their kind:
// every dead case acts in every combination at once, each case of any other kind
// is one alternative of its kind, and cases of the kind "other" take no part.
// A combination is named by its preset's prefix, its formula's number and its
// terms ("LRFD 3: 1.2 Dead + 1.6 Snow"); one that repeats an earlier one's name is
// left out, as is every one beyond kProjectPartLimit.
std::vector<Combination> preset_combinations(const DesignPreset& preset, const std::vector<LoadCase>& cases);

}  // namespace korvel::load_case
