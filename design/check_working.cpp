#include "design/check_working.hpp"

#include <array>
#include <cmath>
#include <cstdio>

#include "design/deflection_table.hpp"
#include "design/design_table.hpp"
#include "load_case/combination.hpp"

namespace korvel::design {
namespace {

struct Units {
    std::string force, stress, area, length;
};

Units code_units(DesignCode code) {
    if (code_row(code).system == UnitSystem::Metric) return {"N", "MPa", "mm²", "mm"};
    return {"lbf", "psi", "in²", "in"};
}

std::string n(double value) { return student_number(value); }

std::string with(double value, const std::string& unit) { return n(value) + (unit.empty() ? "" : " " + unit); }

// The clause of each check by code, in CheckKind's order.
std::string clause(DesignCode code, CheckKind kind) {
    const bool tension = kind == CheckKind::Tension;
    switch (code) {
        case DesignCode::En1995: return tension ? "EN 1995-1-1 6.1.2" : "EN 1995-1-1 6.3.2";
        case DesignCode::Nds2018Asd: return tension ? "NDS 2018 3.8.1" : "NDS 2018 3.6.3, 3.7.1";
        case DesignCode::En1993: return tension ? "EN 1993-1-1 6.2.3" : "EN 1993-1-1 6.3.1";
        case DesignCode::Aisc360Lrfd:
        case DesignCode::Aisc360Asd: return tension ? "AISC 360-16 D2(a)" : "AISC 360-16 E3";
    }
    return {};
}

std::string capitalised(std::string_view words) {
    std::string text(words);
    if (!text.empty()) text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text;
}

void en1995_lines(const CheckValues& v, std::vector<WorkingLine>& out, const Units& u, std::string_view duration,
                  int service_class) {
    const bool tension = v.kind == CheckKind::Tension;
    const std::string f = tension ? "f_t,0" : "f_c,0";
    const std::string force = tension ? "N_t,Ed" : "N_c,Ed";
    out.push_back({force, "", with(v.force, u.force), ""});
    out.push_back({"k_mod", "", n(v.factor),
                   "Table 3.1, service class " + std::to_string(service_class) + ", " + std::string(duration)});
    out.push_back({"γ_M", "", n(v.gamma_m), "Table 2.3"});
    out.push_back({f + ",d = k_mod·" + f + ",k/γ_M", n(v.factor) + "·" + n(v.strength) + "/" + n(v.gamma_m),
                   with(v.design_strength, u.stress), "(2.14)"});
    if (tension) {
        out.push_back({"k_h", "", n(v.size_factor), "3.2(3), 3.3(3)"});
        out.push_back({"N_t,Rd = k_h·f_t,0,d·A", n(v.size_factor) + "·" + n(v.design_strength) + "·" + n(v.area),
                       with(v.resistance, u.force), ""});
        out.push_back({"η = N_t,Ed/N_t,Rd", n(v.force) + "/" + n(v.resistance), design_number(v.ratio, 3), ""});
        return;
    }
    out.push_back({"λ = L/i", n(v.length) + "/" + n(v.radius), n(v.slenderness), ""});
    out.push_back({"λ_rel = (λ/π)·√(f_c,0,k/E_0,05)",
                   "(" + n(v.slenderness) + "/π)·√(" + n(v.strength) + "/" + n(v.stiffness) + ")", n(v.relative),
                   "(6.21)"});
    if (v.relative <= 0.3) {
        out.push_back({"k_c", "", "1", "λ_rel ≤ 0.3, 6.3.2(2)"});
    } else {
        out.push_back({"k = 0.5·(1 + β_c·(λ_rel − 0.3) + λ_rel²)",
                       "0.5·(1 + " + n(v.timber.beta_c) + "·(" + n(v.relative) + " − 0.3) + " + n(v.relative) + "²)",
                       n(v.timber.k), "(6.27), β_c (6.29)"});
        out.push_back({"k_c = 1/(k + √(k² − λ_rel²))",
                       "1/(" + n(v.timber.k) + " + √(" + n(v.timber.k) + "² − " + n(v.relative) + "²))",
                       n(v.timber.k_c), "(6.25)"});
    }
    out.push_back({"σ_c,0,d = N_c,Ed/A", n(v.force) + "/" + n(v.area), with(v.force / v.area, u.stress), ""});
    out.push_back({"k_c·f_c,0,d", n(v.timber.k_c) + "·" + n(v.design_strength),
                   with(v.timber.k_c * v.design_strength, u.stress), ""});
    out.push_back({"N_c,Rd = k_c·f_c,0,d·A", n(v.timber.k_c) + "·" + n(v.design_strength) + "·" + n(v.area),
                   with(v.resistance, u.force), ""});
    out.push_back({"η = σ_c,0,d/(k_c·f_c,0,d)", n(v.force / v.area) + "/" + n(v.timber.k_c * v.design_strength),
                   design_number(v.ratio, 3), "(6.23)"});
}

void nds_lines(const CheckValues& v, std::vector<WorkingLine>& out, const Units& u, std::string_view duration) {
    const bool tension = v.kind == CheckKind::Tension;
    const std::string force = tension ? "T" : "P";
    out.push_back({force, "", with(v.force, u.force), ""});
    out.push_back({"C_D", "", n(v.factor), "Table 2.3.2, " + std::string(duration)});
    out.push_back({"C_F", "", n(v.size_factor), "Supplement Table 4A"});
    if (tension) {
        out.push_back({"F_t' = F_t·C_D·C_F", n(v.strength) + "·" + n(v.factor) + "·" + n(v.size_factor),
                       with(v.design_strength, u.stress), "Table 4.3.1"});
        out.push_back({"T' = F_t'·A", n(v.design_strength) + "·" + n(v.area), with(v.resistance, u.force), ""});
        out.push_back({"T/T'", n(v.force) + "/" + n(v.resistance), design_number(v.ratio, 3), ""});
        return;
    }
    out.push_back({"F_c* = F_c·C_D·C_F", n(v.strength) + "·" + n(v.factor) + "·" + n(v.size_factor),
                   with(v.design_strength, u.stress), "3.7.1"});
    out.push_back({"l_e/d", n(v.length) + "/" + n(v.radius), n(v.slenderness), "3.7.1.3"});
    out.push_back({"F_cE = 0.822·E_min'/(l_e/d)²", "0.822·" + n(v.stiffness) + "/" + n(v.slenderness) + "²",
                   with(v.euler, u.stress), "3.7.1"});
    out.push_back({"α = F_cE/F_c*", n(v.euler) + "/" + n(v.design_strength), n(v.lumber.alpha), ""});
    const std::string half = "(1 + " + n(v.lumber.alpha) + ")/(2·" + n(v.lumber.c) + ")";
    out.push_back({"C_P = (1 + α)/(2c) − √(((1 + α)/(2c))² − α/c)",
                   half + " − √((" + half + ")² − " + n(v.lumber.alpha) + "/" + n(v.lumber.c) + ")", n(v.lumber.c_p),
                   "(3.7-1), c = 0.8 sawn lumber"});
    out.push_back({"P' = C_P·F_c*·A", n(v.lumber.c_p) + "·" + n(v.design_strength) + "·" + n(v.area),
                   with(v.resistance, u.force), ""});
    out.push_back({"P/P'", n(v.force) + "/" + n(v.resistance), design_number(v.ratio, 3), ""});
}

constexpr std::array<std::string_view, 5> kCurveNames{"a0", "a", "b", "c", "d"};

void en1993_lines(const CheckValues& v, std::vector<WorkingLine>& out, const Units& u, BucklingCurve curve) {
    out.push_back({"N_Ed", "", with(v.force, u.force), ""});
    if (v.kind == CheckKind::Tension) {
        out.push_back({"N_pl,Rd = A·f_y/γ_M0", n(v.area) + "·" + n(v.strength) + "/" + n(v.factor),
                       with(v.resistance, u.force), "(6.6)"});
        out.push_back({"η = N_Ed/N_t,Rd", n(v.force) + "/" + n(v.resistance), design_number(v.ratio, 3), "(6.5)"});
        return;
    }
    const auto& s = v.steel_slenderness;
    out.push_back({"ε = √(235/f_y)", "√(235/" + n(v.strength) + ")", n(s.epsilon), "Table 5.2"});
    out.push_back({"λ_1 = 93.9·ε", "93.9·" + n(s.epsilon), n(s.lambda_1), "6.3.1.3"});
    out.push_back(
        {"λ̄ = L_cr/(i·λ_1)", n(v.length) + "/(" + n(v.radius) + "·" + n(s.lambda_1) + ")", n(s.lambda_bar), "(6.50)"});
    out.push_back(
        {"α", "", n(v.steel.alpha), "Table 6.1, curve " + std::string(kCurveNames[static_cast<std::size_t>(curve)])});
    out.push_back({"Φ = 0.5·(1 + α·(λ̄ − 0.2) + λ̄²)",
                   "0.5·(1 + " + n(v.steel.alpha) + "·(" + n(s.lambda_bar) + " − 0.2) + " + n(s.lambda_bar) + "²)",
                   n(v.steel.phi), "6.3.1.2"});
    out.push_back({"χ = min(1, 1/(Φ + √(Φ² − λ̄²)))",
                   "min(1, 1/(" + n(v.steel.phi) + " + √(" + n(v.steel.phi) + "² − " + n(s.lambda_bar) + "²)))",
                   n(v.steel.chi), "(6.49)"});
    out.push_back({"N_b,Rd = χ·A·f_y/γ_M1", n(v.steel.chi) + "·" + n(v.area) + "·" + n(v.strength) + "/" + n(v.factor),
                   with(v.resistance, u.force), "(6.47)"});
    out.push_back({"η = N_Ed/N_b,Rd", n(v.force) + "/" + n(v.resistance), design_number(v.ratio, 3), "(6.46)"});
}

void aisc_lines(const CheckValues& v, std::vector<WorkingLine>& out, const Units& u, bool lrfd) {
    const std::string required = lrfd ? "P_u" : "P_a";
    out.push_back({required, "", with(v.force, u.force), ""});
    if (v.kind == CheckKind::Tension) {
        const std::string formula = lrfd ? "φ_t·P_n = 0.90·F_y·A_g" : "P_n/Ω_t = F_y·A_g/1.67";
        const std::string numbers =
            lrfd ? "0.90·" + n(v.strength) + "·" + n(v.area) : n(v.strength) + "·" + n(v.area) + "/1.67";
        out.push_back({formula, numbers, with(v.resistance, u.force), "(D2-1), φ_t 0.90, Ω_t 1.67"});
    } else {
        const auto& c = v.critical;
        out.push_back({"L_c/r", n(v.length) + "/" + n(v.radius), n(v.slenderness), "E2"});
        out.push_back({"F_e = π²·E/(L_c/r)²", "π²·" + n(v.stiffness) + "/" + n(v.slenderness) + "²",
                       with(c.f_e, u.stress), "(E3-4)"});
        out.push_back({"4.71·√(E/F_y)", "4.71·√(" + n(v.stiffness) + "/" + n(v.strength) + ")", n(c.limit), "E3"});
        if (v.slenderness <= c.limit) {
            out.push_back({"F_cr = 0.658^(F_y/F_e)·F_y",
                           "0.658^(" + n(v.strength) + "/" + n(c.f_e) + ")·" + n(v.strength), with(c.f_cr, u.stress),
                           "(E3-2), L_c/r ≤ 4.71√(E/F_y)"});
        } else {
            out.push_back(
                {"F_cr = 0.877·F_e", "0.877·" + n(c.f_e), with(c.f_cr, u.stress), "(E3-3), L_c/r > 4.71√(E/F_y)"});
        }
        const std::string formula = lrfd ? "φ_c·P_n = 0.90·F_cr·A_g" : "P_n/Ω_c = F_cr·A_g/1.67";
        const std::string numbers =
            lrfd ? "0.90·" + n(c.f_cr) + "·" + n(v.area) : n(c.f_cr) + "·" + n(v.area) + "/1.67";
        out.push_back({formula, numbers, with(v.resistance, u.force), "(E3-1), φ_c 0.90, Ω_c 1.67"});
    }
    out.push_back({lrfd ? required + "/(φ·P_n)" : required + "/(P_n/Ω)", n(v.force) + "/" + n(v.resistance),
                   design_number(v.ratio, 3), ""});
}

}  // namespace

std::string WorkingLine::text() const {
    std::string line = formula;
    if (!numbers.empty()) line += " = " + numbers;
    if (!result.empty()) line += " = " + result;
    if (!note.empty()) line += note.front() == '(' ? "   " + note : "   (" + note + ")";
    return line;
}

std::string student_number(double value) {
    if (value == 0 || !std::isfinite(value)) return value == 0 ? "0" : std::to_string(value);
    const double magnitude = std::abs(value);
    const int decimals =
        magnitude >= 1e4 ? 0 : std::min(6, std::max(0, 3 - static_cast<int>(std::floor(std::log10(magnitude)))));
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text = buffer;
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0') text.pop_back();
        if (text.back() == '.') text.pop_back();
    }
    return text;
}

