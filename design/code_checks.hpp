#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "design/material.hpp"
#include "design/section.hpp"
#include "design/units.hpp"

namespace korvel::design {

enum class DesignCode { En1995, Nds2018Asd, En1993, Aisc360Lrfd, Aisc360Asd };

struct DesignCodeRow {
    DesignCode code;
    std::string_view key;      // as the project file names it
    std::string_view edition;  // what the design sheet cites
    UnitSystem system;
    bool timber;  // whether it designs timber (else steel)
};
inline constexpr std::array<DesignCodeRow, 5> kDesignCodes{{
    {DesignCode::En1995, "EN 1995-1-1", "EN 1995-1-1:2004+A2:2014", UnitSystem::Metric, true},
    {DesignCode::Nds2018Asd, "NDS 2018 ASD", "ANSI/AWC NDS-2018, allowable stress design", UnitSystem::UsCustomary,
     true},
    {DesignCode::En1993, "EN 1993-1-1", "EN 1993-1-1:2005+A1:2014", UnitSystem::Metric, false},
    {DesignCode::Aisc360Lrfd, "AISC 360-16 LRFD", "ANSI/AISC 360-16, LRFD", UnitSystem::UsCustomary, false},
    {DesignCode::Aisc360Asd, "AISC 360-16 ASD", "ANSI/AISC 360-16, ASD", UnitSystem::UsCustomary, false},
}};
const DesignCodeRow& code_row(DesignCode code);
std::optional<DesignCode> design_code_from_key(std::string_view key);
// Whether a code designs in a material: EN 1995-1-1 the EN 338 and EN 14080
// classes, NDS the lumber of its Table 4A, EN 1993-1-1 the EN 10025 steels, AISC A500.
bool code_accepts(DesignCode code, const Material& material);

// The load-duration classes of EN 1995-1-1 2.3.1.2, and NDS 2018 Table 2.3.2's
// durations, each from the longest to the shortest: a combination takes the
// class of its shortest action.
enum class LoadDuration { Permanent, LongTerm, MediumTerm, ShortTerm, Instantaneous };
inline constexpr std::size_t kDurationCount = 5;
inline constexpr std::array<std::string_view, kDurationCount> kEnDurationKeys{"permanent", "long-term", "medium-term",
                                                                              "short-term", "instantaneous"};
// NDS: permanent 0.9, ten years 1.0, two months 1.15, seven days 1.25, ten minutes 1.6.
inline constexpr std::array<std::string_view, kDurationCount> kNdsDurationKeys{"permanent", "ten years", "two months",
                                                                               "seven days", "ten minutes"};
inline constexpr std::array<double, kDurationCount> kLoadDurationFactors{0.9, 1.0, 1.15, 1.25, 1.6};

// EN 1995-1-1 Table 3.1, solid timber (EN 14081-1) and glued laminated timber
// (EN 14080), which share their values: k_mod by service class 1, 2, 3 and load duration.
inline constexpr std::array<std::array<double, kDurationCount>, 3> kModificationFactors{{
    {0.60, 0.70, 0.80, 0.90, 1.10},
    {0.60, 0.70, 0.80, 0.90, 1.10},
    {0.50, 0.55, 0.65, 0.70, 0.90},
}};

// What a member is checked for.
enum class CheckKind { Tension, BucklingInPlane, BucklingOutOfPlane };
inline constexpr std::array<std::string_view, 3> kCheckWords{"tension", "buckling in plane", "buckling out of plane"};
constexpr std::string_view check_words(CheckKind kind) { return kCheckWords[static_cast<std::size_t>(kind)]; }

// The formulas, each as its clause states it. Stresses in the code's unit
// (MPa or psi), lengths in mm or in.
namespace en1995 {
// 2.4.1 (2.14): f_d = k_mod·f_k/γ_M.
double design_strength(double characteristic, double k_mod, double gamma_m);
// 3.2(3), 3.3(3): k_h = min((150/h)^0.2, 1.3) solid, min((600/h)^0.1, 1.1) glulam, 1 beyond.
double depth_factor(double h, bool glulam);
// 6.3.2 (6.21)-(6.29): λ_rel = (λ/π)√(f_c,0,k/E_0,05); k_c = 1/(k + √(k² − λ_rel²)), 1 where λ_rel ≤ 0.3.
double relative_slenderness(double slenderness, double f_c0k, double e_005);
// (6.27)-(6.29) with the values a hand check writes down: β_c 0.2 solid, 0.1 glulam.
struct Buckling {
    double beta_c, k, k_c;
};
Buckling buckling(double relative_slenderness, bool glulam);
double buckling_factor(double relative_slenderness, bool glulam);
}  // namespace en1995

namespace nds2018 {
// 3.7.1: F_cE = 0.822·E_min′/(l_e/d)²; C_P with c = 0.8 for sawn lumber.
double euler_stress(double e_min, double slenderness);
double column_stability_factor(double euler_stress, double f_c_star);
// (3.7-1) with its steps: α = F_cE/F_c*, c.
struct ColumnStability {
    double alpha, c, c_p;
};
ColumnStability column_stability(double euler_stress, double f_c_star);
// Supplement Table 4A, size factors of 2" and 3" thick No. 2 lumber by nominal depth (2x3 ... 2x12).
double size_factor_tension(int nominal_depth);
double size_factor_compression(int nominal_depth);
}  // namespace nds2018

namespace en1993 {
// 6.3.1.2 Table 6.1: the imperfection factor of a buckling curve.
double imperfection_factor(BucklingCurve curve);
// 6.3.1.3 (6.50): λ̄ = L_cr/(i·λ_1), λ_1 = 93.9ε, ε = √(235/f_y).
double relative_slenderness(double buckling_length, double radius, double f_y);
struct Slenderness {
    double epsilon, lambda_1, lambda_bar;
};
Slenderness slenderness(double buckling_length, double radius, double f_y);
// 6.3.1.2 (6.49): χ = min(1, 1/(Φ + √(Φ² − λ̄²))), Φ = 0.5(1 + α(λ̄ − 0.2) + λ̄²).
double reduction_factor(double relative_slenderness, BucklingCurve curve);
struct Reduction {
    double alpha, phi, chi;
};
Reduction reduction(double relative_slenderness, BucklingCurve curve);
}  // namespace en1993

namespace aisc360 {
// E3: F_e = π²E/(L_c/r)²; F_cr = 0.658^(F_y/F_e)·F_y where L_c/r ≤ 4.71√(E/F_y), else 0.877·F_e.
double critical_stress(double f_y, double e, double slenderness);
// With its steps: F_e and the limit 4.71√(E/F_y) that chooses (E3-2) or (E3-3).
struct Critical {
    double f_e, limit, f_cr;
};
Critical critical(double f_y, double e, double slenderness);
}  // namespace aisc360

// Why a section's walls are too slender to be checked here, or nothing: EN
// 1993-1-1 Table 5.2 (class 4: d/t > 90ε² round, c/t > 42ε rectangular, with
// c = h − 3t as the steel tables take it), AISC 360-16 Table B4.1a (slender:
// D/t > 0.11E/F_y round, b/t > 1.40√(E/F_y) with b = B − 3t per B4.1b(d)).
std::optional<std::string> slender_walls(DesignCode code, const Section& section, const Material& material);

}  // namespace korvel::design
