#include "engine/truss_model.hpp"

#include <algorithm>

namespace korvel::engine {
namespace {

constexpr std::array<std::string_view, kNodeCount> kNodeNames{"L0", "L1", "L2", "L3", "L4", "L5", "L6", "U1",
                                                              "U2", "U3", "U4", "U5", "U6", "U7", "U8", "U9"};

// The position of the first row of `table` that `matches`, if any.
template <typename Table, typename Matches>
std::optional<std::size_t> index_where(const Table& table, Matches matches) {
    const auto found = std::find_if(table.begin(), table.end(), matches);
    if (found == table.end()) return std::nullopt;
    return static_cast<std::size_t>(found - table.begin());
}

}  // namespace

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

std::optional<Member> member_from_name(std::string_view name) {
    const auto index = index_where(kMemberNames, [&](std::string_view n) { return n == name; });
    if (!index) return std::nullopt;
    return static_cast<Member>(*index);
}

std::optional<Reaction> reaction_from_name(std::string_view name) {
    const auto index = index_where(kReactionNames, [&](std::string_view n) { return n == name; });
    if (!index) return std::nullopt;
    return static_cast<Reaction>(*index);
}

}  // namespace korvel::engine
