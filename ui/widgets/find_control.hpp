#pragma once

#include <QWidget>
#include <stdexcept>
#include <string>
#include <string_view>

#include "ui/widgets/qt_text.hpp"

namespace korvel::ui {

// The control of a built window with this name, among its direct children. A
// window looks its controls up once, when it is built; a missing or mistyped
// one is a fault of the layout table, reported with the window and the name.
template <typename T>
T& find_control(const QWidget& parent, std::string_view name) {
    auto* control = parent.findChild<T*>(to_qstring(name), Qt::FindDirectChildrenOnly);
    if (control == nullptr)
        throw std::logic_error(parent.objectName().toStdString() + " has no control " + std::string(name));
    return *control;
}

}  // namespace korvel::ui
