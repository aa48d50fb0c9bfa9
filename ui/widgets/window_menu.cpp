#include "ui/widgets/window_menu.hpp"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStringList>
#include <QToolTip>
#include <QWidget>
#include <utility>

#include "ui/widgets/auto_size_label.hpp"

namespace korvel::ui {
namespace {

constexpr std::string_view kHintFirstLine = "Right-click here, or press Shift+F10, for more commands:";

// A command as the hint names it: without its access key and dots, with its shortcut.
QString hint_line(const QAction& action) {
    const QString text = plain_command_text(action.text());
    const QString keys = action.shortcut().toString(QKeySequence::NativeText);
    return keys.isEmpty() ? text : QStringLiteral("%1 (%2)").arg(text, keys);
}

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
    describe_on_window();
    return action;
}

void WindowMenu::add_separator() { menu_.addSeparator(); }

QMenu* WindowMenu::add_submenu(const QString& text) {
    QMenu* submenu = menu_.addMenu(text);
    describe_on_window();
    return submenu;
}

void WindowMenu::describe_on_window() {
    QStringList lines{to_qstring(kHintFirstLine)};
    for (const QAction* action : menu_.actions())
        if (!action->isSeparator()) lines.append(hint_line(*action));
    hint_ = lines.join(QLatin1Char('\n'));
}

bool WindowMenu::show_hint(QWidget& control, const QHelpEvent& request) const {
    // A control's own hover text comes first; the hint belongs where a right-click opens the menu.
    if (!control.toolTip().isEmpty()) return false;
    if (is_window_background(control) && !hint_.isEmpty())
        QToolTip::showText(request.globalPos(), hint_, &control);
    else
        QToolTip::hideText();
    return true;
}

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
    if (event->type() == QEvent::ToolTip) {
        if (!belongs_to_window(watched)) return false;
        return show_hint(*static_cast<QWidget*>(watched), *static_cast<QHelpEvent*>(event));
    }
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
