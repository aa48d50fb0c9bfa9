#include "engine/working.hpp"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <stdexcept>
#include <system_error>

#include "engine/arithmetic_error.hpp"
#include "engine/truss_shape.hpp"

namespace korvel::engine {
namespace {

constexpr std::string_view kResidualNote =
    "This joint does not close exactly. The program takes the slope angle as 0.4636 rad, rounded on purpose from "
    "arctan(1/2) = 0.4636476…, and its lever arms from the rounded lengths, so its forces stand this far from exact "
    "statics.";
constexpr std::string_view kResidualNoteAtPitch =
    "This joint does not close exactly. The program takes the slope angle θ as arctan(t) rounded on purpose to four "
    "decimals, and its lever arms from the rounded lengths, so its forces stand this far from exact statics.";
constexpr std::string_view kTangentSymbol = "t";

struct Symbols {
    std::vector<std::string> load_names;
    std::vector<std::string_view> all;
};

const Symbols& symbols() {
    static const Symbols s = [] {
        Symbols out;
        for (const LoadSlot& slot : kLoadMap) {
            out.load_names.push_back(std::string(slot.component == Component::Horizontal ? "H(" : "V(") +
                                     std::string(node_name(slot.node)) + ")");
        }
        for (const StepRow& row : kSteps) out.all.push_back(row.symbol);
        for (const std::string& name : out.load_names) out.all.push_back(name);
        out.all.push_back(kTangentSymbol);
        return out;
    }();
    return s;
}

std::size_t load_symbol(std::size_t load) { return kQuantityCount + load; }
constexpr std::size_t kTangent = kQuantityCount + kLoadCount;

// The values known so far, by symbol.
class Known {
public:
    Known() : values_(working_symbols().size(), Number(Fixed4())), known_(working_symbols().size(), false) {}

    void set(std::size_t symbol, const Number& value) {
        values_[symbol] = value;
        known_[symbol] = true;
    }
    const std::vector<Number>& values() const { return values_; }
    std::optional<std::size_t> index_of(std::string_view symbol) const {
        const auto all = working_symbols();
        const auto it = std::find(all.begin(), all.end(), symbol);
        if (it == all.end()) return std::nullopt;
        return static_cast<std::size_t>(it - all.begin());
    }

    std::vector<WorkingOperand> operands(const Formula& f) const {
        std::vector<WorkingOperand> out;
        for (const std::size_t symbol : f.symbols_used()) {
            if (!known_[symbol]) {
                throw std::logic_error("the working uses " + std::string(working_symbols()[symbol]) +
                                       " before the analysis has it");
            }
            out.push_back({working_symbols()[symbol], values_[symbol]});
        }
        return out;
    }

