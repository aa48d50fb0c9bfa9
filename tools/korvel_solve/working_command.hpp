#pragma once

#include <string>

#include "engine/analysis.hpp"

namespace korvel::solve {

// --working: the program's own hand solution of an input the analysis accepts, as
// plain UTF-8 text with Markdown headings and lists.
std::string working_text(const engine::AnalysisInput& input);

}  // namespace korvel::solve
