#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "engine/analysis.hpp"
#include "engine/truss_model.hpp"

namespace korvel::engine {

// The results as one table: the order, names and captions that the results
// window lays out and that every copy, file, report and command-line format
// writes.

inline constexpr std::string_view kMemberHeading = "Member";
inline constexpr std::string_view kLengthHeading = "Length";
inline constexpr std::string_view kForceHeading = "Axial force";
inline constexpr std::string_view kReactionsHeading = "Reactions";

// The left block holds the chords and the vertical L3U4; the right block the other webs.
inline constexpr std::size_t kLeftBlockMemberCount = 15;
inline constexpr std::array<Member, kMemberCount> kMembersInTableOrder{{
    Member::L0L1,
    Member::L3L4,
    Member::L3U4,
    Member::U4U5,
    Member::L0U1,
    Member::L1L2,
    Member::L2L3,
    Member::U1U2,
    Member::U2U3,
    Member::U3U4,
    Member::U5U6,
    Member::U6U7,
    Member::L6U7,
    Member::L5L6,
    Member::L4L5,
    // Right block.
    Member::L1U2,
    Member::L2U8,
    Member::L5U6,
    Member::U4U9,
    Member::L5U7,
    Member::L4U6,
    Member::L1U1,
    Member::L2U2,
    Member::U4U8,
    Member::U2U8,
    Member::L4U9,
    Member::U6U9,
    Member::U3U8,
    Member::U5U9,
}};

namespace detail {
// Every member name has four characters; its caption adds "=".
inline constexpr auto kMemberCaptionCharacters = [] {
    std::array<std::array<char, 5>, kMemberCount> captions{};
    for (std::size_t m = 0; m < kMemberCount; ++m) {
        for (std::size_t c = 0; c < 4; ++c) captions[m][c] = kMemberNames[m].at(c);
        captions[m][4] = '=';
    }
    return captions;
}();
}  // namespace detail

// "L0L1=".
constexpr std::string_view member_caption(Member member) {
    const auto& caption = detail::kMemberCaptionCharacters[to_index(member)];
    return {caption.data(), caption.size()};
}

// The reactions block, top to bottom, with the captions that say which way each is positive.
struct ReactionRow {
    Reaction reaction;
    std::string_view caption;
};

inline constexpr std::array<ReactionRow, kReactionCount> kReactionRows{{
    {Reaction::RL0, "RL0 (Up) ="},
    {Reaction::RL6, "RL6 (Up) ="},
    {Reaction::HL0, "HL0(Left)="},
}};

// The results as CSV (RFC 4180: CRLF line ends): the header
// item,length,axial_force,reaction, then one row per member in table order
// (name,length,force,) and one per reaction (name,,,value). Every field is a
// name or a Fixed4 text, so none needs quotes. A roof that is not 6:12 adds a
// last row pitch,TEXT,, (TEXT such as 30° or 7:12).
std::string results_csv(const AnalysisResult& result, const RoofPitch& pitch = {});

}  // namespace korvel::engine
