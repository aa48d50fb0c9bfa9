#include "engine/truss_model.hpp"
#include "load_case/json_text.hpp"
#include "load_case/load_case.hpp"

namespace korvel::load_case {

std::string write_load_case(const engine::AnalysisInput& input) {
    std::string out = "{\"span\": ";
    append_json_string(out, input.span);
    out += ", \"loads\": {";
    bool first = true;
    for (std::size_t i = 0; i < engine::kLoadCount; ++i) {
        if (input.loads[i].empty()) continue;
        if (!first) out += ", ";
        first = false;
        append_json_string(out, engine::load_key(engine::kLoadMap[i]));
        out += ": ";
        append_json_string(out, input.loads[i]);
    }
    out += "}}";
    return out;
}

}  // namespace korvel::load_case
