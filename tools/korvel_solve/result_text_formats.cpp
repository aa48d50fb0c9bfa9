#include "tools/korvel_solve/result_text_formats.hpp"

#include <algorithm>
#include <string>
#include <string_view>

#include "engine/result_table.hpp"

namespace korvel::solve {

namespace {

constexpr std::string_view kColumnGap = "  ";

void write_padded(std::ostream& out, std::string_view text, std::size_t width) {
    out << text;
    for (std::size_t i = text.size(); i < width; ++i) out.put(' ');
}

}  // namespace

void write_table(std::ostream& out, const engine::AnalysisResult& result) {
    std::size_t member_width = engine::kMemberHeading.size();
    std::size_t length_width = engine::kLengthHeading.size();
    for (const engine::Member member : engine::kMembersInTableOrder) {
        member_width = std::max(member_width, engine::member_name(member).size());
        length_width = std::max(length_width, result.length(member).to_text().size());
    }

    write_padded(out, engine::kMemberHeading, member_width);
    out << kColumnGap;
    write_padded(out, engine::kLengthHeading, length_width);
    out << kColumnGap << engine::kForceHeading << '\n';
    for (const engine::Member member : engine::kMembersInTableOrder) {
        write_padded(out, engine::member_name(member), member_width);
        out << kColumnGap;
        write_padded(out, result.length(member).to_text(), length_width);
        out << kColumnGap << result.force(member).to_text() << '\n';
    }

    out << '\n' << engine::kReactionsHeading << '\n';
    for (const engine::ReactionRow& row : engine::kReactionRows) {
        out << row.caption << ' ' << result.reaction(row.reaction).to_text() << '\n';
    }
}

}  // namespace korvel::solve
