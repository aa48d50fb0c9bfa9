#include "design/member_design.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <unordered_map>

#include "engine/exact_decimal.hpp"
#include "engine/quoted_text.hpp"

namespace korvel::design {
namespace {

using engine::Member;
using engine::MemberGroup;
using load_case::CaseKind;

std::size_t group_index(MemberGroup group) { return static_cast<std::size_t>(group); }

std::optional<std::size_t> group_from_key(std::string_view key) {
    for (std::size_t g = 0; g < kGroupCount; ++g) {
        if (kGroupKeys[g] == key) return g;
    }
    return std::nullopt;
}

std::string figure(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.3g", value);
    return buffer;
}

const std::array<std::string_view, kDurationCount>& duration_keys(DesignCode code) {
    return code == DesignCode::Nds2018Asd ? kNdsDurationKeys : kEnDurationKeys;
}

std::string group_list() { return "\"top chord\", \"bottom chord\" and \"webs\""; }

bool is_zero_factor(std::string_view text) {
    if (const auto small = engine::SmallDecimal::read(text)) return small->is_zero();
    const auto exact = engine::ExactDecimal::read(text);
    const auto* value = std::get_if<engine::ExactDecimal>(&exact);
    return value && value->is_zero();
}

}  // namespace

const Section& Design::section_of(Member member) const {
    const auto& override = overrides[engine::to_index(member)];
    return override ? *override : sections[group_index(engine::member_group(member))];
}

CheckValues check_values(const Design& design, const Section& section, CheckKind kind, double in_plane,
                         double out_of_plane, LoadDuration duration) {
    const Material& m = design.material;
    CheckValues v;
    v.kind = kind;
    v.duration = duration;
    v.area = section.area;
    const bool tension = kind == CheckKind::Tension;
    const bool in = kind == CheckKind::BucklingInPlane;
    v.length = in ? in_plane : out_of_plane;
    v.radius = in ? section.radius_in_plane : section.radius_out_of_plane;
    const double area = section.area;
    const auto d = static_cast<std::size_t>(duration);
    switch (design.code) {
        case DesignCode::En1995: {
            const bool glulam = m.kind == MaterialKind::GluedLaminatedTimber;
            // 2.4.1 Table 2.3: γ_M 1.3 solid timber, 1.25 glued laminated timber.
            v.gamma_m = glulam ? 1.25 : 1.3;
            v.factor = kModificationFactors[static_cast<std::size_t>(design.service_class - 1)][d];
            v.strength = tension ? m.tension : m.compression;
            v.design_strength = en1995::design_strength(v.strength, v.factor, v.gamma_m);
            if (tension) {
                v.size_factor = en1995::depth_factor(std::max(section.depth, section.width), glulam);
                v.resistance = v.size_factor * v.design_strength * area;
                break;
            }
            v.stiffness = m.e_stability;
            v.slenderness = v.length / v.radius;
            v.relative = en1995::relative_slenderness(v.slenderness, m.compression, m.e_stability);
            v.timber = en1995::buckling(v.relative, glulam);
            v.resistance = v.timber.k_c * v.design_strength * area;
            break;
        }
        case DesignCode::Nds2018Asd: {
            v.factor = kLoadDurationFactors[d];
            v.strength = tension ? m.tension : m.compression;
            v.size_factor = tension ? nds2018::size_factor_tension(section.nominal_depth)
                                    : nds2018::size_factor_compression(section.nominal_depth);
            v.design_strength = v.strength * v.factor * v.size_factor;
            if (tension) {
                v.resistance = v.design_strength * area;
                break;
            }
            v.radius = in ? section.depth : section.width;
            v.stiffness = m.e_stability;
            v.slenderness = v.length / v.radius;
            v.euler = nds2018::euler_stress(m.e_stability, v.slenderness);
            v.lumber = nds2018::column_stability(v.euler, v.design_strength);
            v.resistance = v.lumber.c_p * v.design_strength * area;
            break;
        }
        case DesignCode::En1993: {
            v.strength = m.compression;
            if (tension) {
                v.factor = design.gamma_m0;
                v.resistance = area * v.strength / v.factor;
                break;
            }
            v.factor = design.gamma_m1;
            v.slenderness = v.length / v.radius;
            v.steel_slenderness = en1993::slenderness(v.length, v.radius, v.strength);
            v.steel = en1993::reduction(v.steel_slenderness.lambda_bar, section.curve);
            v.resistance = v.steel.chi * area * v.strength / v.factor;
            break;
        }
        case DesignCode::Aisc360Lrfd:
        case DesignCode::Aisc360Asd: {
            const bool round = section.shape == SectionShape::CircularHollow;
            v.strength = (round ? m.compression_round : m.compression) * m.stress_to_code;
            v.stiffness = m.e_stability * m.stress_to_code;
            // D2 and E1: φ 0.90 or Ω 1.67 for tension yielding and for compression.
            v.factor = design.code == DesignCode::Aisc360Lrfd ? 0.90 : 1 / 1.67;
            if (tension) {
                v.resistance = v.factor * v.strength * area;
                break;
            }
            v.slenderness = v.length / v.radius;
            v.critical = aisc360::critical(v.strength, v.stiffness, v.slenderness);
            v.resistance = v.factor * v.critical.f_cr * area;
            break;
        }
    }
    return v;
}

std::optional<double> read_positive_number(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value) || value <= 0) {
        return std::nullopt;
    }
    return value;
}