    // The members whose forces a formula takes as known.
    static std::vector<Member> forces_used(const std::vector<WorkingOperand>& operands) {
        std::vector<Member> out;
        for (const WorkingOperand& op : operands) {
            if (!op.symbol.starts_with("F(")) continue;
            if (const auto member = member_from_name(op.symbol.substr(2, 4))) out.push_back(*member);
        }
        return out;
    }

private:
    std::vector<Number> values_;
    std::vector<bool> known_;
};

// The formulas of the table, read once.
const Formula& table_formula(Quantity quantity) {
    static const std::vector<Formula> formulas = [] {
        std::vector<Formula> out;
        for (const StepRow& row : kSteps) out.emplace_back(row.formula.empty() ? "0" : row.formula, working_symbols());
        return out;
    }();
    return formulas[static_cast<std::size_t>(quantity)];
}

std::optional<Fixed4> shown_value(Display display, const Number& value) {
    switch (display) {
        case Display::None: return std::nullopt;
        case Display::Plain: return std::get<Fixed4>(value);
        case Display::Rounded:
            if (const auto* f = std::get_if<Fixed4>(&value)) return *f;
            return Fixed4::round(to_double(value));
        case Display::TextRounded: return text_rounded(to_double(value));
    }
    return std::nullopt;
}

bool is_zero(const Number& n) { return to_double(n) == 0; }

WorkingStep table_step(const StepRow& row, const Formula& formula, const Number& value, const Known& known) {
    WorkingStep step{row.stage,
                     row.place,
                     row.node,
                     std::string(row.symbol),
                     row.equation,
                     std::string(row.formula),
                     {},
                     {},
                     {},
                     value,
                     row.display,
                     shown_value(row.display, value),
                     std::vector<Member>(row.members.begin(), row.members.end()),
                     row.reaction,
                     {},
                     {},
                     row.note,
                     {},
                     0};
    if (row.formula.empty()) return step;
    step.operands = known.operands(formula);
    step.substituted = formula.substituted(known.values());
    step.known = Known::forces_used(step.operands);
    if (!row.term_notes.empty()) {
        const std::vector<Formula::Term> terms = formula.terms();
        if (terms.size() != row.term_notes.size()) throw std::logic_error("a moment sum without an arm for each term");
        for (std::size_t i = 0; i < terms.size(); ++i) {
            const Formula term(terms[i].text, working_symbols());
            step.terms.push_back({terms[i].subtracted, terms[i].text, row.term_notes[i],
                                  term.substituted(known.values()), term.evaluate(known.values())});
        }
    }
    if (!row.zero_reason.empty()) {
        const bool unloaded = std::all_of(row.zero_when.begin(), row.zero_when.end(), [&](std::string_view symbol) {
            if (symbol.empty()) return true;
            return is_zero(known.values()[*known.index_of(symbol)]);
        });
        if (unloaded) step.zero_reason = row.zero_reason;
    }
    return step;
}

// A member's direction from one of its ends, as the analysis's balances take it:
// the factors of cos and sin of the slope angle, or of twice it.
struct Direction {
    int x_sign, y_sign;
    std::string_view x_factor, y_factor;  // empty for a factor of 1; "0" where the member has no component
};

// The directions in θ are the same at every pitch; the 6:12 shape, whose nodes lie on a
// grid of thirty-seconds of the span, tells them apart exactly.
Direction direction(Node from, Node to) {
    const ShapePoint a = node_position(from);
    const ShapePoint b = node_position(to);
    const double dx = (b.x - a.x) * 32;
    const double dy = (b.y - a.y) * 32;
    const int sx = dx > 0 ? 1 : -1;
    const int sy = dy > 0 ? 1 : -1;
    if (dy == 0) return {sx, 1, "", "0"};
    if (dx == 0) return {1, sy, "0", ""};
    if (std::abs(dx) == 2 * std::abs(dy)) return {sx, sy, "cos θ", "sin θ"};
    if (std::abs(dy) == 2 * std::abs(dx)) return {sx, sy, "sin θ", "cos θ"};
    if (3 * std::abs(dy) == 4 * std::abs(dx)) return {sx, sy, "cos 2θ", "sin 2θ"};
    throw std::logic_error("a member in no direction of the slope angle");
}

void add_term(std::string& formula, int sign, std::string_view term) {
    if (formula.empty()) {
        if (sign < 0) formula += "−";
    } else {
        formula += sign < 0 ? " − " : " + ";
    }
    formula += term;
}

// A decimal literal of a formula that reads back as this very double.
std::string literal(double value) {
    char buffer[400];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (error != std::errc()) throw std::logic_error("double without a text");
    std::string text(buffer, end);
    // A whole number too long for the formula's integers is read as a double.
    if (text.find('.') == std::string::npos && text.size() > 15) text += ".0";
    return text;
}

// The tangent as the pitch gives it, in the numbers the user typed and the arithmetic of
// the analysis; empty for a pitch known only by its tangent.
std::string tangent_formula(const RoofPitch& pitch) {
    std::string_view text = pitch.text;
    try {
        if (pitch.form == PitchForm::Degrees && text.ends_with("°")) {
            text.remove_suffix(std::string_view("°").size());
            return "tan(" + literal(parse_double(text)) + " × π / 180)";
        }
        if (const std::size_t colon = text.find(':'); pitch.form == PitchForm::RisePerRun && colon != text.npos) {
            return literal(parse_double(text.substr(0, colon))) + " / " + literal(parse_double(text.substr(colon + 1)));
        }
    } catch (const ArithmeticError&) {
        return {};
    }
    return std::string(pitch_rows(pitch.form).tangent.formula);
}

// ΣFx or ΣFy at a joint from the final forces, the loads and the reactions.
WorkingStep check_step(Node node, bool vertical, const Known& known, std::string_view residual_note) {
    std::string formula;
    for (const Member member : kMembers) {
        const MemberEnds ends = member_ends(member);
        if (ends.first != node && ends.second != node) continue;
        const Direction d =
            ends.first == node ? direction(ends.first, ends.second) : direction(ends.second, ends.first);
        const std::string_view factor = vertical ? d.y_factor : d.x_factor;
        if (factor == "0") continue;
        std::string term = "F(" + std::string(member_name(member)) + ")";
        if (!factor.empty()) term.append(" × ").append(factor);
        add_term(formula, vertical ? d.y_sign : d.x_sign, term);
    }
    const std::string node_text(node_name(node));
    if (load_index(node, vertical ? Component::Vertical : Component::Horizontal)) {
        add_term(formula, vertical ? -1 : 1, (vertical ? "V(" : "H(") + node_text + ")");
    }
    if (node == Node::L0) add_term(formula, vertical ? 1 : -1, vertical ? "RL0" : "HL0");
    if (node == Node::L6 && vertical) add_term(formula, 1, "RL6");

    const Formula f(formula, working_symbols());
    const Number value = f.evaluate(known.values());
    WorkingStep step{Stage::Check,
                     Place::Joint,
                     node,
                     std::string(vertical ? "ΣFy(" : "ΣFx(") + node_text + ")",
                     vertical ? "ΣFy = 0 with the final forces" : "ΣFx = 0 with the final forces",
                     formula,
                     known.operands(f),
                     f.substituted(known.values()),
                     {},
                     value,
                     Display::Rounded,
                     shown_value(Display::Rounded, value),
                     {},
                     std::nullopt,
                     {},
                     {},
                     {},
                     {},
                     0};
    step.known = Known::forces_used(step.operands);
    if (*step.shown != Fixed4()) step.note = residual_note;
    return step;
}

// An intermediate sum or determinant of the forces, which reads best just before its use.
bool waits_for_use(const WorkingStep& step) { return step.stage != Stage::Geometry && step.display == Display::None; }

// The steps in the order of computation, each waiting step moved to just before the
// first step that uses it.
std::vector<WorkingStep> in_order_of_use(std::vector<WorkingStep> computed) {
    std::vector<WorkingStep> out;
    std::vector<bool> waiting(computed.size(), false);
    const auto emit = [&](auto& self, std::size_t i) -> void {
        for (const WorkingOperand& op : computed[i].operands) {
            const auto all = working_symbols();
            const auto used = static_cast<std::size_t>(std::find(all.begin(), all.end(), op.symbol) - all.begin());
            if (used < waiting.size() && waiting[used]) {
                waiting[used] = false;
                self(self, used);
            }
        }
        out.push_back(std::move(computed[i]));
    };
    for (std::size_t i = 0; i < computed.size(); ++i) {
        if (waits_for_use(computed[i])) {
            waiting[i] = true;
        } else {
            emit(emit, i);
        }
    }
    for (std::size_t i = 0; i < computed.size(); ++i) {
        if (waiting[i]) throw std::logic_error("the working computes " + computed[i].symbol + " and never uses it");
    }
    return out;
}

bool at(const Member member, Node node) {
    const MemberEnds ends = member_ends(member);
    return ends.first == node || ends.second == node;
}

// For each balance of the member forces, the members still unknown where it is taken;
// for the first on a cut, the fewest unknowns a joint of that half still has.
void name_the_unknowns(std::vector<WorkingStep>& steps) {
    std::vector<std::size_t> solved_at(kMemberCount, steps.size());
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (steps[i].stage != Stage::MemberForces) continue;
        for (const Member m : steps[i].members) solved_at[to_index(m)] = i;
    }
    Place cut = Place::None;  // of the step before
    for (std::size_t i = 0; i < steps.size(); ++i) {
        WorkingStep& step = steps[i];
        if (step.stage != Stage::MemberForces || step.members.empty()) continue;
        const bool on_cut = step.place == Place::LeftSection || step.place == Place::RightSection;
        for (const Member m : kMembers) {
            if (solved_at[to_index(m)] < i) continue;
            const bool here =
                on_cut ? std::any_of(steps.begin(), steps.end(),
                                     [&](const WorkingStep& s) {
                                         return s.place == step.place && s.stage == step.stage &&
                                                std::find(s.members.begin(), s.members.end(), m) != s.members.end();
                                     })
                       : at(m, step.node);
            if (here) step.unknown.push_back(m);
        }
        if (on_cut && cut != step.place) {
            step.fewest_at_joints = kMemberCount;
            for (std::size_t n = 0; n < kNodeCount; ++n) {
                const double x = node_position(static_cast<Node>(n)).x;
                if (step.place == Place::LeftSection ? x >= 0.5 : x <= 0.5) continue;
                const auto left =
                    static_cast<std::size_t>(std::count_if(kMembers.begin(), kMembers.end(), [&](Member m) {
                        return solved_at[to_index(m)] >= i && at(m, static_cast<Node>(n));
                    }));
                if (left > 0) step.fewest_at_joints = std::min(step.fewest_at_joints, left);
            }
        }
        cut = step.place;
    }
}

}  // namespace

