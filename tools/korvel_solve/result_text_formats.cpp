#include "tools/korvel_solve/result_text_formats.hpp"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "tools/korvel_solve/reaction_order.hpp"

namespace korvel::solve {

namespace {

constexpr std::string_view kColumnGap = "  ";

// The captions of the results window's reactions block.
constexpr std::array<std::string_view, 3> kReactionCaptions{"RL0 (Up) =", "RL6 (Up) =", "HL0(Left)="};

void write_padded(std::ostream& out, std::string_view text, std::size_t width) {
    out << text;
    for (std::size_t i = text.size(); i < width; ++i) out.put(' ');
}

}  // namespace

void write_table(std::ostream& out, const engine::AnalysisResult& result) {
    constexpr std::string_view kMember = "Member";
    constexpr std::string_view kLength = "Length";
    constexpr std::string_view kForce = "Axial force";

    std::size_t member_width = kMember.size();
    std::size_t length_width = kLength.size();
    for (const std::string_view member : engine::kMembersInTableOrder) {
        member_width = std::max(member_width, member.size());
        length_width = std::max(length_width, result.length(member).size());
    }

    write_padded(out, kMember, member_width);
    out << kColumnGap;
    write_padded(out, kLength, length_width);
    out << kColumnGap << kForce << '\n';
    for (const std::string_view member : engine::kMembersInTableOrder) {
        write_padded(out, member, member_width);
        out << kColumnGap;
        write_padded(out, result.length(member), length_width);
        out << kColumnGap << result.force(member) << '\n';
    }

    out << "\nReactions\n";
    for (std::size_t i = 0; i < kReactionsInOrder.size(); ++i) {
        out << kReactionCaptions[i] << ' ' << result.reaction(kReactionsInOrder[i]) << '\n';
    }
}

void write_csv(std::ostream& out, const engine::AnalysisResult& result) {
    out << "item,length,axial_force,reaction\n";
    for (const std::string_view member : engine::kMembersInTableOrder) {
        out << member << ',' << result.length(member) << ',' << result.force(member) << ",\n";
    }
    for (const std::string_view reaction : kReactionsInOrder) {
        out << reaction << ",,," << result.reaction(reaction) << '\n';
    }
}

}  // namespace korvel::solve