std::optional<LoadDuration> duration_from_words(DesignCode code, std::string_view words) {
    const auto& keys = duration_keys(code);
    const auto found = std::find(keys.begin(), keys.end(), words);
    if (found == keys.end()) return std::nullopt;
    return static_cast<LoadDuration>(found - keys.begin());
}

std::vector<std::string> candidate_names(std::string_view list) {
    std::vector<std::string> names;
    while (!list.empty()) {
        const std::size_t end = list.find(';');
        std::string_view name = list.substr(0, end);
        while (!name.empty() && name.front() == ' ') name.remove_prefix(1);
        while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
        if (!name.empty()) names.emplace_back(name);
        list = end == std::string_view::npos ? std::string_view{} : list.substr(end + 1);
    }
    return names;
}

std::array<LoadDuration, kCaseKindCount> default_durations(DesignCode code) {
    using enum LoadDuration;
    // In CaseKind's order: dead, live, roof live, snow, wind, other.
    // NDS: snow two months (1.15), roof live seven days (1.25), as kNdsDurationKeys name them.
    if (code == DesignCode::Nds2018Asd) return {Permanent, LongTerm, ShortTerm, MediumTerm, Instantaneous, Permanent};
    return {Permanent, MediumTerm, ShortTerm, ShortTerm, ShortTerm, Permanent};
}

std::string_view duration_words(DesignCode code, LoadDuration duration) {
    return duration_keys(code)[static_cast<std::size_t>(duration)];
}

