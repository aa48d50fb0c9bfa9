#pragma once

#include <QString>

#include "ui/dialogs/dialogs.hpp"

namespace korvel::ui {

// Asks where to save a case or project file, and gives the name with the case
// file extension added; a file of that name is replaced only after asking, as the
// file dialog asked only about the name as typed. Empty on Cancel or No.
QString ask_case_save_path(Dialogs& dialogs, const QString& title, const QString& default_name, const QString& filter);

}  // namespace korvel::ui