CheckWorking check_working(const ProjectDesign& answer, engine::Member member) {
    const Design& design = answer.design;
    const MemberDesign& m = answer.result.members[engine::to_index(member)];
    const Units units = code_units(design.code);
    CheckWorking working;
    working.utilisation = design_number(m.utilisation, 3);
    const std::string name =
        std::string(engine::member_name(member)) + ", " + section_title(design, design.section_of(member));
    if (!m.checked) {
        working.title = name + ": not checked";
        CheckWorkingStep step{"Not checked", {}, true, std::nullopt};
        for (const std::string& warning : m.warnings) step.lines.push_back({warning, "", "", ""});
        working.steps.push_back(std::move(step));
        return working;
    }
    if (!m.governing) {
        working.title = name + ": no force under any combination";
        return working;
    }
    working.title = name + ": utilisation " + working.utilisation + ", " + std::string(check_words(m.check)) +
                    " governs (" + std::string(code_row(design.code).edition) + ")";
    std::vector<CheckKind> order{m.check};
    for (std::size_t k = 0; k < kCheckWords.size(); ++k) {
        if (static_cast<CheckKind>(k) != m.check) order.push_back(static_cast<CheckKind>(k));
    }
    for (const CheckKind kind : order) {
        CheckWorkingStep step;
        step.governing = kind == m.check;
        step.title = capitalised(check_words(kind)) + " (" + clause(design.code, kind) + ")" +
                     (step.governing ? ", governing" : "");
        const auto& values = m.checks[static_cast<std::size_t>(kind)];
        if (!values) {
            step.lines.push_back({kind == CheckKind::Tension ? "no tension under any combination"
                                                             : "no compression under any combination",
                                  "", "", ""});
            working.steps.push_back(std::move(step));
            continue;
        }
        const CheckValues& v = *values;
        step.lines.push_back({"combination", "", answer.result.combinations[v.combination], ""});
        const std::string_view duration = duration_words(design.code, v.duration);
        switch (design.code) {
            case DesignCode::En1995: en1995_lines(v, step.lines, units, duration, design.service_class); break;
            case DesignCode::Nds2018Asd: nds_lines(v, step.lines, units, duration); break;
            case DesignCode::En1993: en1993_lines(v, step.lines, units, design.section_of(member).curve); break;
            case DesignCode::Aisc360Lrfd: aisc_lines(v, step.lines, units, true); break;
            case DesignCode::Aisc360Asd: aisc_lines(v, step.lines, units, false); break;
        }
        working.steps.push_back(std::move(step));
    }
    return working;
}

