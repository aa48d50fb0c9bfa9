#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace korvel::design {

enum class MaterialKind { SolidTimber, GluedLaminatedTimber, SawnLumber, Steel };

// One grade of one table, with the standard and edition it comes from and the
// unit its stresses are written in. Values stay as the table gives them.
struct Material {
    std::string_view name;      // as the project file names it: "C24", "DF-L No. 2", "S355"
    std::string_view standard;  // "EN 338:2016"
    MaterialKind kind;
    std::string_view stress_unit;  // "MPa", "psi" or "ksi"
    double stress_to_code;         // the code's stress (MPa or psi) per stress_unit: 1, or 1000 for ksi
    double tension;                // f_t,0,k; F_t; f_y or F_y
    double compression;            // f_c,0,k; F_c; f_y or F_y
    double compression_round;      // the same for round tubes where the grade differs (A500: 46 ksi)
    double e_mean;                 // E_0,mean (timber) or E: for deflections
    double e_stability;            // E_0,05 (EN 1995), E_min (NDS) or E (steel): for buckling
    double density;                // ρ_k in kg/m³ where the table gives it, else 0
};

// EN 338:2016 Table 1, EN 14080:2013 Table 5, NDS Supplement 2018 Table 4A
// (No. 2, dimension lumber), EN 10025-2:2019 Table 7 (t ≤ 40 mm) with E of
// EN 1993-1-1 3.2.6, ASTM A500/A500M-21 Grade C with E of AISC 360-16.
inline constexpr std::array<Material, 9> kMaterials{{
    {"C16", "EN 338:2016", MaterialKind::SolidTimber, "MPa", 1, 8.5, 17, 17, 8000, 5400, 310},
    {"C24", "EN 338:2016", MaterialKind::SolidTimber, "MPa", 1, 14.5, 21, 21, 11000, 7400, 350},
    {"GL24h", "EN 14080:2013", MaterialKind::GluedLaminatedTimber, "MPa", 1, 19.2, 24, 24, 11500, 9600, 385},
    {"SPF No. 2", "NDS Supplement 2018, Table 4A", MaterialKind::SawnLumber, "psi", 1, 450, 1150, 1150, 1400000, 510000,
     0},
    {"DF-L No. 2", "NDS Supplement 2018, Table 4A", MaterialKind::SawnLumber, "psi", 1, 575, 1350, 1350, 1600000,
     580000, 0},
    {"S235", "EN 10025-2:2019", MaterialKind::Steel, "MPa", 1, 235, 235, 235, 210000, 210000, 0},
    {"S275", "EN 10025-2:2019", MaterialKind::Steel, "MPa", 1, 275, 275, 275, 210000, 210000, 0},
    {"S355", "EN 10025-2:2019", MaterialKind::Steel, "MPa", 1, 355, 355, 355, 210000, 210000, 0},
    {"A500 Gr. C", "ASTM A500/A500M-21", MaterialKind::Steel, "ksi", 1000, 50, 50, 46, 29000, 29000, 0},
}};

std::optional<Material> material_from_name(std::string_view name);

constexpr bool is_timber(MaterialKind kind) { return kind != MaterialKind::Steel; }

}  // namespace korvel::design
