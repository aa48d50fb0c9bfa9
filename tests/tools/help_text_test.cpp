#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "engine/truss_model.hpp"
#include "tools/korvel_solve/command_line.hpp"

namespace korvel::solve {
namespace {

std::string help() {
    const char* argv[] = {"korvel-solve", "--help"};
    return std::get<InfoText>(parse_command_line(2, argv)).text;
}

TEST(Help, FitsEightyColumns) {
    std::istringstream lines(help());
    for (std::string line; std::getline(lines, line);) {
        EXPECT_LE(line.size(), 80u) << line;
        EXPECT_EQ(line.find('\t'), std::string::npos) << line;
    }
}

TEST(Help, ShowsEveryOptionFormatExampleAndExitStatus) {
    const std::string text = help();
    for (const char* part : {"--span",
                             "--load",
                             "--format",
                             "--batch",
                             "--jobs",
                             "--numbers",
                             "--max-line-bytes",
                             "--help",
                             "--version",
                             "CASE.json",
                             "table",
                             "csv",
                             "json",
                             "korvel-solve --span 16 --load U4.V=10",
                             "| jq",
                             "roof.korvel.json",
                             "Exit status:",
                             "  0  ",
                             "  1  ",
                             "  2  usage error",
                             "bad-request"}) {
        EXPECT_NE(text.find(part), std::string::npos) << part;
    }
}

TEST(Help, NamesWhichNodesTakeWhichLoad) {
    const std::string text = help();
    const std::size_t vertical = text.find("NODE.V");
    const std::size_t horizontal = text.find("NODE.H", vertical);
    ASSERT_NE(vertical, std::string::npos);
    ASSERT_NE(horizontal, std::string::npos);
    const std::string vertical_line = text.substr(vertical, text.find('\n', vertical) - vertical);
    const std::string horizontal_line = text.substr(horizontal, text.find('\n', horizontal) - horizontal);
    // Every node of the load map is listed under its components, and no other.
    for (const engine::Node node :
         {engine::Node::L0, engine::Node::L1, engine::Node::L2, engine::Node::L3, engine::Node::L4, engine::Node::L5,
          engine::Node::L6, engine::Node::U1, engine::Node::U2, engine::Node::U3, engine::Node::U4, engine::Node::U5,
          engine::Node::U6, engine::Node::U7, engine::Node::U8, engine::Node::U9}) {
        const std::string name = std::string(" ").append(engine::node_name(node));
        const bool takes_v = engine::load_index(node, engine::Component::Vertical).has_value();
        const bool takes_h = engine::load_index(node, engine::Component::Horizontal).has_value();
        EXPECT_EQ(vertical_line.find(name) != std::string::npos, takes_v) << name;
        EXPECT_EQ(horizontal_line.find(name) != std::string::npos, takes_h) << name;
    }
}

}  // namespace
}  // namespace korvel::solve
