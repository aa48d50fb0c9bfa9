#include "ui/dialogs/case_save_path.hpp"

#include <QFileInfo>

#include "ui/dialogs/dialogs_texts.hpp"
#include "ui/files/case_file.hpp"
#include "ui/widgets/qt_text.hpp"

namespace korvel::ui {

QString ask_case_save_path(Dialogs& dialogs, const QString& title, const QString& default_name, const QString& filter) {
    const QString chosen = dialogs.save_file_name(title, default_name, filter);
    if (chosen.isEmpty()) return {};
    const QString path = with_case_extension(chosen);
    if (path == chosen || !QFileInfo::exists(path)) return path;
    const Answer replace = dialogs.message(to_qstring(kReplaceFileQuestion).arg(QFileInfo(path).fileName()),
                                           MessageStyle::YesNoQuestion, title);
    return replace == Answer::Yes ? path : QString();
}

}  // namespace korvel::ui
