#pragma once

#include "ui/dialogs/dialogs.hpp"

namespace korvel::ui {

// The one exit question of the program, asked by Exit, Finish and the title-bar
// close box of either window. True when the user answers Yes.
inline bool confirm_exit(Dialogs& dialogs) {
    return dialogs.message(QStringLiteral("Are you sure to Exit?\r\n(All data will be lost!)"),
                           MessageStyle::YesNoQuestion, QStringLiteral("Confirm Exit")) == Answer::Yes;
}

}  // namespace korvel::ui
