#pragma once

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QObject>
#include <QPoint>
#include <QString>
#include <array>
#include <functional>
#include <string_view>
#include <vector>

#include "ui/widgets/qt_text.hpp"

class QHelpEvent;
class QWidget;

namespace korvel::ui {

// One row of a window's menu table, in menu order.
template <typename Window>
struct MenuCommand {
    std::string_view text;
    QKeySequence::StandardKey standard_key;  // the platform's key for the command, or UnknownKey
    std::string_view shortcut;               // where there is no standard key, e.g. "Ctrl+D"
    void (Window::*run)();
    bool separator_before;  // starts a new group of commands
    bool needs_analysis;    // greyed out until there is an analysis to work on
    // Makes the row a submenu instead, whose entries this writes each time it opens.
    void (Window::*fill)(QMenu&) = nullptr;
};

// The standard key where there is one, else the shortcut written out; none when both are missing.
QKeySequence shortcut_of(QKeySequence::StandardKey standard_key, std::string_view shortcut);

// A window's menu of commands beyond its fixed layout. It opens on a right-click
// on the window's background (the window itself, its drawing and its captions,
// not a button, a node hotspot or a text box, which keep their own behaviour)
// and with the Menu key or Shift+F10 from any control of the window. Each
// command also works through its shortcut, which the menu shows beside it; a
// command that does not apply is disabled, so it shows greyed out. Hovering
// over the background shows a hint that names the menu and its commands.
class WindowMenu final : public QObject {
    Q_OBJECT
public:
    explicit WindowMenu(QWidget& window);

    QAction* add_command(const QString& text, const QKeySequence& shortcut, std::function<void()> handler);
    void add_separator();
    QMenu* add_submenu(const QString& text);

    // Adds the commands of a menu table, each running its member of `window`.
    // Returns those that need an analysis, disabled until the window enables them.
    template <typename Window, std::size_t N>
    std::vector<QAction*> add_commands(Window& window, const std::array<MenuCommand<Window>, N>& commands) {
        std::vector<QAction*> needing_analysis;
        for (const MenuCommand<Window>& command : commands) {
            if (command.separator_before) add_separator();
            if (command.fill != nullptr) {
                QMenu* submenu = add_submenu(to_qstring(command.text));
                connect(submenu, &QMenu::aboutToShow, this, [&window, submenu, fill = command.fill] {
                    submenu->clear();
                    (window.*fill)(*submenu);
                });
                continue;
            }
            QAction* action = add_command(to_qstring(command.text), shortcut_of(command.standard_key, command.shortcut),
                                          [&window, run = command.run] { (window.*run)(); });
            if (!command.needs_analysis) continue;
            action->setEnabled(false);
            needing_analysis.push_back(action);
        }
        return needing_analysis;
    }

    QMenu& menu() { return menu_; }
    // What hovering over the window's background shows: that the menu is there, and its commands.
    const QString& hint() const { return hint_; }
    // Opens the menu at a point on the screen without waiting for the choice.
    void open_at(const QPoint& global_position);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The window's hover hint names the menu and its commands, so they can be found.
    void describe_on_window();
    bool show_hint(QWidget& control, const QHelpEvent& request) const;
    bool belongs_to_window(const QObject* object) const;
    QPoint keyboard_position() const;

    QWidget& window_;
    QMenu menu_;
    QString hint_;
};

// Whether a right-click on this control of a window opens the window's menu.
bool is_window_background(const QWidget& control);

}  // namespace korvel::ui
