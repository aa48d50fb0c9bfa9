// korvel-screenshots: draws the windows after one analysis (span 16, vertical
// load 10 at the apex U4) and writes them as form1<suffix>.png,
// form2<suffix>.png and forces<suffix>.png into the given directory, with the
// report of that analysis as report.pdf. Runs without a display. The
// pictures have the screen's scale: run with QT_SCALE_FACTOR=2 and the suffix
// "@2x" for the double-size pictures.
#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <cstdio>

#include "app/coordinator.hpp"
#include "ui/report/report_pdf.hpp"
#include "ui/widgets/default_font.hpp"

namespace {

// Screenshots are taken without anyone to answer a dialog: every dialog is
// recorded and answered No or Cancel, and any dialog at all is a failure.
class UnattendedDialogs final : public korvel::ui::Dialogs {
public:
    korvel::ui::Answer message(const QString& text, korvel::ui::MessageStyle, const QString& title) override {
        shown.append(title + QStringLiteral(": ") + text);
        return korvel::ui::Answer::No;
    }
    korvel::ui::Answer ask_before_deleting(const QString& text, const QString& title) override {
        shown.append(title + QStringLiteral(": ") + text);
        return korvel::ui::Answer::No;
    }
    korvel::ui::SaveAnswer ask_to_save(const QString& text, const QString& title) override {
        shown.append(title + QStringLiteral(": ") + text);
        return korvel::ui::SaveAnswer::Cancel;
    }
    std::optional<QString> input(const QString& prompt, const QString& title, const QString&) override {
        shown.append(title + QStringLiteral(": ") + prompt);
        return std::nullopt;
    }
    QString open_file_name(const QString& title, const QString&) override {
        shown.append(title);
        return {};
    }
    QString save_file_name(const QString& title, const QString&, const QString&) override {
        shown.append(title);
        return {};
    }
    std::optional<korvel::ui::LoadTexts> edit_loads(const korvel::ui::LoadTexts&) override {
        shown.append(QStringLiteral("Edit all loads"));
        return std::nullopt;
    }
    std::optional<korvel::ui::TitleFields> title_fields(const korvel::ui::TitleFields&) override {
        shown.append(QStringLiteral("Report title block"));
        return std::nullopt;
    }
    std::optional<korvel::load_case::DistributedLoadEntry> distributed_load(
        const korvel::ui::DistributedLoadQuestion&) override {
        shown.append(QStringLiteral("Add distributed load"));
        return std::nullopt;
    }
    QStringList shown;
};

bool save(QWidget& window, const QDir& directory, const QString& file_name) {
    const QString path = directory.filePath(file_name);
    if (window.grab().save(path, "PNG")) return true;
    std::fprintf(stderr, "korvel-screenshots: cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    korvel::ui::install_default_font();

    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 2 && arguments.size() != 3) {
        std::fprintf(stderr, "usage: korvel-screenshots <output directory> [<file name suffix, e.g. @2x>]\n");
        return 2;
    }
    const QDir directory(arguments.at(1));
    const QString suffix = arguments.size() == 3 ? arguments.at(2) : QString();
    if (!QDir().mkpath(directory.path())) {
        std::fprintf(stderr, "korvel-screenshots: cannot create %s\n", qPrintable(directory.path()));
        return 1;
    }

    UnattendedDialogs dialogs;
    korvel::app::Coordinator coordinator(dialogs);
    QWidget& form1 = coordinator.main_window();
    QWidget& form2 = coordinator.results_window();
    coordinator.start();

    form1.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("16"));
    auto* vertical_at_apex = form1.findChild<korvel::ui::AutoSizeLabel*>(QStringLiteral("Label29"));
    vertical_at_apex->set_caption(QStringLiteral("10"));
    form1.findChild<QPushButton*>(QStringLiteral("Command1"))->click();

    if (!dialogs.shown.isEmpty() || !form2.isVisible()) {
        std::fprintf(stderr, "korvel-screenshots: the analysis did not complete: %s\n",
                     qPrintable(dialogs.shown.join(QStringLiteral("; "))));
        return 1;
    }
    // The force diagram opens from the results window's own command, as the user opens it.
    for (QAction* command : form2.actions()) {
        if (QString(command->text()).remove(QLatin1Char('&')) == QStringLiteral("Force diagram")) command->trigger();
    }
    QWidget& forces = coordinator.forces_window();
    // The pictures show the diagram at the size it opens at on a screen with room, not the off-screen display's.
    forces.resize(forces.sizeHint());
    const bool saved = save(form1, directory, QStringLiteral("form1%1.png").arg(suffix)) &&
                       save(form2, directory, QStringLiteral("form2%1.png").arg(suffix)) && forces.isVisible() &&
                       save(forces, directory, QStringLiteral("forces%1.png").arg(suffix));
    const auto& forces_shown = coordinator.forces_window().analysis();
    QFile report(directory.filePath(QStringLiteral("report.pdf")));
    const bool report_saved = forces_shown && report.open(QIODevice::WriteOnly) &&
                              report.write(korvel::ui::report_pdf(*forces_shown, QDateTime::currentDateTime())) > 0;
    if (!report_saved) std::fprintf(stderr, "korvel-screenshots: cannot write %s\n", qPrintable(report.fileName()));
    return saved && report_saved ? 0 : 1;
}
