#include "ui/main_window/hotspots.hpp"

#include <optional>
#include <stdexcept>
#include <string>

namespace korvel::ui {

std::string_view load_label_of(engine::Node node, engine::Component component) {
    const std::optional<std::size_t> index = engine::load_index(node, component);
    if (!index) {
        throw std::invalid_argument(
            "no load label for the " +
            std::string(component == engine::Component::Horizontal ? "horizontal" : "vertical") + " load at " +
            std::string(engine::node_name(node)));
    }
    return engine::kLoadMap[*index].label;
}

}  // namespace korvel::ui
