#include "ui/main_window/hotspots.hpp"

#include <optional>
#include <stdexcept>
#include <string>

namespace korvel::ui {

std::size_t load_slot_of(engine::Node node, engine::Component component) {
    const std::optional<std::size_t> index = engine::load_index(node, component);
    if (!index) {
        throw std::invalid_argument(
            "no load label for the " +
            std::string(component == engine::Component::Horizontal ? "horizontal" : "vertical") + " load at " +
            std::string(engine::node_name(node)));
    }
    return *index;
}

}  // namespace korvel::ui
