#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "engine/envelope.hpp"
#include "load_case/project.hpp"
#include "ui/force_diagram/analysis_record.hpp"

namespace korvel::ui {

// A project's combinations analysed, and their envelope.
struct ProjectEnvelope {
    std::string span;
    std::vector<std::string> names;  // the combinations', in the project's order
    std::vector<engine::AnalysisOutcome> outcomes;
    engine::Envelope envelope;
};

// Analyses every combination; a project that cannot be analysed gives its fault.
std::variant<ProjectEnvelope, load_case::ProjectError> envelope_of(const load_case::Project& project);

// The value that governs a member or support: the larger in size of the two
// extremes, the largest on a tie.
engine::Fixed4 governing(const engine::Extremes& extremes);

// The envelope as one analysis for the force diagram: the span, no loads, and
// each member and reaction at its governing value. Nothing when no combination
// could be analysed.
std::optional<AnalysisRecord> governing_record(const ProjectEnvelope& envelope);

}  // namespace korvel::ui
