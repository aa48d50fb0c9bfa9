#pragma once

#include <QKeySequence>
#include <QMenu>
#include <QObject>
#include <QPoint>
#include <QString>
#include <functional>

class QAction;
class QWidget;

namespace korvel::ui {

// A window's menu of commands beyond its fixed layout. It opens on a right-click
// on the window's background (the window itself, its drawing and its captions,
// not a button, a node hotspot or a text box, which keep their own behaviour)
// and with the Menu key or Shift+F10 from any control of the window. Each
// command also works through its shortcut, which the menu shows beside it; a
// command that does not apply is disabled, so it shows greyed out.
class WindowMenu final : public QObject {
    Q_OBJECT
public:
    explicit WindowMenu(QWidget& window);

    QAction* add_command(const QString& text, const QKeySequence& shortcut, std::function<void()> handler);
    void add_separator();

    QMenu& menu() { return menu_; }
    // Opens the menu at a point on the screen without waiting for the choice.
    void open_at(const QPoint& global_position);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool belongs_to_window(const QObject* object) const;
    QPoint keyboard_position() const;

    QWidget& window_;
    QMenu menu_;
};

// Whether a right-click on this control of a window opens the window's menu.
bool is_window_background(const QWidget& control);

}  // namespace korvel::ui
