// The working is the analysis's own arithmetic written out: every step, evaluated again
// from the numbers it prints, must give the number it prints, and end in the results.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "analysis_test_support.hpp"
#include "engine/working.hpp"
#include "engine/working_text.hpp"

namespace korvel::engine {
namespace {

Working working_of(const AnalysisInput& input) {
    WorkingOutcome outcome = work_out(input);
    if (const auto* error = std::get_if<AnalysisError>(&outcome)) {
        ADD_FAILURE() << error->message();
        return {};
    }
    return std::get<Working>(std::move(outcome));
}

std::size_t symbol_index(std::string_view symbol) {
    const auto all = working_symbols();
    return static_cast<std::size_t>(std::find(all.begin(), all.end(), symbol) - all.begin());
}

// A value as the printed text gives it back.
Number reread(const Number& value) { return read_number(number_text(value), value); }

// Evaluates a step's formula from its printed operands, typed as the step's value.
std::string reevaluated(const WorkingStep& step) {
    std::vector<Number> values(working_symbols().size(), Number(Fixed4()));
    for (const WorkingOperand& op : step.operands) values[symbol_index(op.symbol)] = reread(op.value);
    const Number got = Formula(step.formula, working_symbols()).evaluate(values);
    if (std::holds_alternative<double>(step.value)) return number_text(to_double(got));
    return number_text(got);
}

void expect_consistent(const AnalysisInput& input) {
    const AnalysisResult result = std::get<AnalysisResult>(run_analysis(input));
    const Working working = working_of(input);
    std::vector<const WorkingStep*> last_of_member(kMemberCount, nullptr);
    for (const WorkingStep& step : working.steps) {
        const StepText text = step_text(step, Precision::Full);
        if (!step.formula.empty()) {
            ASSERT_EQ(reevaluated(step), number_text(step.value)) << step.symbol << " for span " << input.span;
            for (const WorkingOperand& op : step.operands) {
                EXPECT_NE(text.question[1].find(std::string(op.symbol) + " = " + number_text(op.value)),
                          std::string::npos);
            }
        }
        if (!step.terms.empty()) {
            Number sum = reread(step.terms.front().value);
            for (std::size_t i = 1; i < step.terms.size(); ++i) {
                const double term = to_double(reread(step.terms[i].value));
                sum = step.terms[i].subtracted ? to_double(sum) - term : to_double(sum) + term;
            }
            EXPECT_EQ(number_text(sum), number_text(step.value)) << step.symbol;
        }
        if (step.reaction) {
            EXPECT_EQ(*step.shown, result.reaction(*step.reaction)) << step.symbol;
        }
        for (const Member m : step.members) {
            if (step.stage == Stage::Geometry) {
                EXPECT_EQ(*step.shown, result.length(m)) << member_name(m);
            }
            if (step.stage == Stage::MemberForces) last_of_member[to_index(m)] = &step;
        }
    }
    for (const Member m : kMembers) {
        const WorkingStep* step = last_of_member[to_index(m)];
        ASSERT_NE(step, nullptr) << member_name(m);
        EXPECT_TRUE(step_text(*step).answer.front().ends_with(": " + result.force(m).to_text())) << member_name(m);
    }
}

// A decimal text with up to four decimals, as a user types it.
std::string decimal(std::mt19937_64& random, double largest) {
    std::uniform_real_distribution<double> spread(-largest, largest);
    return Fixed4::round(spread(random)).to_text();
}

TEST(Working, EveryStepReevaluatesToItsPrintedValueAndEndsInTheResults) {
    std::mt19937_64 random(2026);
    std::uniform_int_distribution<std::size_t> load_count(0, kLoadCount);
    std::uniform_int_distribution<std::size_t> which(0, kLoadCount - 1);
    for (int i = 0; i < 2000; ++i) {
        AnalysisInput input;
        input.span = Fixed4::round(std::fabs(std::stod(decimal(random, 500))) + 0.5).to_text();
        for (std::size_t n = load_count(random); n > 0; --n) input.loads[which(random)] = decimal(random, 1000);
        expect_consistent(input);
        if (::testing::Test::HasFatalFailure()) return;
    }
}

TEST(Working, FollowsTheProgramsOrderOfComputation) {
    const Working working = working_of(testing::make_input("10", {{"U4.V", "10"}}));
    std::vector<std::string> forces;
    for (const WorkingStep& step : working.steps) {
        if (step.stage == Stage::MemberForces && step.members.size() == 1) {
            forces.emplace_back(member_name(step.members[0]));
        }
    }
    const std::vector<std::string> hand_checked{"L0U1", "L0L1", "L1U1", "U1U2", "L1U2", "L1L2", "L2L3", "U4U8",
                                                "U3U4", "L2U2", "L2U8", "U2U8", "U2U3", "U3U8", "L3U4", "L6U7",
                                                "L5L6", "L5U7", "U6U7", "L5U6", "L4L5", "L3L4", "U4U9", "U4U5",
                                                "L4U9", "L4U6", "U6U9", "U5U6", "U5U9"};
    EXPECT_EQ(forces, hand_checked);

    const auto step = [&](std::string_view symbol) {
        return *std::find_if(working.steps.begin(), working.steps.end(),
                             [&](const WorkingStep& s) { return s.symbol == symbol; });
    };
    EXPECT_EQ(step("RL6").substituted, "50 / 10");
    const WorkingStep first = step("F(L0U1)");
    EXPECT_EQ(first.place, Place::Joint);
    EXPECT_EQ(first.node, Node::L0);
    EXPECT_EQ(first.equation, "ΣFy = 0");
    EXPECT_EQ(first.substituted, "(0 − 5) / " + number_text(step("sin θ").value));
    EXPECT_EQ(first.shown->to_text(), "-11.1814");
    EXPECT_EQ(step("F(L2L3)").known, std::vector<Member>{});
    EXPECT_EQ(step("F(U2U3)").known, (std::vector<Member>{Member::U1U2, Member::L1U2, Member::U2U8}));
}

TEST(Working, NamesTheZeroForceMembersOfASingleLoad) {
    using enum Member;
    const struct {
        const char* span;
        const char* key;
        const char* load;
        std::set<Member> zero_force;
    } cases[] = {
        {"10", "U4.V", "10", {L1U1, L1U2, U3U8, L3U4, L5U7, L5U6, U5U9}},
        {"12", "U4.V", "-3.5", {L1U1, L1U2, U3U8, L3U4, L5U7, L5U6, U5U9}},
        {"100", "U4.V", "0.0001", {L1U1, L1U2, U3U8, L3U4, L5U7, L5U6, U5U9}},
        {"10", "U1.V", "10", {U3U8, L3U4, L5U7, L5U6, U5U9}},
        {"10", "U7.H", "2", {L1U1, L1U2, U3U8, L3U4, U5U9}},
        {"10", "L1.V", "10", {L1U1, U3U8, L3U4, L5U7, L5U6, U5U9}},
        {"10", "L3.V", "7.5", {L1U1, L1U2, U3U8, L5U7, L5U6, U5U9}},
    };
    for (const auto& c : cases) {
        const Working working = working_of(testing::make_input(c.span, {{c.key, c.load}}));
        std::set<Member> zero_force;
        for (const WorkingStep& step : working.steps) {
            if (!step.zero_reason.empty()) zero_force.insert(step.members.begin(), step.members.end());
        }
        EXPECT_EQ(zero_force, c.zero_force) << c.key << " = " << c.load << " on span " << c.span;
    }
}

TEST(Working, ShowsTheResidualTheRoundedAngleLeaves) {
    const auto checks = [](const Working& working) {
        std::vector<WorkingStep> out;
        std::copy_if(working.steps.begin(), working.steps.end(), std::back_inserter(out),
                     [](const WorkingStep& s) { return s.stage == Stage::Check; });
        return out;
    };
    const std::vector<WorkingStep> loaded = checks(working_of(testing::make_input("10", {{"U4.V", "10"}})));
    ASSERT_EQ(loaded.size(), 32U);
    const auto residuals = std::count_if(loaded.begin(), loaded.end(), [](const WorkingStep& s) {
        return *s.shown != Fixed4() && step_text(s).answer.back().find("0.4636") != std::string::npos;
    });
    EXPECT_GT(residuals, 0);
    for (const WorkingStep& s : loaded) {
        if (s.node == Node::L0 || s.node == Node::L6) {
            EXPECT_EQ(*s.shown, Fixed4()) << s.symbol;
        }
    }
    for (const WorkingStep& s : checks(working_of(testing::make_input("10")))) {
        EXPECT_EQ(*s.shown, Fixed4()) << s.symbol;
        EXPECT_TRUE(s.note.empty()) << s.symbol;
    }
}

const WorkingStep& step_named(const Working& working, std::string_view symbol) {
    return *std::find_if(working.steps.begin(), working.steps.end(),
                         [&](const WorkingStep& s) { return s.symbol == symbol; });
}

std::vector<std::string> readable_lines(const WorkingStep& step) {
    const StepText text = step_text(step);
    std::vector<std::string> out{text.heading};
    for (const auto* part : {&text.question, &text.terms, &text.answer})
        out.insert(out.end(), part->begin(), part->end());
    return out;
}

// Whole lines of the text a student reads, where a word, a sign or a term is easy to lose.
TEST(Working, ReadsAsAStudentWritesIt) {
    const struct {
        const char* span;
        const char* key;
        const char* load;
        const char* symbol;
        const char* line;
    } cases[] = {
        {"10", "U4.V", "10", "ℓ1", "Length of L0U1, U1U2, U2U3, U3U4, U4U5, U5U6, U6U7 and L6U7: 1.3976."},
        {"10", "U4.V", "10", "ℓ3", "Length of L2L3 and L3L4: 1.8751."},
        {"10", "U4.V", "10", "ℓ2", "ℓ2 = 1.56253, rounded to 15 significant digits, then to four decimals: 1.5625"},
        {"10", "U4.V", "10", "ΣM(L0)", "ΣM(L0) = V(U4) × S × 0.5"},
        {"10", "U4.V", "10", "ΣM(L0)", "The loads not listed are zero."},
        {"10", "U4.V", "10", "F(L1U1)", "F(L1U1) at joint U1, two unknowns left at U1: ΣF = 0 across the top chord"},
        {"10", "U4.V", "10", "F(L1U1)", "F(L1U1) = 0, as every load in it is zero"},
        {"10", "U4.V", "10", "F(L2L3)",
         "F(L2L3) on the part left of the cut, as every joint of this half has three unknowns or more: ΣM = 0 about "
         "U4"},
        {"12", "U2.H", "5", "RL0", "RL0 = -0.624921, rounded to four decimals: -0.6249"},
        {"12", "U2.H", "5", "ΣFx(L0)", "ΣFx(L0) = 3.75001 + 1.3975 × 0.894448 − 5"},
        {"12", "U2.H", "5", "ΣFx(L2)", "ΣFx(L2) ≈ 0, rounded to four decimals: 0"},
    };
    for (const auto& c : cases) {
        const std::vector<std::string> lines =
            readable_lines(step_named(working_of(testing::make_input(c.span, {{c.key, c.load}})), c.symbol));
        EXPECT_NE(std::find(lines.begin(), lines.end(), c.line), lines.end())
            << c.line << "\nnot among the lines of " << c.symbol << ":\n"
            << ::testing::PrintToString(lines);
    }
}

// A sum or a determinant comes just before the step that first uses it, with only other
// such values between them.
TEST(Working, BringsEachIntermediateValueInWhereItIsFirstUsed) {
    const Working working = working_of(testing::make_input("10", {{"U4.V", "10"}, {"U2.H", "1"}}));
    const auto waits = [](const WorkingStep& s) { return s.stage != Stage::Geometry && s.display == Display::None; };
    for (std::size_t i = 0; i < working.steps.size(); ++i) {
        if (!waits(working.steps[i])) continue;
        std::size_t next = i + 1;
        while (next < working.steps.size() && waits(working.steps[next]) &&
               !std::any_of(working.steps[next].operands.begin(), working.steps[next].operands.end(),
                            [&](const WorkingOperand& op) { return op.symbol == working.steps[i].symbol; }))
            ++next;
        ASSERT_LT(next, working.steps.size()) << working.steps[i].symbol;
        const std::vector<WorkingOperand>& used = working.steps[next].operands;
        EXPECT_TRUE(std::any_of(used.begin(), used.end(),
                                [&](const WorkingOperand& op) { return op.symbol == working.steps[i].symbol; }))
            << working.steps[i].symbol << " is not used by " << working.steps[next].symbol;
    }
    EXPECT_EQ(step_named(working, "D1").symbol, std::next(&step_named(working, "F(U4U8)"), -1)->symbol);
}

// With loads across the truss as well, the supports still balance, and a joint that
// balances says so and nothing more.
TEST(Working, BalancedJointsCarryNoResidualNoteWithHorizontalLoadsToo) {
    const AnalysisInput inputs[] = {
        testing::make_input("12", {{"U2.H", "5"}}),
        testing::make_input("7.5", {{"U2.H", "5"}}),
        testing::make_input("10", {{"U4.V", "10"}, {"U1.H", "-2.5"}}),
        testing::make_input("12", {{"L0.H", "2"}, {"U7.H", "1.25"}, {"L6.H", "-3"}}),
        testing::make_input("7.5", {{"U5.H", "-7"}, {"L3.V", "4"}, {"U3.V", "-2"}}),
    };
    for (const AnalysisInput& input : inputs) {
        {
            const std::string span = input.span;
            for (const WorkingStep& s : working_of(input).steps) {
                if (s.stage != Stage::Check) continue;
                const StepText text = step_text(s);
                if (*s.shown == Fixed4()) {
                    EXPECT_EQ(text.answer.size(), 2U) << s.symbol << " on span " << span << ": " << text.answer.back();
                } else {
                    EXPECT_NE(text.answer.back().find("0.4636"), std::string::npos) << s.symbol;
                }
                if (s.node == Node::L0 || s.node == Node::L6) {
                    EXPECT_EQ(*s.shown, Fixed4()) << s.symbol << " on span " << span << ": " << s.substituted;
                }
            }
        }
    }
}

// At every pitch the working gives the analysis's own results, finds t as the pitch gives
// it, and keeps no rule of the 6:12 roof.
TEST(Working, HoldsAtEveryPitch) {
    const struct {
        const char* pitch;
        const char* tangent_line;  // none at 6:12
    } cases[] = {
        {"5", "t = tan(5 × π / 180)"},   {"15°", "t = tan(15 × π / 180)"}, {"22.5 deg", "t = tan(22.5 × π / 180)"},
        {"30", "t = tan(30 × π / 180)"}, {"40", "t = tan(40 × π / 180)"},  {"4:12", "t = 4 / 12"},
        {"8/12", "t = 8 / 12"},          {"rise 3.6", "t = 2 × h / S"},    {"1 in 2", nullptr},
    };
    std::mt19937_64 random(24);
    std::uniform_int_distribution<std::size_t> which(0, kLoadCount - 1);
    for (const auto& c : cases) {
        AnalysisInput input;
        input.pitch = std::get<RoofPitch>(parse_pitch(c.pitch));
        for (int i = 0; i < 40 && !::testing::Test::HasFatalFailure(); ++i) {
            input.span = Fixed4::round(9 + std::fabs(std::stod(decimal(random, 70)))).to_text();
            for (int n = 0; n < 4; ++n) input.loads[which(random)] = decimal(random, 1000);
            expect_consistent(input);
        }
        const std::string text = working_markdown(working_of(input));
        for (const char* six_in_twelve : {"S / 4", "a quarter of the span", "arctan(0.5)", "arctan(1/2)"}) {
            EXPECT_EQ(text.find(six_in_twelve) == std::string::npos, c.tangent_line != nullptr) << c.pitch;
        }
        const std::string tangent_line = c.tangent_line ? std::string("\n- ") + c.tangent_line + "\n" : "\n### 3. t";
        EXPECT_EQ(text.find(tangent_line) != std::string::npos, c.tangent_line != nullptr) << c.pitch;
        EXPECT_EQ(text.find("; roof pitch " + input.pitch.text + ";") != std::string::npos, c.tangent_line != nullptr);
    }
}

TEST(Working, AnInputThatCannotBeAnalysedIsTheAnalysisError) {
    const AnalysisInput input = testing::make_input("10", {{"U4.V", "ten"}});
    const WorkingOutcome outcome = work_out(input);
    ASSERT_TRUE(std::holds_alternative<AnalysisError>(outcome));
    EXPECT_EQ(std::get<AnalysisError>(outcome).message(), std::get<AnalysisError>(run_analysis(input)).message());
}

}  // namespace
}  // namespace korvel::engine
