#pragma once

#include "ui/dialogs/dialogs.hpp"
#include "ui/dialogs/dialogs_texts.hpp"
#include "ui/widgets/qt_text.hpp"

namespace korvel::ui {

// The one exit question of the program, asked by Exit, Finish and the title-bar
// close box of either window. True when the user answers Yes.
inline bool confirm_exit(Dialogs& dialogs) {
    return dialogs.message(to_qstring(kExitQuestion), MessageStyle::YesNoQuestion, to_qstring(kExitTitle)) ==
           Answer::Yes;
}

}  // namespace korvel::ui
