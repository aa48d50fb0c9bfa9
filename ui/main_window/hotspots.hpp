#pragma once

#include <array>
#include <string_view>

#include "engine/truss_model.hpp"

namespace korvel::ui {

// A two-component hotspot asks for the horizontal and then the vertical load of
// its node; a vertical-only hotspot asks for the vertical load alone.
enum class HotspotKind { TwoComponent, VerticalOnly };

struct Hotspot {
    std::string_view label;  // the hotspot's control name
    engine::Node node;
    HotspotKind kind;
};

inline constexpr std::array<Hotspot, 14> kHotspots{{
    {"Label11", engine::Node::L0, HotspotKind::TwoComponent},
    {"Label12", engine::Node::U1, HotspotKind::TwoComponent},
    {"Label13", engine::Node::U2, HotspotKind::TwoComponent},
    {"Label14", engine::Node::U3, HotspotKind::TwoComponent},
    {"Label15", engine::Node::U4, HotspotKind::TwoComponent},
    {"Label10", engine::Node::U5, HotspotKind::TwoComponent},
    {"Label9", engine::Node::U6, HotspotKind::TwoComponent},
    {"Label8", engine::Node::U7, HotspotKind::TwoComponent},
    {"Label17", engine::Node::L6, HotspotKind::TwoComponent},
    {"Label6", engine::Node::L1, HotspotKind::VerticalOnly},
    {"Label5", engine::Node::L2, HotspotKind::VerticalOnly},
    {"Label4", engine::Node::L3, HotspotKind::VerticalOnly},
    {"Label3", engine::Node::L4, HotspotKind::VerticalOnly},
    {"Label2", engine::Node::L5, HotspotKind::VerticalOnly},
}};

// The place in the analysis' load map of one component of a node; throws
// std::invalid_argument for a component the node cannot take.
std::size_t load_slot_of(engine::Node node, engine::Component component);

}  // namespace korvel::ui