std::span<const std::string_view> working_symbols() { return symbols().all; }

Working build_working(std::string span_text, const RoofPitch& pitch, double tangent, const StepRecord& record) {
    Working working{std::move(span_text), pitch, tangent, {}, {}};
    std::vector<WorkingStep> computed;
    Known known;
    for (std::size_t i = 0; i < kLoadCount; ++i) {
        const Fixed4 load = record.load_values()[i];
        known.set(load_symbol(i), load);
        if (load != Fixed4()) working.loads.push_back({working_symbols()[load_symbol(i)], load});
    }
    // The analysis finds the lengths after the reactions; the working keeps the stages in order.
    std::vector<std::optional<Number>> recorded(kQuantityCount);
    for (const StepRecord::Entry& entry : record.entries()) {
        std::optional<Number>& slot = recorded[static_cast<std::size_t>(entry.quantity)];
        if (slot) throw std::logic_error("the analysis recorded a value twice");
        slot = entry.value;
    }
    // Away from 6:12 the rise and the angle come from the pitch's tangent t, found before
    // the rise, or for a rise as given, from it.
    const bool at_pitch = !pitch.is_default();
    const PitchRows& rows = pitch_rows(pitch.form);
    const std::string t_formula = at_pitch ? tangent_formula(pitch) : std::string();
    std::optional<WorkingStep> t_step;
    const auto find_tangent = [&] {
        StepRow row = rows.tangent;
        row.formula = t_formula;
        t_step = table_step(row, Formula(t_formula.empty() ? "0" : t_formula, working_symbols()), tangent, known);
        known.set(kTangent, tangent);
    };
    for (std::size_t i = 0; i < kQuantityCount; ++i) {
        const auto quantity = static_cast<Quantity>(i);
        if (!recorded[i]) throw std::logic_error("the analysis did not record " + std::string(kSteps[i].symbol));
        if (at_pitch && quantity == Quantity::Rise && pitch.form != PitchForm::Rise) find_tangent();
        const StepRow* own = at_pitch && quantity == Quantity::Rise    ? &rows.rise
                             : at_pitch && quantity == Quantity::Slope ? &rows.slope
                                                                       : nullptr;
        computed.push_back(own ? table_step(*own, Formula(own->formula.empty() ? "0" : own->formula, working_symbols()),
                                            *recorded[i], known)
                               : table_step(step_row(quantity), table_formula(quantity), *recorded[i], known));
        known.set(i, *recorded[i]);
        if (at_pitch && quantity == Quantity::Rise && pitch.form == PitchForm::Rise) find_tangent();
    }
    working.steps = in_order_of_use(std::move(computed));
    if (t_step) {
        const auto rise = std::find_if(working.steps.begin(), working.steps.end(),
                                       [](const WorkingStep& s) { return s.symbol == "h"; });
        working.steps.insert(pitch.form == PitchForm::Rise ? std::next(rise) : rise, std::move(*t_step));
    }
    name_the_unknowns(working.steps);
    const std::string_view residual_note = at_pitch ? kResidualNoteAtPitch : kResidualNote;
    for (std::size_t n = 0; n < kNodeCount; ++n) {
        for (const bool vertical : {false, true})
            working.steps.push_back(check_step(static_cast<Node>(n), vertical, known, residual_note));
    }
    return working;
}

WorkingOutcome work_out(const AnalysisInput& input) {
    StepRecord record;
    AnalysisOutcome outcome = run_analysis(input, record);
    if (auto* error = std::get_if<AnalysisError>(&outcome)) return std::move(*error);
    return build_working(input.span, input.pitch, std::get<AnalysisResult>(outcome).tangent(), record);
}

}  // namespace korvel::engine
