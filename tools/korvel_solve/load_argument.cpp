#include "tools/korvel_solve/load_argument.hpp"

#include "engine/quoted_text.hpp"
#include "engine/truss_model.hpp"
#include "load_case/load_case.hpp"
#include "tools/korvel_solve/usage_error.hpp"

namespace korvel::solve {

LoadAssignment parse_load_argument(std::string_view argument) {
    const auto equals = argument.find('=');
    if (equals == std::string_view::npos) {
        throw UsageError("--load " + engine::quoted_text(argument) + ": expected NODE.C=TEXT, e.g. U4.V=10");
    }
    const std::string_view key = argument.substr(0, equals);
    const auto index = engine::load_index_by_key(key);
    if (!index) {
        throw UsageError("--load " + engine::quoted_text(argument) + ": there is no load " + engine::quoted_text(key) +
                         "; " + std::string(load_case::kLoadKeysHint));
    }
    return {*index, std::string(argument.substr(equals + 1))};
}

}  // namespace korvel::solve
