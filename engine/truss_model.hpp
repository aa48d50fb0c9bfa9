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

enum class ResultKind : std::uint8_t { Length, Reaction, Force };

// One result label of the results window and the value it shows.
struct ResultSlot {
    std::string_view label;  // e.g. "Label59"
    std::string_view item;   // member "L0L1" or reaction "RL0"
    ResultKind kind;
};

inline constexpr std::size_t kMemberCount = 29;
inline constexpr std::size_t kResultCount = 2 * kMemberCount + 3;

// The 61 result labels in the order the analysis writes them: 29 lengths,
// the reactions RL6, RL0 and HL0, then 29 axial forces.
extern const std::array<ResultSlot, kResultCount> kResultSlots;

// The 29 members in the order the results window lists them (left block, then right block).
extern const std::array<std::string_view, kMemberCount> kMembersInTableOrder;

std::optional<std::size_t> result_index_by_label(std::string_view label);
std::optional<std::size_t> result_index(std::string_view item, ResultKind kind);

}  // namespace korvel::engine
