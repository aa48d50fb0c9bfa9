#include "tools/korvel_solve/load_argument.hpp"

#include <gtest/gtest.h>

#include "engine/truss_model.hpp"
#include "tools/korvel_solve/usage_error.hpp"

namespace korvel::solve {
namespace {

struct GoodLoad {
    const char* argument;
    const char* key;
    const char* text;
};

class LoadArgumentAccepts : public testing::TestWithParam<GoodLoad> {};

TEST_P(LoadArgumentAccepts, KeepsTheTextExactlyAsTyped) {
    const GoodLoad& c = GetParam();
    const LoadAssignment load = parse_load_argument(c.argument);
    EXPECT_EQ(engine::load_key(engine::kLoadMap[load.load_index]), c.key);
    EXPECT_EQ(load.text, c.text);
}

INSTANTIATE_TEST_SUITE_P(Loads, LoadArgumentAccepts,
                         testing::Values(GoodLoad{"U4.V=10", "U4.V", "10"}, GoodLoad{"L0.H= 2.5 ", "L0.H", " 2.5 "},
                                         GoodLoad{"L6.H=1=2", "L6.H", "1=2"}, GoodLoad{"L3.V=", "L3.V", ""},
                                         GoodLoad{"U7.H=-1e3", "U7.H", "-1e3"}, GoodLoad{"L5.V=abc", "L5.V", "abc"},
                                         GoodLoad{"U1.H=0", "U1.H", "0"}));

struct BadLoad {
    const char* argument;
    const char* named;  // the message must name this
};

class LoadArgumentRefuses : public testing::TestWithParam<BadLoad> {};

TEST_P(LoadArgumentRefuses, WithAMessageNamingTheArgument) {
    const BadLoad& c = GetParam();
    try {
        parse_load_argument(c.argument);
        FAIL() << "accepted " << c.argument;
    } catch (const UsageError& error) {
        EXPECT_NE(std::string(error.what()).find(c.named), std::string::npos) << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Loads, LoadArgumentRefuses,
                         testing::Values(BadLoad{"U8.V=1", "U8.V"},  // inner nodes take no load
                                         BadLoad{"U9.H=1", "U9.H"},
                                         BadLoad{"L3.H=1", "L3.H"},  // no horizontal load inside the bottom chord
                                         BadLoad{"L1.H=1", "L1.H"}, BadLoad{"L7.V=1", "L7.V"},  // no such node
                                         BadLoad{"Q4.V=1", "Q4.V"}, BadLoad{"U4.X=1", "U4.X"},  // no such component
                                         BadLoad{"u4.v=1", "u4.v"}, BadLoad{"U4V=1", "U4V"}, BadLoad{"=5", "=5"},
                                         BadLoad{"U4.V", "U4.V"}));  // no '=' at all

}  // namespace
}  // namespace korvel::solve
