#pragma once

#include <QObject>
#include <QWidget>
#include <span>
#include <vector>

class QKeyEvent;

namespace korvel::ui {

// True for Alt (alone or with Shift) and a key that would otherwise type a
// character: a letter, a digit or any other printable key.
bool is_access_key_press(const QKeyEvent& event);

// The key a control's caption marks with '&' ("&Reset" marks R); 0 for none.
int access_key_of(const QWidget& control);

// The control that the access key reaches from `current`: the next enabled,
// shown control after it in tab order that carries the key, going round to the
// start; the first such control when `current` is none of them. Null when no
// control carries the key.
QWidget* next_with_access_key(std::span<QWidget* const> tab_order, const QWidget* current, int key);

// Access keys as the platform's windows treat them. Alt and a key that one
// control carries presses that control; a key that several controls share only
// moves the focus on to the next of them in tab order, so no press happens by
// surprise; any other Alt and printable key does nothing, so it never reaches an
// edit line as typed text.
class AccessKeys final : public QObject {
public:
    // Watches the window and each control of its tab order.
    AccessKeys(QWidget& window, std::vector<QWidget*> tab_order);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void use_key(int key);

    QWidget& window_;
    std::vector<QWidget*> tab_order_;
};

}  // namespace korvel::ui
