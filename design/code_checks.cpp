#include "design/code_checks.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace korvel::design {
namespace {

std::string figure(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.3g", value);
    return buffer;
}

}  // namespace

const DesignCodeRow& code_row(DesignCode code) { return kDesignCodes[static_cast<std::size_t>(code)]; }

std::optional<DesignCode> design_code_from_key(std::string_view key) {
    const auto row =
        std::find_if(kDesignCodes.begin(), kDesignCodes.end(), [&](const DesignCodeRow& r) { return r.key == key; });
    if (row == kDesignCodes.end()) return std::nullopt;
    return row->code;
}

bool code_accepts(DesignCode code, const Material& material) {
    switch (code) {
        case DesignCode::En1995:
            return material.kind == MaterialKind::SolidTimber || material.kind == MaterialKind::GluedLaminatedTimber;
        case DesignCode::Nds2018Asd: return material.kind == MaterialKind::SawnLumber;
        case DesignCode::En1993: return material.kind == MaterialKind::Steel && material.stress_unit == "MPa";
        case DesignCode::Aisc360Lrfd:
        case DesignCode::Aisc360Asd: return material.kind == MaterialKind::Steel && material.stress_unit == "ksi";
    }
    return false;
}

namespace en1995 {
double design_strength(double characteristic, double k_mod, double gamma_m) { return k_mod * characteristic / gamma_m; }
double depth_factor(double h, bool glulam) {
    const double reference = glulam ? 600 : 150;
    if (h >= reference) return 1;
    return glulam ? std::min(std::pow(reference / h, 0.1), 1.1) : std::min(std::pow(reference / h, 0.2), 1.3);
}
double relative_slenderness(double slenderness, double f_c0k, double e_005) {
    return slenderness / std::numbers::pi * std::sqrt(f_c0k / e_005);
}
Buckling buckling(double relative_slenderness, bool glulam) {
    const double beta_c = glulam ? 0.1 : 0.2;
    const double lambda = relative_slenderness;
    const double k = 0.5 * (1 + beta_c * (lambda - 0.3) + lambda * lambda);
    if (relative_slenderness <= 0.3) return {beta_c, k, 1};
    return {beta_c, k, 1 / (k + std::sqrt(k * k - lambda * lambda))};
}
double buckling_factor(double relative_slenderness, bool glulam) { return buckling(relative_slenderness, glulam).k_c; }
}  // namespace en1995

namespace nds2018 {
double euler_stress(double e_min, double slenderness) { return 0.822 * e_min / (slenderness * slenderness); }
ColumnStability column_stability(double euler_stress, double f_c_star) {
    constexpr double c = 0.8;
    const double alpha = euler_stress / f_c_star;
    const double half = (1 + alpha) / (2 * c);
    return {alpha, c, half - std::sqrt(half * half - alpha / c)};
}
double column_stability_factor(double euler_stress, double f_c_star) {
    return column_stability(euler_stress, f_c_star).c_p;
}
namespace {
struct SizeFactorRow {
    int nominal_depth;
    double tension, compression;
};
constexpr std::array<SizeFactorRow, 6> kSizeFactors{{
    {3, 1.5, 1.15},
    {4, 1.5, 1.15},
    {6, 1.3, 1.1},
    {8, 1.2, 1.05},
    {10, 1.1, 1.0},
    {12, 1.0, 1.0},
}};
const SizeFactorRow& size_row(int nominal_depth) {
    return *std::find_if(kSizeFactors.begin(), kSizeFactors.end(),
                         [&](const SizeFactorRow& row) { return row.nominal_depth == nominal_depth; });
}
}  // namespace
double size_factor_tension(int nominal_depth) { return size_row(nominal_depth).tension; }
double size_factor_compression(int nominal_depth) { return size_row(nominal_depth).compression; }
}  // namespace nds2018

namespace en1993 {
double imperfection_factor(BucklingCurve curve) {
    static constexpr std::array<double, 5> kAlpha{0.13, 0.21, 0.34, 0.49, 0.76};
    return kAlpha[static_cast<std::size_t>(curve)];
}
Slenderness slenderness(double buckling_length, double radius, double f_y) {
    const double epsilon = std::sqrt(235 / f_y);
    return {epsilon, 93.9 * epsilon, buckling_length / (radius * 93.9 * epsilon)};
}
double relative_slenderness(double buckling_length, double radius, double f_y) {
    return slenderness(buckling_length, radius, f_y).lambda_bar;
}
Reduction reduction(double relative_slenderness, BucklingCurve curve) {
    const double lambda = relative_slenderness;
    const double alpha = imperfection_factor(curve);
    const double phi = 0.5 * (1 + alpha * (lambda - 0.2) + lambda * lambda);
    return {alpha, phi, std::min(1.0, 1 / (phi + std::sqrt(phi * phi - lambda * lambda)))};
}
double reduction_factor(double relative_slenderness, BucklingCurve curve) {
    return reduction(relative_slenderness, curve).chi;
}
}  // namespace en1993

namespace aisc360 {
Critical critical(double f_y, double e, double slenderness) {
    const double f_e = std::numbers::pi * std::numbers::pi * e / (slenderness * slenderness);
    const double limit = 4.71 * std::sqrt(e / f_y);
    if (slenderness <= limit) return {f_e, limit, std::pow(0.658, f_y / f_e) * f_y};
    return {f_e, limit, 0.877 * f_e};
}
double critical_stress(double f_y, double e, double slenderness) { return critical(f_y, e, slenderness).f_cr; }
}  // namespace aisc360

std::optional<std::string> slender_walls(DesignCode code, const Section& section, const Material& material) {
    if (section.shape == SectionShape::Rectangle || section.shape == SectionShape::Custom) return std::nullopt;
    const bool round = section.shape == SectionShape::CircularHollow;
    const double f_y = (round ? material.compression_round : material.compression) * material.stress_to_code;
    const double e = material.e_stability * material.stress_to_code;
    const double t = section.wall;
    const double flat = std::max(section.depth, section.width) - 3 * t;
    if (code == DesignCode::En1993) {
        const double epsilon = std::sqrt(235 / f_y);
        if (round && section.depth / t > 90 * epsilon * epsilon) {
            return "class 4: d/t = " + figure(section.depth / t) + " > 90ε² = " + figure(90 * epsilon * epsilon) +
                   " (EN 1993-1-1 Table 5.2)";
        }
        if (!round && flat / t > 42 * epsilon) {
            return "class 4: c/t = " + figure(flat / t) + " > 42ε = " + figure(42 * epsilon) +
                   " (EN 1993-1-1 Table 5.2)";
        }
        return std::nullopt;
    }
    if (round && section.depth / t > 0.11 * e / f_y) {
        return "slender: D/t = " + figure(section.depth / t) + " > 0.11E/F_y = " + figure(0.11 * e / f_y) +
               " (AISC 360-16 Table B4.1a)";
    }
    if (!round && flat / t > 1.40 * std::sqrt(e / f_y)) {
        return "slender: b/t = " + figure(flat / t) + " > 1.40√(E/F_y) = " + figure(1.40 * std::sqrt(e / f_y)) +
               " (AISC 360-16 Table B4.1a)";
    }
    return std::nullopt;
}

}  // namespace korvel::design
