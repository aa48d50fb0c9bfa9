#pragma once

#include <string>
#include <vector>

#include "design/project_design.hpp"
#include "engine/truss_model.hpp"

namespace korvel::design {

// One line of a check as a student writes it: the formula, the numbers put in
// and the result with its unit ("f_c,0,d = k_mod·f_c,0,k/γ_M = 0.9·21/1.3 =
// 14.54 MPa"), and where it comes from.
struct WorkingLine {
    std::string formula, numbers, result, note;
    std::string text() const;
};

// A check of a member: its title (the check and its clause) and its lines.
struct CheckWorkingStep {
    std::string title;
    std::vector<WorkingLine> lines;
    bool governing = false;
};

// The working of one member's checks for its code, the governing check first,
// every number taken from the CheckValues the design result was made from.
struct CheckWorking {
    std::string title;                    // "L0U1, C24 47x150: utilisation 0.812, buckling in plane governs"
    std::vector<CheckWorkingStep> steps;  // governing first, then the others in CheckKind's order
    std::string utilisation;              // as the design table shows it
};
CheckWorking check_working(const ProjectDesign& answer, engine::Member member);

// The working as plain text: the title, then each step's title and its lines indented.
std::string check_working_text(const CheckWorking& working);

// A number as a student writes it: four significant figures, whole numbers
// from 10 000 on, no exponent and no trailing zeros.
std::string student_number(double value);

}  // namespace korvel::design
