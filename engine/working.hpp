#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/analysis.hpp"
#include "engine/step_record.hpp"
#include "engine/working_formula.hpp"
#include "engine/working_steps.hpp"

namespace korvel::engine {

struct WorkingOperand {
    std::string_view symbol;
    Number value;
};

// One term of a moment sum, with its lever arm.
struct WorkingTerm {
    bool subtracted;
    std::string formula;
    std::string_view note;
    std::string substituted;
    Number value;
};

// One step of the working: what it balances, the formula, the values the program put
// into it, and the value it got.
struct WorkingStep {
    Stage stage;
    Place place;
    Node node;
    std::string symbol;
    std::string_view equation;
    std::string formula;
    std::vector<WorkingOperand> operands;  // in the order the formula names them
    std::string substituted;
    std::vector<WorkingTerm> terms;  // only for moment sums
    Number value;
    Display display;
    std::optional<Fixed4> shown;  // the value as the results show it
    std::vector<Member> members;  // whose length or force `shown` is
    std::optional<Reaction> reaction;
    std::vector<Member> known;     // members whose forces the step takes as known
    std::string_view zero_reason;  // set for a zero-force member
    std::string_view note;         // a remark, or why a check leaves a residual
    // Why the balance is taken here: the members still unknown at the joint or the cut,
    // and for the first balance on a cut, the fewest unknowns any joint had left.
    std::vector<Member> unknown;
    std::size_t fewest_at_joints = 0;
};

struct Working {
    std::string span_text;
    RoofPitch pitch;
    double tangent = 0.5;               // t, by which the truss is drawn
    std::vector<WorkingOperand> loads;  // the loads that are not zero
    // In the order the program computes, except that a sum or a determinant comes
    // just before the step that first uses it.
    std::vector<WorkingStep> steps;
};

// Every name a formula of the working may use: the quantities, then the 23 loads.
std::span<const std::string_view> working_symbols();

// The working of a recorded run at this pitch, whose slope has the tangent `tangent`,
// with a check of ΣFx and ΣFy at all sixteen joints.
Working build_working(std::string span_text, const RoofPitch& pitch, double tangent, const StepRecord& record);

using WorkingOutcome = std::variant<Working, AnalysisError>;

// The analysis of these inputs with its working, or the analysis's error.
WorkingOutcome work_out(const AnalysisInput& input);

}  // namespace korvel::engine
