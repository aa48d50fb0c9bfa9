#pragma once

#include <QWidget>
#include <string_view>

#include "ui/widgets/find_control.hpp"
#include "ui/widgets/qt_text.hpp"
#include "ui/widgets/table_area.hpp"

namespace korvel::ui::testing {

// A control of a built window by name, wherever the window keeps it: the labels
// of a table sit in the window's table layer, every other control on the window.
template <typename T>
T& window_control(const QWidget& window, std::string_view name) {
    if (const auto* table = window.findChild<TableArea*>(QStringLiteral("TableArea"), Qt::FindDirectChildrenOnly)) {
        if (auto* cell = table->findChild<T*>(to_qstring(name), Qt::FindDirectChildrenOnly)) return *cell;
    }
    return find_control<T>(window, name);
}

}  // namespace korvel::ui::testing
