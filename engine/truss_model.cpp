#include "engine/truss_model.hpp"

#include <algorithm>

namespace korvel::engine {
namespace {

constexpr std::array<std::string_view, 16> kNodeNames{"L0", "L1", "L2", "L3", "L4", "L5", "L6", "U1",
                                                      "U2", "U3", "U4", "U5", "U6", "U7", "U8", "U9"};

using K = ResultKind;

// The position of the first row of `table` that `matches`, if any.
template <typename Table, typename Matches>
std::optional<std::size_t> index_where(const Table& table, Matches matches) {
    const auto found = std::find_if(table.begin(), table.end(), matches);
    if (found == table.end()) return std::nullopt;
    return static_cast<std::size_t>(found - table.begin());
}

}  // namespace

const std::array<ResultSlot, kResultCount> kResultSlots{{
    // Member lengths, in the order they are written.
    {"Label53", "L0U1", K::Length},
    {"Label51", "U1U2", K::Length},
    {"Label49", "U2U3", K::Length},
    {"Label47", "U3U4", K::Length},
    {"Label46", "U4U5", K::Length},
    {"Label48", "U5U6", K::Length},
    {"Label50", "U6U7", K::Length},
    {"Label52", "L6U7", K::Length},
    {"Label56", "L5L6", K::Length},
    {"Label59", "L0L1", K::Length},
    {"Label55", "L4L5", K::Length},
    {"Label58", "L1L2", K::Length},
    {"Label54", "L3L4", K::Length},
    {"Label57", "L2L3", K::Length},
    {"Label43", "L5U7", K::Length},
    {"Label45", "L1U1", K::Length},
    {"Label42", "L5U6", K::Length},
    {"Label41", "L1U2", K::Length},
    {"Label17", "L4U6", K::Length},
    {"Label44", "L2U2", K::Length},
    {"Label33", "U2U8", K::Length},
    {"Label32", "U6U9", K::Length},
    {"Label34", "U3U8", K::Length},
    {"Label35", "U5U9", K::Length},
    {"Label39", "L2U8", K::Length},
    {"Label40", "L4U9", K::Length},
    {"Label38", "U4U9", K::Length},
    {"Label37", "U4U8", K::Length},
    {"Label36", "L3U4", K::Length},
    // Support reactions.
    {"Label99", "RL6", K::Reaction},
    {"Label98", "RL0", K::Reaction},
    {"Label100", "HL0", K::Reaction},
    // Axial forces, in the order they are computed and written.
    {"Label68", "L0U1", K::Force},
    {"Label62", "L0L1", K::Force},
    {"Label79", "L1U1", K::Force},
    {"Label70", "U1U2", K::Force},
    {"Label83", "L1U2", K::Force},
    {"Label63", "L1L2", K::Force},
    {"Label64", "L2L3", K::Force},
    {"Label87", "U4U8", K::Force},
    {"Label74", "U3U4", K::Force},
    {"Label80", "L2U2", K::Force},
    {"Label85", "L2U8", K::Force},
    {"Label91", "U2U8", K::Force},
    {"Label72", "U2U3", K::Force},
    {"Label90", "U3U8", K::Force},
    {"Label88", "L3U4", K::Force},
    {"Label69", "L6U7", K::Force},
    {"Label65", "L5L6", K::Force},
    {"Label81", "L5U7", K::Force},
    {"Label71", "U6U7", K::Force},
    {"Label82", "L5U6", K::Force},
    {"Label66", "L4L5", K::Force},
    {"Label67", "L3L4", K::Force},
    {"Label86", "U4U9", K::Force},
    {"Label75", "U4U5", K::Force},
    {"Label84", "L4U9", K::Force},
    {"Label93", "L4U6", K::Force},
    {"Label92", "U6U9", K::Force},
    {"Label73", "U5U6", K::Force},
    {"Label89", "U5U9", K::Force},
}};

const std::array<std::string_view, kMemberCount> kMembersInTableOrder{
    // Left block: the chords and the vertical.
    "L0L1", "L3L4", "L3U4", "U4U5", "L0U1", "L1L2", "L2L3", "U1U2", "U2U3", "U3U4", "U5U6", "U6U7", "L6U7", "L5L6",
    "L4L5",
    // Right block: the other web members.
    "L1U2", "L2U8", "L5U6", "U4U9", "L5U7", "L4U6", "L1U1", "L2U2", "U4U8", "U2U8", "L4U9", "U6U9", "U3U8", "U5U9"};

std::string_view node_name(Node node) { return kNodeNames[static_cast<std::size_t>(node)]; }

std::optional<Node> node_from_name(std::string_view name) {
    const auto index = index_where(kNodeNames, [&](std::string_view n) { return n == name; });
    if (!index) return std::nullopt;
    return static_cast<Node>(*index);
}

std::optional<std::size_t> load_index_by_label(std::string_view label) {
    return index_where(kLoadMap, [&](const LoadSlot& slot) { return slot.label == label; });
}

std::optional<std::size_t> load_index(Node node, Component component) {
    return index_where(kLoadMap,
                       [&](const LoadSlot& slot) { return slot.node == node && slot.component == component; });
}

std::optional<std::size_t> load_index_by_key(std::string_view key) {
    const std::size_t dot = key.find('.');
    if (dot == std::string_view::npos || dot + 2 != key.size()) return std::nullopt;
    const std::optional<Node> node = node_from_name(key.substr(0, dot));
    if (!node) return std::nullopt;
    switch (key[dot + 1]) {
        case 'H': return load_index(*node, Component::Horizontal);
        case 'V': return load_index(*node, Component::Vertical);
        default: return std::nullopt;
    }
}

std::string load_key(const LoadSlot& slot) {
    return std::string(node_name(slot.node)) + (slot.component == Component::Horizontal ? ".H" : ".V");
}

std::string load_description(const LoadSlot& slot) {
    return std::string(slot.component == Component::Horizontal ? "horizontal" : "vertical") + " load at " +
           std::string(node_name(slot.node));
}

std::optional<std::size_t> result_index_by_label(std::string_view label) {
    return index_where(kResultSlots, [&](const ResultSlot& slot) { return slot.label == label; });
}

std::optional<std::size_t> result_index(std::string_view item, ResultKind kind) {
    return index_where(kResultSlots, [&](const ResultSlot& slot) { return slot.item == item && slot.kind == kind; });
}

}  // namespace korvel::engine