std::vector<std::string> default_candidates(DesignCode code) {
    std::vector<std::string> names;
    switch (code) {
        case DesignCode::En1995:
            // EN 336:2013 target sizes: thicknesses 47 and 75 mm, widths 75 to 300 mm.
            for (const int thickness : {47, 75}) {
                for (const int width : {75, 100, 125, 150, 175, 200, 225, 250, 275, 300}) {
                    names.push_back(std::to_string(thickness) + "x" + std::to_string(width));
                }
            }
            break;
        case DesignCode::Nds2018Asd: names = {"2x3", "2x4", "2x6", "2x8", "2x10", "2x12"}; break;
        case DesignCode::En1993:
            // EN 10219-2 square hollow sections, cold-formed.
            for (const char* size :
                 {"40x3",  "50x3",  "50x4",  "60x3",  "60x4",  "70x4",  "80x4",  "80x5",  "90x5",  "100x4",
                  "100x5", "100x6", "120x5", "120x6", "140x5", "140x6", "150x6", "160x6", "180x8", "200x8"}) {
                names.push_back(std::string("SHS ") + size + " cold-formed");
            }
            break;
        case DesignCode::Aisc360Lrfd:
        case DesignCode::Aisc360Asd:
            // Square HSS with design walls 0.93 of 1/8, 3/16, 1/4, 5/16, 3/8 and 1/2 in.
            for (const char* size :
                 {"2x0.116", "2x0.174", "2x0.233",   "2.5x0.116", "2.5x0.174", "2.5x0.233", "3x0.174",
                  "3x0.233", "3x0.291", "3.5x0.174", "3.5x0.233", "3.5x0.291", "4x0.233",   "4x0.291",
                  "4x0.349", "5x0.233", "5x0.291",   "5x0.349",   "6x0.291",   "6x0.349"}) {
                names.push_back(std::string("SHS ") + size + " cold-formed");
            }
            break;
    }
    return names;
}

