#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korvel::engine {

// The sixteen nodes: L0..L6 along the bottom chord, U1..U7 along the top chord
// from the left support over the apex U4, and the inner nodes U8 and U9.
enum class Node : std::uint8_t { L0, L1, L2, L3, L4, L5, L6, U1, U2, U3, U4, U5, U6, U7, U8, U9 };
inline constexpr std::size_t kNodeCount = static_cast<std::size_t>(Node::U9) + 1;

std::string_view node_name(Node node);
std::optional<Node> node_from_name(std::string_view name);

// Horizontal loads are positive to the right, vertical loads positive downward.
enum class Component : std::uint8_t { Horizontal, Vertical };

// One of the 23 load labels of the main window, with the node and component it holds.
struct LoadSlot {
    std::string_view label;  // e.g. "Label29"
    Node node;
    Component component;
};

inline constexpr std::size_t kLoadCount = 23;

// The load labels in the order the analysis reads them.
inline constexpr std::array<LoadSlot, kLoadCount> kLoadMap{{
    {"Label20", Node::L0, Component::Horizontal}, {"Label21", Node::L0, Component::Vertical},
    {"Label22", Node::U1, Component::Horizontal}, {"Label23", Node::U1, Component::Vertical},
    {"Label24", Node::U2, Component::Horizontal}, {"Label25", Node::U2, Component::Vertical},
    {"Label26", Node::U3, Component::Horizontal}, {"Label27", Node::U3, Component::Vertical},
    {"Label28", Node::U4, Component::Horizontal}, {"Label29", Node::U4, Component::Vertical},
    {"Label34", Node::U5, Component::Horizontal}, {"Label33", Node::U5, Component::Vertical},
    {"Label36", Node::U6, Component::Horizontal}, {"Label35", Node::U6, Component::Vertical},
    {"Label40", Node::U7, Component::Horizontal}, {"Label42", Node::U7, Component::Vertical},
    {"Label39", Node::L6, Component::Horizontal}, {"Label41", Node::L6, Component::Vertical},
    {"Label30", Node::L1, Component::Vertical},   {"Label31", Node::L2, Component::Vertical},
    {"Label32", Node::L3, Component::Vertical},   {"Label38", Node::L4, Component::Vertical},
    {"Label37", Node::L5, Component::Vertical},
}};

std::optional<std::size_t> load_index_by_label(std::string_view label);
std::optional<std::size_t> load_index(Node node, Component component);
// "U4.V" or "L0.H" (the command-line and batch form of a load component).
std::optional<std::size_t> load_index_by_key(std::string_view key);
std::string load_key(const LoadSlot& slot);          // "U4.V"
std::string load_description(const LoadSlot& slot);  // "vertical load at U4"

// The 29 members, each named by its two nodes: the bottom chord, the top chord, then the webs.
enum class Member : std::uint8_t {
    L0L1,
    L1L2,
    L2L3,
    L3L4,
    L4L5,
    L5L6,
    L0U1,
    U1U2,
    U2U3,
    U3U4,
    U4U5,
    U5U6,
    U6U7,
    L6U7,
    L1U1,
    L1U2,
    L2U2,
    L2U8,
    U2U8,
    U3U8,
    U4U8,
    L3U4,
    U4U9,
    U5U9,
    U6U9,
    L4U9,
    L4U6,
    L5U6,
    L5U7,
};

// RL0 and RL6 upward at the supports, HL0 to the left at the hinge L0.
enum class Reaction : std::uint8_t { RL0, RL6, HL0 };

inline constexpr std::size_t kMemberCount = 29, kReactionCount = 3;

constexpr std::size_t to_index(Member member) { return static_cast<std::size_t>(member); }
constexpr std::size_t to_index(Reaction reaction) { return static_cast<std::size_t>(reaction); }

// Every member and every reaction, in the order of their enumerations.
inline constexpr std::array<Member, kMemberCount> kMembers = [] {
    std::array<Member, kMemberCount> members{};
    for (std::size_t i = 0; i < kMemberCount; ++i) members[i] = static_cast<Member>(i);
    return members;
}();
inline constexpr std::array<Reaction, kReactionCount> kReactions{Reaction::RL0, Reaction::RL6, Reaction::HL0};

// "L0L1", "RL0": the names the results window, the files and the command line use.
inline constexpr std::array<std::string_view, kMemberCount> kMemberNames{
    "L0L1", "L1L2", "L2L3", "L3L4", "L4L5", "L5L6", "L0U1", "U1U2", "U2U3", "U3U4",
    "U4U5", "U5U6", "U6U7", "L6U7", "L1U1", "L1U2", "L2U2", "L2U8", "U2U8", "U3U8",
    "U4U8", "L3U4", "U4U9", "U5U9", "U6U9", "L4U9", "L4U6", "L5U6", "L5U7"};
inline constexpr std::array<std::string_view, kReactionCount> kReactionNames{"RL0", "RL6", "HL0"};

constexpr std::string_view member_name(Member member) { return kMemberNames[to_index(member)]; }
constexpr std::string_view reaction_name(Reaction reaction) { return kReactionNames[to_index(reaction)]; }
// Where a member lies: along the top chord (the rafters), along the bottom chord, or between them.
enum class MemberGroup : std::uint8_t { TopChord, BottomChord, Web };

struct MemberGroupRow {
    MemberGroup group;
    std::string_view heading;
};

// The groups in the order a report lists them.
inline constexpr std::array<MemberGroupRow, 3> kMemberGroups{{
    {MemberGroup::TopChord, "Top chord"},
    {MemberGroup::BottomChord, "Bottom chord"},
    {MemberGroup::Web, "Web"},
}};

// Each member's group, indexed by Member.
inline constexpr std::array<MemberGroup, kMemberCount> kMemberGroupOf = [] {
    std::array<MemberGroup, kMemberCount> groups{};
    for (std::size_t i = 0; i < kMemberCount; ++i) {
        const auto member = static_cast<Member>(i);
        groups[i] = member <= Member::L5L6   ? MemberGroup::BottomChord
                    : member <= Member::L6U7 ? MemberGroup::TopChord
                                             : MemberGroup::Web;
    }
    return groups;
}();

constexpr MemberGroup member_group(Member member) { return kMemberGroupOf[to_index(member)]; }

// The only way from a name that comes from outside (command line, JSON) to an id.
std::optional<Member> member_from_name(std::string_view name);
std::optional<Reaction> reaction_from_name(std::string_view name);

}  // namespace korvel::engine
