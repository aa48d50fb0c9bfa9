#include "engine/working_text.hpp"

#include <algorithm>
#include <array>
#include <optional>

namespace korvel::engine {
namespace {

constexpr std::string_view kLoadsLeftOut = "The loads not listed are zero.";
constexpr std::array<std::string_view, 7> kCounts{"no", "one", "two", "three", "four", "five", "six"};

std::string count_text(std::size_t n) { return n < kCounts.size() ? std::string(kCounts[n]) : std::to_string(n); }

// Writes the lines of one part of a step's text, marking each number written shorter.
class LineWriter {
public:
    LineWriter(StepText& out, NumberMark::Part part, std::vector<std::string>& lines, Precision precision)
        : out_(out), part_(part), lines_(lines), precision_(precision) {}

    LineWriter& operator<<(std::string_view text) {
        line_ += text;
        return *this;
    }
    LineWriter& number(const Number& value) {
        std::string text = number_text(value, precision_);
        std::string full = number_text(value);
        if (text != full) out_.marks.push_back({part_, lines_.size(), line_.size(), line_.size() + text.size(), full});
        line_ += text;
        return *this;
    }
    // " = value", or " ≈ 0" for a value too small to write.
    LineWriter& equals(const Number& value) {
        line_ += number_text(value, precision_) == kAboutZero ? " " : " = ";
        return number(value);
    }
    LineWriter& substitution(const Formula::Substitution& s) {
        const std::size_t at = line_.size();
        line_ += s.text;
        for (const Formula::Placed& placed : s.values) {
            std::string full = number_text(placed.value);
            if (s.text.compare(placed.begin, placed.end - placed.begin, full) != 0) {
                out_.marks.push_back({part_, lines_.size(), at + placed.begin, at + placed.end, std::move(full)});
            }
        }
        return *this;
    }
    void end() {
        lines_.push_back(std::move(line_));
        line_.clear();
    }

private:
    StepText& out_;
    NumberMark::Part part_;
    std::vector<std::string>& lines_;
    Precision precision_;
    std::string line_;
};

std::size_t symbol_index(std::string_view symbol) {
    const auto all = working_symbols();
    return static_cast<std::size_t>(std::find(all.begin(), all.end(), symbol) - all.begin());
}

bool is_load(std::string_view symbol) { return symbol.starts_with("V(") || symbol.starts_with("H("); }

bool is_zero_load(const WorkingOperand& op) { return is_load(op.symbol) && to_double(op.value) == 0; }

std::vector<Number> values_of(const WorkingStep& step) {
    std::vector<Number> values(working_symbols().size(), Number(Fixed4()));
    for (const WorkingOperand& op : step.operands) values[symbol_index(op.symbol)] = op.value;
    return values;
}

// A term that names a zero load and comes to zero adds nothing a student needs to write.
bool zeroed_by_a_load(const Formula& term, const std::vector<Number>& values) {
    const auto all = working_symbols();
    const std::vector<std::size_t> used = term.symbols_used();
    const bool names_zero_load = std::any_of(
        used.begin(), used.end(), [&](std::size_t i) { return is_load(all[i]) && to_double(values[i]) == 0; });
    return names_zero_load && to_double(term.evaluate(values)) == 0;
}

// The formula without the terms of its outer sum that a zero load makes zero.
std::string brief_formula(const std::string& formula, const std::vector<Number>& values) {
    const std::vector<Formula::Term> terms = Formula(formula, working_symbols()).terms();
    if (terms.size() < 2) return formula;
    std::string out;
    for (const Formula::Term& term : terms) {
        if (zeroed_by_a_load(Formula(term.text, working_symbols()), values)) continue;
        if (out.empty()) {
            out += term.subtracted ? "−" : "";
        } else {
            out += term.subtracted ? " − " : " + ";
        }
        out += term.text;
    }
    return out.empty() ? "0" : out;
}

// Why the balance is taken where it is.
std::string why_here(const WorkingStep& step) {
    if (step.unknown.empty()) return {};
    if (step.fewest_at_joints > 0) {
        return ", as every joint of this half has " + count_text(step.fewest_at_joints) + " unknowns or more";
    }
    const std::string where = step.place == Place::Joint ? "at " + std::string(node_name(step.node)) : "at the cut";
    return ", " + count_text(step.unknown.size()) + (step.unknown.size() == 1 ? " unknown" : " unknowns") + " left " +
           where;
}

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

void write_result(LineWriter& line, const WorkingStep& step) {
    line << step.symbol;
    line.equals(step.value);
    // A four-decimal value shown as it is needs no second mention, unless it is a result.
    const bool result = step.reaction || !step.members.empty();
    if (step.shown && !(step.display == Display::Plain && !result)) line << ", " << shown_text(step);
    line.end();
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

StepText step_text(const WorkingStep& step, Precision precision) {
    StepText out;
    out.heading = step.symbol;
    const std::string place = place_text(step);
    if (!place.empty()) out.heading += " " + place;
    out.heading += why_here(step) + ": " + std::string(step.equation);

    const bool readable = precision == Precision::Readable;
    const std::vector<Number> values = values_of(step);
    LineWriter question(out, NumberMark::Part::Question, out.question, precision);
    if (!step.formula.empty()) {
        const std::string formula = readable ? brief_formula(step.formula, values) : step.formula;
        // In full precision the working's own texts serve; only a shortened text is made again.
        const std::optional<Formula> written =
            readable ? std::optional<Formula>(std::in_place, formula, working_symbols()) : std::nullopt;
        const std::vector<std::size_t> used = written ? written->symbols_used() : std::vector<std::size_t>{};
        question << step.symbol << " = " << formula;
        const bool nothing_left = formula == "0" && step.formula != "0";
        if (nothing_left) question << ", as every load in it is zero";
        question.end();
        bool left_out = false;
        std::string_view separator = "with ";
        for (const WorkingOperand& op : step.operands) {
            if (readable && is_zero_load(op)) left_out = true;
            if (readable &&
                (is_zero_load(op) || std::find(used.begin(), used.end(), symbol_index(op.symbol)) == used.end())) {
                continue;
            }
            question << separator << op.symbol << " = ";
            question.number(op.value);
            separator = ", ";
        }
        if (separator != "with ") question.end();
        if (left_out && !nothing_left) (question << kLoadsLeftOut).end();
        // A sum of terms is substituted term by term instead.
        const Formula::Substitution substituted =
            written ? written->substituted(values, precision) : Formula::Substitution{step.substituted, {}};
        if (step.terms.empty() && substituted.text != formula) {
            question << step.symbol << " = ";
            question.substitution(substituted);
            question.end();
        }
    }
    LineWriter terms(out, NumberMark::Part::Terms, out.terms, precision);
    for (const WorkingTerm& term : step.terms) {
        const std::optional<Formula> formula =
            readable ? std::optional<Formula>(std::in_place, term.formula, working_symbols()) : std::nullopt;
        if (formula && zeroed_by_a_load(*formula, values)) continue;
        terms << (term.subtracted ? "− " : "+ ") << term.formula << " = ";
        terms.substitution(formula ? formula->substituted(values, precision)
                                   : Formula::Substitution{term.substituted, {}});
        terms.equals(term.value);
        terms << " (" << term.note << ")";
        terms.end();
    }
    LineWriter answer(out, NumberMark::Part::Answer, out.answer, precision);
    write_result(answer, step);
    if (step.shown) {
        if (std::string shown = what_is_shown(step); !shown.empty()) (answer << shown).end();
    }
    if (!step.zero_reason.empty()) {
        (answer << names(step.members) << " is a zero-force member: " << step.zero_reason << ".").end();
    }
    if (!step.note.empty()) (answer << step.note).end();
    return out;
}

std::string working_inputs(const Working& working) {
    std::string out = "Span " + working.span_text + "; ";
    if (!working.pitch.is_default()) out += "roof pitch " + working.pitch.text + "; ";
    if (working.loads.empty()) return out + "no loads";
    out += "loads ";
    for (std::size_t i = 0; i < working.loads.size(); ++i) {
        if (i > 0) out += ", ";
        out.append(working.loads[i].symbol).append(" = ").append(number_text(working.loads[i].value));
    }
    return out;
}

std::string working_markdown(const Working& working, Precision precision) {
    std::string out = "# Working\n\n" + working_inputs(working) + ".\n";
    std::optional<Stage> stage;
    for (std::size_t i = 0; i < working.steps.size(); ++i) {
        const WorkingStep& step = working.steps[i];
        if (step.stage != stage) {
            stage = step.stage;
            out.append("\n## ").append(stage_title(step.stage)).append("\n");
        }
        const StepText text = step_text(step, precision);
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
