#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "design/code_checks.hpp"
#include "design/material.hpp"
#include "design/section.hpp"
#include "design/units.hpp"
#include "engine/truss_model.hpp"
#include "load_case/combination.hpp"
#include "load_case/project.hpp"

namespace korvel::design {

inline constexpr std::size_t kGroupCount = 3;
// The groups as the project file names them, in engine::MemberGroup's order.
inline constexpr std::array<std::string_view, kGroupCount> kGroupKeys{"top chord", "bottom chord", "webs"};
constexpr std::string_view group_key(engine::MemberGroup group) { return kGroupKeys[static_cast<std::size_t>(group)]; }
inline constexpr std::size_t kCaseKindCount = load_case::kCaseKinds.size();

// A project's design settings, read and checked: everything in the units of
// the code's tables except bracing, which is in the project's length unit.
struct Design {
    DesignCode code = DesignCode::En1995;
    Material material{};
    ProjectUnitChoice units{ForceUnit::kN, LengthUnit::m};
    int service_class = 2;                                                 // EN 1995-1-1 2.3.1.3
    std::array<Section, kGroupCount> sections{};                           // by group
    std::array<std::optional<Section>, engine::kMemberCount> overrides{};  // by member
    std::array<std::optional<double>, kGroupCount> bracing{};              // absent: braced at every node
    std::array<double, kGroupCount> buckling_factors{1, 1, 1};             // on the length in the plane
    std::array<LoadDuration, kCaseKindCount> durations{};                  // by CaseKind
    double gamma_m0 = 1.0, gamma_m1 = 1.0;                                 // EN 1993-1-1 6.1, recommended
    std::array<std::vector<Section>, kGroupCount> candidates{};            // the lightest-section search's lists

    const Section& section_of(engine::Member member) const;
};

// The default load-duration class of each kind of case, in CaseKind's order:
// EN 1995-1-1 (dead permanent, live medium-term, roof live, snow and wind
// short-term) and NDS 2018 Table 2.3.2 (dead 0.9, live 1.0, roof live 1.25,
// snow 1.15, wind 1.6); a case of kind "other" is taken as permanent.
std::array<LoadDuration, kCaseKindCount> default_durations(DesignCode code);
// The words of a duration class in the code's table.
std::string_view duration_words(DesignCode code, LoadDuration duration);
// The candidates the search starts from: timber sizes of the material's system
// or hollow sections of a standard range.
std::vector<std::string> default_candidates(DesignCode code);

// The keys of "partial_factors": gamma_M0 and gamma_M1 of EN 1993-1-1 6.1.
inline constexpr std::array<std::string_view, 2> kPartialFactorKeys{"gamma_M0", "gamma_M1"};

// A setting's number: a positive finite decimal, blanks at the ends allowed.
std::optional<double> read_positive_number(std::string_view text);
// The duration class a text names in the code's table.
std::optional<LoadDuration> duration_from_words(DesignCode code, std::string_view words);
// The names of a candidate list, separated by ";", without blanks at their ends.
std::vector<std::string> candidate_names(std::string_view list);

// Why a design cannot be made: a missing or unknown setting, named with its value.
struct DesignError {
    std::string message;
};

// Reads a project's units and design block. A project without "design" has no design.
std::variant<Design, DesignError> read_design(const load_case::Project& project);

// One check of a member as it was computed, every intermediate value kept so
// that its working is written from the very numbers of the result. Code's
// units: N or lbf, mm or in, MPa or psi (ksi for AISC's steels).
struct CheckValues {
    CheckKind kind = CheckKind::Tension;
    LoadDuration duration = LoadDuration::Permanent;
    std::size_t combination = 0;
    double force = 0, area = 0, resistance = 0, ratio = 0;
    double length = 0, radius = 0, slenderness = 0;  // buckling: L, i (NDS: d) and L/i
    double strength = 0;                             // f_t,0,k, f_c,0,k, F_t, F_c, f_y or F_y
    double stiffness = 0;                            // E_0,05, E_min, E
    double factor = 0;                               // k_mod, C_D, γ_M0 or γ_M1, φ or 1/Ω
    double gamma_m = 0;                              // EN 1995-1-1 γ_M
    double design_strength = 0;                      // f_d, F_t' or F_c*
    double size_factor = 1;                          // k_h or C_F
    double relative = 0;                             // λ_rel (EN 1995-1-1)
    en1995::Buckling timber{};
    double euler = 0;  // NDS F_cE
    nds2018::ColumnStability lumber{};
    en1993::Slenderness steel_slenderness{};
    en1993::Reduction steel{};
    aisc360::Critical critical{};
};

// The worst of one member's checks over every combination.
struct MemberDesign {
    engine::Member member{};
    engine::MemberGroup group{};
    std::string section;                                                  // its name
    double length = 0, buckling_in_plane = 0, buckling_out_of_plane = 0;  // project length unit
    double slenderness_in_plane = 0, slenderness_out_of_plane = 0;        // L/i
    bool checked = true;                   // false: the section's walls are slender (see warnings)
    double utilisation = 0;                // largest ratio of design force to resistance
    std::optional<std::size_t> governing;  // the combination, none where no force acts
    CheckKind check = CheckKind::Tension;
    double design_force = 0;  // project force unit, tension positive
    double resistance = 0;    // project force unit
    bool passes = true;
    std::vector<std::string> warnings;
    // The worst of each check, by CheckKind; the governing one is checks[check].
    std::array<std::optional<CheckValues>, kCheckWords.size()> checks{};
};

struct DesignResult {
    std::array<MemberDesign, engine::kMemberCount> members{};
    std::vector<std::string> combinations;         // names, in the project's order
    std::vector<std::size_t> failed_combinations;  // whose analysis gave an error
    bool passes = true;                            // every member checked and passing
    bool complete = true;                          // every combination analysed and every member checked
};

// The largest tension and compression of each member under each load-duration
// class, with the combination each comes from: all a design needs of the
// analyses, since the truss is statically determinate and its forces do not
// depend on the sections.
struct ForceExtremes {
    struct Extreme {
        double force = 0;  // magnitude, in the code's force unit
        std::size_t combination = 0;
    };
    std::array<std::array<Extreme, kDurationCount>, engine::kMemberCount> tension{}, compression{};
    std::array<double, engine::kMemberCount> lengths{};  // project length unit
    std::vector<std::string> combinations;
    std::vector<std::size_t> failed_combinations;
};
std::variant<ForceExtremes, load_case::ProjectError> force_extremes(const load_case::Project& project,
                                                                    const Design& design);

// One check of a section for members of given buckling lengths (the code's
// length unit) under a load-duration class: its resistance and the values on
// the way there; force, combination and ratio are the caller's to fill.
CheckValues check_values(const Design& design, const Section& section, CheckKind kind, double in_plane,
                         double out_of_plane, LoadDuration duration);

// Checks every member with its section.
DesignResult design_members(const ForceExtremes& forces, const Design& design);
// One member with a given section.
MemberDesign design_member(const ForceExtremes& forces, const Design& design, engine::Member member,
                           const Section& section);

// The lightest section of a group's candidates that passes every check of every
// member of the group (members with a section of their own take no part).
struct GroupChoice {
    std::optional<std::size_t> candidate;  // into Design::candidates; none when nothing passes
    double utilisation = 0;                // the group's largest, with the chosen (or least failing) candidate
    engine::Member governing{};            // the member that has it
};
std::array<GroupChoice, kGroupCount> lightest_sections(const ForceExtremes& forces, const Design& design);

}  // namespace korvel::design
