#include "design/material.hpp"

#include <algorithm>

namespace korvel::design {

std::optional<Material> material_from_name(std::string_view name) {
    const auto row =
        std::find_if(kMaterials.begin(), kMaterials.end(), [&](const Material& m) { return m.name == name; });
    if (row == kMaterials.end()) return std::nullopt;
    return *row;
}

}  // namespace korvel::design
