#pragma once

#include <string_view>

#include "load_case/project.hpp"

namespace korvel::design_testing {

// The C24 roof in kN and m: dead load and snow at the top chord's nodes, every
// group's section given, and the deflections checked under D + S.
inline load_case::Project c24_roof() {
    load_case::Project project;
    project.span = "14.4";
    const auto load = [](std::string_view key) { return *engine::load_index_by_key(key); };
    load_case::LoadCase dead{"Dead", load_case::CaseKind::Dead, {}};
    for (const char* node : {"U2.V", "U4.V", "U6.V"}) dead.loads[load(node)] = "4";
    load_case::LoadCase snow{"Snow", load_case::CaseKind::Snow, {}};
    snow.loads[load("U4.V")] = "6";
    project.cases = {dead, snow};
    project.combinations = {{"1.35D + 1.5S", {{"Dead", "1.35"}, {"Snow", "1.5"}}},
                            {"D + S", {{"Dead", "1"}, {"Snow", "1"}}}};
    project.units = load_case::ProjectUnits{"kN", "m"};
    project.design.emplace();
    project.design->code = "EN 1995-1-1";
    project.design->service_class = "2";
    project.design->material = "C24";
    project.design->sections = {{"top chord", "47x150"}, {"bottom chord", "47x125"}, {"webs", "47x75"}};
    project.design->serviceability = {"D + S"};
    return project;
}

}  // namespace korvel::design_testing
