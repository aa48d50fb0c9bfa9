#include "engine/working_text.hpp"

namespace korvel::engine {
namespace {

std::string place_text(const WorkingStep& step) {
    if (step.stage != Stage::MemberForces && step.stage != Stage::Check) return {};
    switch (step.place) {
        case Place::None: return {};
        case Place::Joint: return "at joint " + std::string(node_name(step.node));
        case Place::LeftSection: return "on the part left of the cut";
        case Place::RightSection: return "on the part right of the cut";
    }
    return {};
}

std::string names(const std::vector<Member>& members) {
    std::string out;
    for (std::size_t i = 0; i < members.size(); ++i) {
        if (i > 0) out += i + 1 == members.size() ? " and " : ", ";
        out += member_name(members[i]);
    }
    return out;
}

std::string shown_text(const WorkingStep& step) {
    const std::string text = step.shown->to_text();
    std::string how;
    switch (step.display) {
        case Display::Plain: how = "kept as it is: "; break;
        case Display::Rounded: how = "rounded to four decimals: "; break;
        case Display::TextRounded: how = "rounded to 15 significant digits, then to four decimals: "; break;
        case Display::None: break;
    }
    return how + text;
}

std::string result_line(const WorkingStep& step) {
    std::string line = step.symbol + " = " + number_text(step.value);
    // A four-decimal value shown as it is needs no second mention, unless it is a result.
    const bool result = step.reaction || !step.members.empty();
    if (!step.shown || (step.display == Display::Plain && !result)) return line;
    return line + ", " + shown_text(step);
}

std::string what_is_shown(const WorkingStep& step) {
    const std::string text = step.shown->to_text();
    if (step.stage == Stage::Check) {
        if (*step.shown == Fixed4()) return "The joint balances: the sum rounds to 0.";
        return "Residual: " + text + ".";
    }
    if (step.reaction) return "Result " + std::string(reaction_name(*step.reaction)) + " = " + text + ".";
    if (step.members.empty()) return {};
    const bool force = step.stage == Stage::MemberForces;
    return std::string(force ? "Force of " : "Length of ") + names(step.members) + ": " + text + ".";
}

}  // namespace

std::string_view stage_title(Stage stage) {
    switch (stage) {
        case Stage::Geometry: return "Geometry";
        case Stage::Reactions: return "Support reactions";
        case Stage::MemberForces: return "Member forces";
        case Stage::Check: return "Check at every joint";
    }
    return {};
}

StepText step_text(const WorkingStep& step) {
    StepText out;
    out.heading = step.symbol;
    const std::string place = place_text(step);
    if (!place.empty()) out.heading += " " + place;
    out.heading += ": " + std::string(step.equation);

    if (!step.formula.empty()) {
        out.question.push_back(step.symbol + " = " + step.formula);
        if (!step.operands.empty()) {
            std::string with = "with ";
            for (std::size_t i = 0; i < step.operands.size(); ++i) {
                if (i > 0) with += ", ";
                with.append(step.operands[i].symbol).append(" = ").append(number_text(step.operands[i].value));
            }
            out.question.push_back(with);
        }
        // A sum of terms is substituted term by term instead.
        if (step.terms.empty() && step.substituted != step.formula) {
            out.question.push_back(step.symbol + " = " + step.substituted);
        }
    }
    for (const WorkingTerm& term : step.terms) {
        out.terms.push_back(std::string(term.subtracted ? "− " : "+ ") + term.formula + " = " + term.substituted +
                            " = " + number_text(term.value) + " (" + std::string(term.note) + ")");
    }
    out.answer.push_back(result_line(step));
    if (step.shown) {
        if (std::string shown = what_is_shown(step); !shown.empty()) out.answer.push_back(std::move(shown));
    }
    if (!step.zero_reason.empty()) {
        out.answer.push_back(names(step.members) + " is a zero-force member: " + std::string(step.zero_reason) + ".");
    }
    if (!step.note.empty()) out.answer.push_back(std::string(step.note));
    return out;
}

std::string working_inputs(const Working& working) {
    std::string out = "Span " + working.span_text + "; ";
    if (working.loads.empty()) return out + "no loads";
    out += "loads ";
    for (std::size_t i = 0; i < working.loads.size(); ++i) {
        if (i > 0) out += ", ";
        out.append(working.loads[i].symbol).append(" = ").append(number_text(working.loads[i].value));
    }
    return out;
}

std::string working_markdown(const Working& working) {
    std::string out = "# Working\n\n" + working_inputs(working) + ".\n";
    std::optional<Stage> stage;
    for (std::size_t i = 0; i < working.steps.size(); ++i) {
        const WorkingStep& step = working.steps[i];
        if (step.stage != stage) {
            stage = step.stage;
            out.append("\n## ").append(stage_title(step.stage)).append("\n");
        }
        const StepText text = step_text(step);
        out.append("\n### ").append(std::to_string(i + 1)).append(". ").append(text.heading).append("\n\n");
        for (const std::string& line : text.question) out.append("- ").append(line).append("\n");
        if (!text.terms.empty()) {
            out.append("- term by term:\n");
            for (const std::string& line : text.terms) out.append("  - ").append(line).append("\n");
        }
        for (const std::string& line : text.answer) out.append("- ").append(line).append("\n");
    }
    return out;
}

}  // namespace korvel::engine
