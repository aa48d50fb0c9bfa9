#include "ui/widgets/window_menu.hpp"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>
#include <utility>

#include "ui/widgets/auto_size_label.hpp"

namespace korvel::ui {
namespace {

bool is_menu_key(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    return (key.key() == Qt::Key_Menu && modifiers == Qt::NoModifier) ||
           (key.key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier);
}

}  // namespace

QKeySequence shortcut_of(QKeySequence::StandardKey standard_key, std::string_view shortcut) {
    if (standard_key != QKeySequence::UnknownKey) return QKeySequence(standard_key);
    return QKeySequence(to_qstring(shortcut));
}

bool is_window_background(const QWidget& control) {
    if (qobject_cast<const QAbstractButton*>(&control) != nullptr) return false;
    if (qobject_cast<const QLineEdit*>(&control) != nullptr) return false;
    const auto* label = qobject_cast<const AutoSizeLabel*>(&control);
    return label == nullptr || !label->is_clickable();
}

WindowMenu::WindowMenu(QWidget& window) : QObject(&window), window_(window), menu_(&window) {
    menu_.setObjectName(QStringLiteral("WindowMenu"));
    // Every event of the program passes here first, so a control of the window is
    // caught before it handles or passes on a right-click or the Menu key itself.
    qApp->installEventFilter(this);
}

QAction* WindowMenu::add_command(const QString& text, const QKeySequence& shortcut, std::function<void()> handler) {
    auto* action = new QAction(text, &window_);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setShortcutVisibleInContextMenu(true);
    connect(action, &QAction::triggered, this, [run = std::move(handler)] { run(); });
    // Added to the window as well, so the shortcut works while the menu is closed.
    window_.addAction(action);
    menu_.addAction(action);
    return action;
}

void WindowMenu::add_separator() { menu_.addSeparator(); }

void WindowMenu::open_at(const QPoint& global_position) { menu_.popup(global_position); }

bool WindowMenu::belongs_to_window(const QObject* object) const {
    const auto* widget = qobject_cast<const QWidget*>(object);
    return widget != nullptr && widget->window() == &window_;
}

QPoint WindowMenu::keyboard_position() const {
    // Beside the control that has the keyboard, as a keyboard-opened menu should be.
    const QWidget* focus = window_.focusWidget();
    if (focus != nullptr && focus->isVisible()) return focus->mapToGlobal(QPoint(0, focus->height()));
    return window_.mapToGlobal(window_.rect().center());
}

bool WindowMenu::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        if (!belongs_to_window(watched) || !is_menu_key(*static_cast<QKeyEvent*>(event))) return false;
        open_at(keyboard_position());
        return true;
    }
    if (event->type() != QEvent::ContextMenu || !belongs_to_window(watched)) return false;
    const auto* request = static_cast<QContextMenuEvent*>(event);
    if (request->reason() == QContextMenuEvent::Keyboard) {
        open_at(keyboard_position());
        return true;
    }
    const auto& control = *static_cast<QWidget*>(watched);
    // A text box keeps its own editing menu; buttons and hotspots show none, and
    // the click must not fall through to the window behind them.
    if (qobject_cast<const QLineEdit*>(&control) != nullptr) return false;
    if (is_window_background(control)) open_at(request->globalPos());
    return true;
}

}  // namespace korvel::ui