std::variant<Design, DesignError> read_design(const load_case::Project& project) {
    if (!project.design) return DesignError{"the project has no \"design\""};
    const load_case::DesignSettings& settings = *project.design;
    Design design;
    if (!project.units) {
        return DesignError{"a design needs the project's units; add \"units\": {\"force\": \"kN\", \"length\": \"m\"}"};
    }
    const auto force = force_unit_from_key(project.units->force);
    const auto length = length_unit_from_key(project.units->length);
    if (!force)
        return DesignError{"force unit " + engine::quoted_text(project.units->force) + " is not N, kN, lbf or kip"};
    if (!length)
        return DesignError{"length unit " + engine::quoted_text(project.units->length) + " is not mm, m, in or ft"};
    design.units = {*force, *length};

    const auto code = design_code_from_key(settings.code);
    if (!code) {
        return DesignError{
            "design code " + engine::quoted_text(settings.code) +
            " is not one of EN 1995-1-1, NDS 2018 ASD, EN 1993-1-1, AISC 360-16 LRFD and AISC 360-16 ASD"};
    }
    design.code = *code;
    const DesignCodeRow& row = code_row(*code);
    const auto material = material_from_name(settings.material);
    if (!material || !code_accepts(*code, *material)) {
        std::string names;
        for (const Material& m : kMaterials) {
            if (!code_accepts(*code, m)) continue;
            names += (names.empty() ? "" : ", ") + std::string(m.name);
        }
        return DesignError{"material " + engine::quoted_text(settings.material) + " is not one " +
                           std::string(row.key) + " designs; choose " + names};
    }
    design.material = *material;
    if (*code == DesignCode::En1995) {
        const std::string& sc = settings.service_class;
        if (sc != "1" && sc != "2" && sc != "3") {
            return DesignError{"service class " + engine::quoted_text(sc) + " is not 1, 2 or 3 (EN 1995-1-1 2.3.1.3)"};
        }
        design.service_class = sc[0] - '0';
    }

    const auto read = [&](const std::string& text, std::string_view what) -> std::variant<Section, DesignError> {
        auto section = read_section(text, design.material, row.system);
        if (auto* error = std::get_if<std::string>(&section)) return DesignError{std::string(what) + ": " + *error};
        return std::get<Section>(std::move(section));
    };
    std::array<bool, kGroupCount> given{};
    for (const load_case::NamedText& entry : settings.sections) {
        const auto g = group_from_key(entry.name);
        if (!g)
            return DesignError{"\"sections\" has " + engine::quoted_text(entry.name) + "; its groups are " +
                               group_list()};
        auto section = read(entry.text, entry.name);
        if (auto* error = std::get_if<DesignError>(&section)) return std::move(*error);
        design.sections[*g] = std::get<Section>(std::move(section));
        given[*g] = true;
    }
    for (std::size_t g = 0; g < kGroupCount; ++g) {
        if (!given[g]) return DesignError{"\"sections\" gives no section for the " + std::string(kGroupKeys[g])};
    }
    for (const load_case::NamedText& entry : settings.members) {
        const auto member = engine::member_from_name(entry.name);
        if (!member) return DesignError{"\"members\" has " + engine::quoted_text(entry.name) + ", which is no member"};
        auto section = read(entry.text, entry.name);
        if (auto* error = std::get_if<DesignError>(&section)) return std::move(*error);
        design.overrides[engine::to_index(*member)] = std::get<Section>(std::move(section));
    }
    const auto read_group_numbers = [&](const std::vector<load_case::NamedText>& entries, std::string_view key,
                                        auto store) -> std::optional<DesignError> {
        for (const load_case::NamedText& entry : entries) {
            const auto g = group_from_key(entry.name);
            if (!g) {
                return DesignError{"\"" + std::string(key) + "\" has " + engine::quoted_text(entry.name) +
                                   "; its groups are " + group_list()};
            }
            const auto number = read_positive_number(entry.text);
            if (!number) {
                return DesignError{"\"" + std::string(key) + "\" of the " + entry.name + " is " +
                                   engine::quoted_text(entry.text) + ", not a positive number"};
            }
            store(*g, *number);
        }
        return std::nullopt;
    };
    if (auto error =
            read_group_numbers(settings.bracing, "bracing", [&](std::size_t g, double v) { design.bracing[g] = v; })) {
        return std::move(*error);
    }
    if (auto error = read_group_numbers(settings.buckling_factors, "buckling_factors",
                                        [&](std::size_t g, double v) { design.buckling_factors[g] = v; })) {
        return std::move(*error);
    }
    design.durations = default_durations(*code);
    for (const load_case::NamedText& entry : settings.load_duration) {
        const auto kind = load_case::case_kind_from_key(entry.name);
        if (!kind)
            return DesignError{"\"load_duration\" has " + engine::quoted_text(entry.name) +
                               ", which is no kind of case"};
        const auto duration = duration_from_words(*code, entry.text);
        if (!duration) {
            std::string names;
            for (const std::string_view key : duration_keys(*code))
                names += (names.empty() ? "" : ", ") + std::string(key);
            return DesignError{"load duration " + engine::quoted_text(entry.text) + " is not one of " + names};
        }
        design.durations[static_cast<std::size_t>(*kind)] = *duration;
    }
    for (const load_case::NamedText& entry : settings.partial_factors) {
        const auto number = read_positive_number(entry.text);
        double* target = entry.name == kPartialFactorKeys[0]   ? &design.gamma_m0
                         : entry.name == kPartialFactorKeys[1] ? &design.gamma_m1
                                                               : nullptr;
        if (!target || !number || *code != DesignCode::En1993) {
            return DesignError{"partial factor " + engine::quoted_text(entry.name) + " = " +
                               engine::quoted_text(entry.text) +
                               " is not understood; EN 1993-1-1 takes \"gamma_M0\" and \"gamma_M1\", positive numbers"};
        }
        *target = *number;
    }

    std::array<std::vector<std::string>, kGroupCount> names;
    names.fill(default_candidates(*code));
    for (const load_case::NamedText& entry : settings.candidates) {
        const auto g = group_from_key(entry.name);
        if (!g)
            return DesignError{"\"candidates\" has " + engine::quoted_text(entry.name) + "; its groups are " +
                               group_list()};
        names[*g] = candidate_names(entry.text);
        // An empty list would make every search fail for want of sections, not of strength.
        if (names[*g].empty())
            return DesignError{"\"candidates\" for the " + std::string(kGroupKeys[*g]) +
                               " names no section; separate the names by \";\", or leave the group out for the "
                               "code's list"};
    }
    for (std::size_t g = 0; g < kGroupCount; ++g) {
        for (const std::string& name : names[g]) {
            auto section = read(name, "a candidate of the " + std::string(kGroupKeys[g]));
            if (auto* error = std::get_if<DesignError>(&section)) return std::move(*error);
            design.candidates[g].push_back(std::get<Section>(std::move(section)));
        }
        std::stable_sort(design.candidates[g].begin(), design.candidates[g].end(),
                         [](const Section& a, const Section& b) { return a.area < b.area; });
    }
    return design;
}

