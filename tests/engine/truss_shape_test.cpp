#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "analysis_test_support.hpp"
#include "engine/fixed4.hpp"
#include "engine/truss_shape.hpp"

namespace korvel::engine {
namespace {

double drawn_length(Member member, double span) {
    const MemberEnds ends = member_ends(member);
    const ShapePoint a = node_position(ends.first);
    const ShapePoint b = node_position(ends.second);
    return span * std::hypot(b.x - a.x, b.y - a.y);
}

// The drawing is true to the analysis: every member drawn at the span is as long
// as the analysis says (to the small difference the rounded slope angle makes).
TEST(TrussShape, EveryMemberIsDrawnAtItsAnalysedLength) {
    for (const char* span : {"16", "10", "100"}) {
        const AnalysisResult result = testing::analyse(span);
        for (const Member member : kMembers) {
            SCOPED_TRACE(std::string(span) + " " + std::string(member_name(member)));
            const double analysed = result.length(member).to_double();
            EXPECT_NEAR(drawn_length(member, parse_double(span)), analysed, analysed * 2e-4);
        }
    }
}

TEST(TrussShape, SupportsApexAndRiseSitWhereTheSpanPutsThem) {
    const struct {
        Node node;
        double x, y;
    } cases[] = {
        {Node::L0, 0, 0}, {Node::L6, 1, 0}, {Node::U4, 0.5, 0.25}, {Node::L3, 0.5, 0}, {Node::U1, 0.125, 0.0625},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(node_name(c.node)));
        EXPECT_DOUBLE_EQ(node_position(c.node).x, c.x);
        EXPECT_DOUBLE_EQ(node_position(c.node).y, c.y);
    }
}

TEST(TrussShape, TheLeftHalfMirrorsTheRightHalf) {
    const struct {
        Node left, right;
    } pairs[] = {{Node::L1, Node::L5}, {Node::L2, Node::L4}, {Node::U1, Node::U7},
                 {Node::U2, Node::U6}, {Node::U3, Node::U5}, {Node::U8, Node::U9}};
    for (const auto& p : pairs) {
        EXPECT_DOUBLE_EQ(node_position(p.left).x, 1 - node_position(p.right).x);
        EXPECT_DOUBLE_EQ(node_position(p.left).y, node_position(p.right).y);
    }
}

TEST(TrussShape, MemberNamesThatAreNotMembersAreRefused) {
    for (const char* name : {"", "L0", "L0U", "L0U1X", "X0U1", "L0U0", "l0u1", "L0L2", "RL0"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(member_from_name(name));
    }
    EXPECT_EQ(member_ends(*member_from_name("U4U9")).first, Node::U4);
    EXPECT_EQ(member_ends(*member_from_name("U4U9")).second, Node::U9);
    for (const Member member : kMembers) EXPECT_EQ(member_from_name(member_name(member)), member);
    for (const Reaction reaction : kReactions) EXPECT_EQ(reaction_from_name(reaction_name(reaction)), reaction);
    EXPECT_FALSE(reaction_from_name("L0L1"));
}

// The groups follow from where the members lie: a chord member joins two nodes
// of its chord, and every other member is a web.
TEST(TrussShape, EachMemberIsGroupedByTheChordBothItsEndsLieOn) {
    const auto on_bottom_chord = [](Node node) { return node_position(node).y == 0; };
    const auto on_top_chord = [](Node node) {
        const ShapePoint p = node_position(node);
        return std::abs(p.y - std::min(p.x, 1 - p.x) / 2) < 1e-12;
    };
    for (const Member member : kMembers) {
        SCOPED_TRACE(std::string(member_name(member)));
        const MemberEnds ends = member_ends(member);
        const MemberGroup expected = on_bottom_chord(ends.first) && on_bottom_chord(ends.second)
                                         ? MemberGroup::BottomChord
                                     : on_top_chord(ends.first) && on_top_chord(ends.second) ? MemberGroup::TopChord
                                                                                             : MemberGroup::Web;
        EXPECT_EQ(member_group(member), expected);
    }
}

}  // namespace
}  // namespace korvel::engine
