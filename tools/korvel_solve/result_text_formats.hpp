#pragma once

#include <ostream>

#include "engine/analysis.hpp"

namespace korvel::solve {

// The results window as text: Member, Length and Axial force columns in the
// window's table order, then the reactions block with the window's captions.
void write_table(std::ostream& out, const engine::AnalysisResult& result);

}  // namespace korvel::solve
