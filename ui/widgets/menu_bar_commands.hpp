#pragma once

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <array>
#include <vector>

#include "ui/widgets/qt_text.hpp"
#include "ui/widgets/window_menu.hpp"

namespace korvel::ui {

// Adds the commands of a menu table to a menu of a window's menu bar, each
// running its member of `window`; returns the actions in the table's order. A
// written-out shortcut may give alternatives, "Ctrl+Shift+Z; Ctrl+Y".
template <typename Window, std::size_t N>
std::vector<QAction*> add_menu_commands(QMenu& menu, Window& window,
                                        const std::array<MenuCommand<Window>, N>& commands) {
    std::vector<QAction*> actions;
    for (const MenuCommand<Window>& command : commands) {
        if (command.separator_before) menu.addSeparator();
        QAction* action = menu.addAction(to_qstring(command.text));
        if (command.standard_key != QKeySequence::UnknownKey)
            action->setShortcuts(command.standard_key);
        else
            action->setShortcuts(QKeySequence::listFromString(to_qstring(command.shortcut)));
        QObject::connect(action, &QAction::triggered, &window, [&window, run = command.run] { (window.*run)(); });
        actions.push_back(action);
    }
    return actions;
}

}  // namespace korvel::ui
