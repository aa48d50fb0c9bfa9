#include "tools/korvel_solve/working_command.hpp"

#include <stdexcept>

#include "engine/working.hpp"
#include "engine/working_text.hpp"

namespace korvel::solve {

std::string working_text(const engine::AnalysisInput& input, bool all_digits) {
    const engine::WorkingOutcome outcome = engine::work_out(input);
    if (const auto* error = std::get_if<engine::AnalysisError>(&outcome)) {
        // The caller has run the analysis and reported its errors first.
        throw std::logic_error("a working of an input the analysis refuses: " + error->message());
    }
    return engine::working_markdown(std::get<engine::Working>(outcome),
                                    all_digits ? engine::Precision::Full : engine::Precision::Readable);
}

}  // namespace korvel::solve
