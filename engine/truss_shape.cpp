#include "engine/truss_shape.hpp"

#include <array>

namespace korvel::engine {
namespace {

// With tan θ = 1/2 every node lies on a grid of thirty-seconds of the span: the
// top chord rises 1 in 2 in four equal panels to the apex, each short web meets
// the top chord at a right angle, and every bottom-chord panel beside a support
// is p / cos θ = 5/32 of the span long.
struct GridPoint {
    int x;
    int y;
};

constexpr std::array<GridPoint, 16> kNodeGrid{{
    {0, 0},
    {5, 0},
    {10, 0},
    {16, 0},
    {22, 0},
    {27, 0},
    {32, 0},  // L0..L6
    {4, 2},
    {8, 4},
    {12, 6},
    {16, 8},
    {20, 6},
    {24, 4},
    {28, 2},  // U1..U7
    {13, 4},
    {19, 4},  // U8, U9
}};

constexpr double kGridPerSpan = 32.0;

}  // namespace

ShapePoint node_position(Node node) {
    const GridPoint grid = kNodeGrid[static_cast<std::size_t>(node)];
    return {grid.x / kGridPerSpan, grid.y / kGridPerSpan};
}

MemberEnds member_ends(Member member) {
    const std::string_view name = member_name(member);
    return {*node_from_name(name.substr(0, 2)), *node_from_name(name.substr(2, 2))};
}

}  // namespace korvel::engine