std::variant<ForceExtremes, load_case::ProjectError> force_extremes(const load_case::Project& project,
                                                                    const Design& design) {
    auto analysed = load_case::analyse_combinations(project);
    if (auto* error = std::get_if<load_case::ProjectError>(&analysed)) return std::move(*error);
    const auto& outcomes = std::get<std::vector<engine::AnalysisOutcome>>(analysed);
    const UnitSystem system = code_row(design.code).system;
    const double force_factor = conversion_factor(design.units.force, base_force_unit(system));

    std::unordered_map<std::string_view, CaseKind> kinds;
    for (const load_case::LoadCase& load_case : project.cases) kinds.emplace(load_case.name, load_case.kind);
    ForceExtremes extremes;
    bool lengths_known = false;
    for (std::size_t c = 0; c < outcomes.size(); ++c) {
        const load_case::Combination& combination = project.combinations[c];
        extremes.combinations.push_back(combination.name);
        const auto* result = std::get_if<engine::AnalysisResult>(&outcomes[c]);
        if (!result) {
            extremes.failed_combinations.push_back(c);
            continue;
        }
        // The shortest action of the combination decides k_mod or C_D.
        LoadDuration duration = LoadDuration::Permanent;
        for (const load_case::Factor& factor : combination.factors) {
            if (is_zero_factor(factor.text)) continue;
            duration = std::max(duration, design.durations[static_cast<std::size_t>(kinds.at(factor.case_name))]);
        }
        const auto d = static_cast<std::size_t>(duration);
        for (const Member member : engine::kMembers) {
            const std::size_t m = engine::to_index(member);
            if (!lengths_known) extremes.lengths[m] = result->length(member).to_double();
            const double force = result->force(member).to_double() * force_factor;
            auto& extreme = force > 0 ? extremes.tension[m][d] : extremes.compression[m][d];
            if (std::abs(force) > extreme.force) extreme = {std::abs(force), c};
        }
        lengths_known = true;
    }
    return extremes;
}

