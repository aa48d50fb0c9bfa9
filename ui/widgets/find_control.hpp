#pragma once

#include <QString>
#include <QWidget>
#include <stdexcept>
#include <string>
#include <string_view>

namespace korvel::ui {

// The control of type T called `name` among the children of `parent`, found once
// when a window is built; a layout table that names no such control is a
// programming error.
template <typename T>
T& find_control(const QWidget& parent, std::string_view name) {
    T* control = parent.findChild<T*>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    if (control == nullptr) {
        throw std::logic_error(parent.objectName().toStdString() + " has no control " + std::string(name));
    }
    return *control;
}

}  // namespace korvel::ui
