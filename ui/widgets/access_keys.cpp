#include "ui/widgets/access_keys.hpp"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QKeySequence>
#include <algorithm>

namespace korvel::ui {

bool is_access_key_press(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (!modifiers.testFlag(Qt::AltModifier) || (modifiers & (Qt::ControlModifier | Qt::MetaModifier))) return false;
    const int key = event.key();
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) return true;
    const QString text = event.text();
    return !text.isEmpty() && text.at(0).isPrint();
}

int access_key_of(const QWidget& control) {
    const auto* button = qobject_cast<const QAbstractButton*>(&control);
    if (button == nullptr) return 0;
    const QKeySequence mnemonic = QKeySequence::mnemonic(button->text());
    return mnemonic.isEmpty() ? 0 : mnemonic[0].key();
}

QWidget* next_with_access_key(std::span<QWidget* const> tab_order, const QWidget* current, int key) {
    const auto reachable = [key](const QWidget* control) {
        return control->isEnabled() && control->isVisibleTo(control->window()) && access_key_of(*control) == key;
    };
    const auto at = std::find(tab_order.begin(), tab_order.end(), current);
    const auto start = at == tab_order.end() ? tab_order.begin() : at + 1;
    if (const auto found = std::find_if(start, tab_order.end(), reachable); found != tab_order.end()) return *found;
    const auto wrapped = std::find_if(tab_order.begin(), start, reachable);
    return wrapped == start ? nullptr : *wrapped;
}

AccessKeys::AccessKeys(QWidget& window, std::vector<QWidget*> tab_order)
    : QObject(&window), window_(window), tab_order_(std::move(tab_order)) {
    window_.installEventFilter(this);
    for (QWidget* control : tab_order_) control->installEventFilter(this);
}

bool AccessKeys::eventFilter(QObject* watched, QEvent* event) {
    const bool override = event->type() == QEvent::ShortcutOverride;
    if (!override && event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto& key_event = static_cast<const QKeyEvent&>(*event);
    if (!is_access_key_press(key_event)) return QObject::eventFilter(watched, event);
    // Taking the override keeps the key from Qt's own mnemonic shortcuts, which
    // cycle shared keys in an order of their own; the key press then comes here.
    event->accept();
    if (!override) use_key(key_event.key());
    return true;
}

void AccessKeys::use_key(int key) {
    QWidget* target = next_with_access_key(tab_order_, window_.focusWidget(), key);
    if (target == nullptr) return;
    const bool shared = next_with_access_key(tab_order_, target, key) != target;
    if (shared) {
        target->setFocus(Qt::ShortcutFocusReason);
        return;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(target)) button->animateClick();
}

}  // namespace korvel::ui