std::string check_working_text(const CheckWorking& working) {
    std::string out = working.title + "\n";
    for (const CheckWorkingStep& step : working.steps) {
        out += "\n" + step.title + "\n";
        for (const WorkingLine& line : step.lines) out += "  " + line.text() + "\n";
    }
    return out;
}

std::vector<CombinationVirtualWork> virtual_work_tables(const load_case::Project& project, const ProjectDesign& answer,
                                                        std::optional<std::size_t> point) {
    std::vector<CombinationVirtualWork> tables;
    if (!answer.deflection) return tables;
    const auto virtual_forces = std::get<engine::VirtualForces>(engine::virtual_forces(project.span, project.pitch));
    const engine::TrussStiffness stiffness = member_stiffness(answer.design);
    const engine::TableUnits units{unit_key(answer.design.units.force), unit_key(answer.design.units.length)};
    for (const CombinationDeflection& entry : answer.deflection->combinations) {
        const std::size_t index = *load_case::combination_index(project, entry.name);
        // The design was made of this project: its combinations analyse.
        const auto analysed = load_case::analyse_combination(project, index);
        const auto& loads = std::get<engine::AnalysisResult>(std::get<engine::AnalysisOutcome>(analysed));
        const engine::VirtualWork work =
            engine::virtual_work(virtual_forces, loads, stiffness, point.value_or(entry.largest.point));
        tables.push_back({entry.name, engine::virtual_work_table(work, units)});
    }
    return tables;
}

std::optional<std::size_t> deflection_point_named(std::string_view name) {
    const bool spread = name == "L6.H";
    const std::optional<engine::Node> node = engine::node_from_name(spread ? "L6" : name);
    if (!node) return std::nullopt;
    return engine::deflection_point_index(*node, spread ? engine::Component::Horizontal : engine::Component::Vertical);
}

CheckWorking virtual_work_working(const std::vector<CombinationVirtualWork>& tables) {
    CheckWorking working;
    for (const CombinationVirtualWork& entry : tables) {
        if (working.title.empty()) working.title = entry.table.title;
        CheckWorkingStep& step = working.steps.emplace_back();
        step.title = entry.combination + ": " + entry.table.title;
        WorkingTable& table = step.table.emplace();
        table.headings.assign(entry.table.headings.begin(), entry.table.headings.end());
        for (const auto& row : entry.table.rows) table.rows.emplace_back(row.begin(), row.end());
        step.lines.push_back({entry.table.sum, "", "", ""});
        step.lines.push_back({std::string(kJointSlipNote), "", "", ""});
    }
    return working;
}

}  // namespace korvel::design
