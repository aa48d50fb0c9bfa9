#pragma once

#include <optional>

#include "engine/envelope.hpp"
#include "load_case/combination.hpp"
#include "ui/force_diagram/analysis_record.hpp"

namespace korvel::ui {

using load_case::ProjectEnvelope;

// The envelope as one analysis for the force diagram: the span, no loads, and
// each member and reaction at its governing value. Nothing when no combination
// could be analysed.
std::optional<AnalysisRecord> governing_record(const ProjectEnvelope& envelope);

}  // namespace korvel::ui