MemberDesign design_member(const ForceExtremes& forces, const Design& design, Member member, const Section& section) {
    const std::size_t m = engine::to_index(member);
    const MemberGroup group = engine::member_group(member);
    const std::size_t g = group_index(group);
    const UnitSystem system = code_row(design.code).system;
    const double length_factor = conversion_factor(design.units.length, base_length_unit(system));
    const double force_factor = conversion_factor(design.units.force, base_force_unit(system));

    MemberDesign result;
    result.member = member;
    result.group = group;
    result.section = section.name;
    result.length = forces.lengths[m];
    result.buckling_in_plane = design.buckling_factors[g] * result.length;
    result.buckling_out_of_plane =
        group == MemberGroup::Web ? result.length : design.bracing[g].value_or(result.length);
    const double in_plane = result.buckling_in_plane * length_factor;
    const double out_of_plane = result.buckling_out_of_plane * length_factor;
    result.slenderness_in_plane = in_plane / section.radius_in_plane;
    result.slenderness_out_of_plane = out_of_plane / section.radius_out_of_plane;

    if (auto slender = slender_walls(design.code, section, design.material)) {
        result.checked = false;
        result.passes = false;
        result.warnings.push_back(std::move(*slender) + "; not checked");
        return result;
    }
    bool compressed = false, stretched = false;
    double worst_force = 0;
    for (std::size_t d = 0; d < kDurationCount; ++d) {
        const auto& tension = forces.tension[m][d];
        const auto& compression = forces.compression[m][d];
        if (tension.force == 0 && compression.force == 0) continue;
        const auto consider = [&](double force, CheckKind check, std::size_t combination, double sign) {
            CheckValues v = check_values(design, section, check, in_plane, out_of_plane, static_cast<LoadDuration>(d));
            v.force = force;
            v.combination = combination;
            v.ratio = force / v.resistance;
            auto& worst = result.checks[static_cast<std::size_t>(check)];
            if (!worst || v.ratio > worst->ratio) worst = v;
            if (result.governing && v.ratio <= result.utilisation) return;
            result.utilisation = v.ratio;
            result.governing = combination;
            result.check = check;
            worst_force = sign * force;
            result.resistance = v.resistance / force_factor;
        };
        if (tension.force > 0) {
            stretched = true;
            consider(tension.force, CheckKind::Tension, tension.combination, 1);
        }
        if (compression.force > 0) {
            compressed = true;
            consider(compression.force, CheckKind::BucklingInPlane, compression.combination, -1);
            consider(compression.force, CheckKind::BucklingOutOfPlane, compression.combination, -1);
        }
    }
    result.design_force = worst_force / force_factor;
    result.passes = result.utilisation <= 1;

    const double slenderness = std::max(result.slenderness_in_plane, result.slenderness_out_of_plane);
    if (design.code == DesignCode::Nds2018Asd && compressed) {
        const double le_d = std::max(in_plane / section.depth, out_of_plane / section.width);
        if (le_d > 50) result.warnings.push_back("l_e/d = " + figure(le_d) + " > 50 (NDS 2018 3.7.1.4)");
    }
    if (design.code == DesignCode::Aisc360Lrfd || design.code == DesignCode::Aisc360Asd) {
        if (compressed && slenderness > 200) {
            result.warnings.push_back("L_c/r = " + figure(slenderness) + " > 200 (AISC 360-16 E2, user note)");
        } else if (stretched && slenderness > 300) {
            result.warnings.push_back("L/r = " + figure(slenderness) + " > 300 (AISC 360-16 D1, user note)");
        }
    }
    return result;
}

DesignResult design_members(const ForceExtremes& forces, const Design& design) {
    DesignResult result;
    result.combinations = forces.combinations;
    result.failed_combinations = forces.failed_combinations;
    result.complete = forces.failed_combinations.empty();
    result.passes = result.complete;
    for (const Member member : engine::kMembers) {
        MemberDesign& entry = result.members[engine::to_index(member)];
        entry = design_member(forces, design, member, design.section_of(member));
        result.passes = result.passes && entry.passes;
        result.complete = result.complete && entry.checked;
    }
    return result;
}

std::array<GroupChoice, kGroupCount> lightest_sections(const ForceExtremes& forces, const Design& design) {
    std::array<GroupChoice, kGroupCount> choices{};
    for (std::size_t g = 0; g < kGroupCount; ++g) {
        GroupChoice least_failing{std::nullopt, INFINITY, {}};
        for (std::size_t c = 0; c < design.candidates[g].size() && !choices[g].candidate; ++c) {
            GroupChoice worst{c, 0, {}};
            bool passes = true;
            for (const Member member : engine::kMembers) {
                if (group_index(engine::member_group(member)) != g || design.overrides[engine::to_index(member)])
                    continue;
                const MemberDesign checked = design_member(forces, design, member, design.candidates[g][c]);
                if (!checked.checked) {
                    passes = false;
                    worst = {c, INFINITY, member};
                    break;
                }
                if (checked.utilisation > worst.utilisation || worst.utilisation == 0) {
                    worst = {c, std::max(worst.utilisation, checked.utilisation), member};
                }
                passes = passes && checked.passes;
            }
            if (passes) {
                choices[g] = worst;
            } else if (worst.utilisation < least_failing.utilisation) {
                least_failing = worst;
            }
        }
        if (!choices[g].candidate) choices[g] = {std::nullopt, least_failing.utilisation, least_failing.governing};
    }
    return choices;
}

}  // namespace korvel::design
