#pragma once

#include <string>

#include "engine/analysis.hpp"

namespace korvel::solve {

// --working: the program's own hand solution of an input the analysis accepts, as
// plain UTF-8 text with Markdown headings and lists; its doubles as a student writes
// them, or with every digit the program holds.
std::string working_text(const engine::AnalysisInput& input, bool all_digits);

}  // namespace korvel::solve
