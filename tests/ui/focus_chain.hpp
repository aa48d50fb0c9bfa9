#pragma once

#include <QWidget>

namespace korvel::ui::testing {

// The next control Tab moves to from the given one (labels and other
// non-focusable widgets in the chain are skipped).
inline QWidget* next_tab_stop(QWidget* from) {
    for (QWidget* next = from->nextInFocusChain(); next != from; next = next->nextInFocusChain()) {
        if ((next->focusPolicy() & Qt::TabFocus) != 0 && next->isEnabled()) return next;
    }
    return from;
}

}  // namespace korvel::ui::testing
