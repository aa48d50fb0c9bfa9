#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "design/project_design.hpp"
#include "engine/deflection.hpp"
#include "engine/truss_model.hpp"
#include "load_case/project.hpp"

namespace korvel::design {

// One line of a check as a student writes it: the formula, the numbers put in
// and the result with its unit ("f_c,0,d = k_mod·f_c,0,k/γ_M = 0.9·21/1.3 =
// 14.54 MPa"), and where it comes from.
struct WorkingLine {
    std::string formula, numbers, result, note;
    std::string text() const;
};

// A table a step shows before its lines, as the virtual-work table's member,
// N, n, L, A, E and N·n·L/(E·A) are set out by hand.
struct WorkingTable {
    std::vector<std::string> headings;
    std::vector<std::vector<std::string>> rows;
};

// A check of a member: its title (the check and its clause) and its lines.
struct CheckWorkingStep {
    std::string title;
    std::vector<WorkingLine> lines;
    bool governing = false;
    std::optional<WorkingTable> table;
};

// The working of one member's checks for its code, the governing check first,
// every number taken from the CheckValues the design result was made from.
struct CheckWorking {
    std::string title;                    // "L0U1, C24 47x150: utilisation 0.812, buckling in plane governs"
    std::vector<CheckWorkingStep> steps;  // governing first, then the others in CheckKind's order
    std::string utilisation;              // as the design table shows it
};
CheckWorking check_working(const ProjectDesign& answer, engine::Member member);

// The virtual-work table of each serviceability combination of the design at one
// deflection point (an index into engine::kDeflectionPoints), or where none is
// given at the point of that combination's largest deflection; N from the
// combination's own analysis. Empty where the design checks no deflection.
struct CombinationVirtualWork {
    std::string combination;
    engine::VirtualWorkTable table;
};
std::vector<CombinationVirtualWork> virtual_work_tables(const load_case::Project& project, const ProjectDesign& answer,
                                                        std::optional<std::size_t> point);

// The deflection point a name gives: "L3" (vertical), "L6.H" (the supports' spread);
// none for a node where no deflection is worked out (U8, U9) or no node.
std::optional<std::size_t> deflection_point_named(std::string_view name);

// The tables as a working of steps, a step per combination, a line per member
// ("L0U1: N = 12.3 kN, n = -0.559, ..."), the sum last.
CheckWorking virtual_work_working(const std::vector<CombinationVirtualWork>& tables);

// A member's working as plain text: the title, then each step's title and its
// lines indented (its steps have no tables).
std::string check_working_text(const CheckWorking& working);

// A number as a student writes it: four significant figures, whole numbers
// from 10 000 on, no exponent and no trailing zeros.
std::string student_number(double value);

}  // namespace korvel::design
