#include "ui/load_cases_window/load_cases_window.hpp"

#include <QAction>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "load_case/combination.hpp"
#include "load_case/envelope_csv.hpp"
#include "ui/dialogs/load_table.hpp"
#include "ui/files/case_file.hpp"
#include "ui/load_cases_window/distributed_load_dialog.hpp"
#include "ui/load_cases_window/envelope_report.hpp"
#include "ui/load_cases_window/envelope_view.hpp"
#include "ui/widgets/qt_text.hpp"

namespace korvel::ui {
namespace {

QString quoted_name(const std::string& name) { return u'"' + QString::fromStdString(name) + u'"'; }

LoadTexts texts_of(const std::array<std::string, engine::kLoadCount>& loads) {
    LoadTexts texts;
    for (std::size_t i = 0; i < engine::kLoadCount; ++i) texts[i] = QString::fromStdString(loads[i]);
    return texts;
}

// A name not yet taken by any case: the base, or the base with the first free number.
QString free_case_name(const load_case::Project& project, const QString& base) {
    const auto taken = [&project](const QString& name) {
        return std::any_of(project.cases.begin(), project.cases.end(),
                           [&name](const load_case::LoadCase& c) { return QString::fromStdString(c.name) == name; });
    };
    if (!taken(base)) return base;
    for (int n = 2;; ++n)
        if (const QString name = QStringLiteral("%1 %2").arg(base).arg(n); !taken(name)) return name;
}

}  // namespace

LoadCasesWindow::~LoadCasesWindow() {
    for (QObject* control : findChildren<QObject*>()) control->disconnect(this);
}

LoadCasesWindow::LoadCasesWindow(Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), dialogs_(dialogs), export_(dialogs) {
    setObjectName(QStringLiteral("LoadCasesWindow"));
    setWindowTitle(to_qstring(kLoadCasesTitle));
    setAttribute(Qt::WA_QuitOnClose, false);
    setAccessibleName(QStringLiteral("Load cases"));

    auto* menus = new QMenuBar(this);
    QMenu* file = menus->addMenu(QStringLiteral("&Project"));
    const auto add_file_command = [this, file](const QString& text, QKeySequence::StandardKey key, auto handler) {
        QAction* action = file->addAction(text);
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, handler);
    };
    add_file_command(QStringLiteral("&Open..."), QKeySequence::Open, [this] { on_open(); });
    add_file_command(QStringLiteral("&Save"), QKeySequence::Save, [this] { on_save(); });
    add_file_command(QStringLiteral("Save &as..."), QKeySequence::SaveAs, [this] { on_save_as(); });
    file->addSeparator();
    for (const auto& [text, handler] :
         {std::pair{kEnvelopeReportCommand, &LoadCasesWindow::on_save_envelope_report},
          std::pair{kEnvelopeCsvCommand, &LoadCasesWindow::on_save_envelope_csv},
          std::pair{kCombinationReportCommand, &LoadCasesWindow::on_save_combination_report}})
        connect(file->addAction(to_qstring(text)), &QAction::triggered, this, handler);
    file->addSeparator();
    add_file_command(QStringLiteral("&Close"), QKeySequence::Close, [this] { close(); });
    file_menu_ = file;

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menus);
    auto* span_row = new QHBoxLayout;
    auto* span_label = new QLabel(QStringLiteral("&Span:"), this);
    span_box_ = new QLineEdit(this);
    span_box_->setObjectName(QStringLiteral("SpanBox"));
    span_box_->setAccessibleName(QStringLiteral("Span"));
    span_label->setBuddy(span_box_);
    file_label_ = new QLabel(this);
    file_label_->setObjectName(QStringLiteral("FileLabel"));
    span_row->addWidget(span_label);
    span_box_->setMaximumWidth(fontMetrics().averageCharWidth() * 24);
    span_row->addWidget(span_box_);
    span_row->addStretch();
    span_row->addWidget(file_label_);
    layout->addLayout(span_row);
    connect(span_box_, &QLineEdit::textEdited, this, [this](const QString& text) {
        project_.span = text.toStdString();
        changed();
    });

    auto* split = new QSplitter(Qt::Horizontal, this);
    split->setObjectName(QStringLiteral("Sides"));
    split->setChildrenCollapsible(false);
    layout->addWidget(split, 1);
    auto* editing = new QSplitter(Qt::Vertical, split);
    editing->setChildrenCollapsible(false);
    editing->addWidget(build_case_side());
    editing->addWidget(build_combination_side());
    split->addWidget(editing);
    auto* envelope_box = new QGroupBox(QStringLiteral("Envelope"), split);
    envelope_view_ = new EnvelopeView(envelope_box);
    (new QVBoxLayout(envelope_box))->addWidget(envelope_view_);
    split->addWidget(envelope_box);
    split->setStretchFactor(0, 2);
    split->setStretchFactor(1, 3);

    // Coalesces the changes of one event (a keystroke, a preset) into one analysis.
    envelope_timer_ = new QTimer(this);
    envelope_timer_->setSingleShot(true);
    envelope_timer_->setInterval(0);
    connect(envelope_timer_, &QTimer::timeout, this, &LoadCasesWindow::update_envelope);

    show_project();
    update_envelope();
    // Room for the tables side by side, within the screen it opens on.
    resize(QSize(1720, 960).boundedTo(screen()->availableGeometry().size() * 9 / 10));
}

QPushButton* LoadCasesWindow::add_button(QWidget* parent, const CommandWords& words,
                                         void (LoadCasesWindow::*handler)()) {
    auto* button = new QPushButton(to_qstring(words.caption), parent);
    button->setAccessibleDescription(to_qstring(words.description));
    button->setToolTip(to_qstring(words.description));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, handler);
    return button;
}

QWidget* LoadCasesWindow::build_case_side() {
    auto* box = new QGroupBox(QStringLiteral("Load cases"), this);
    auto* layout = new QHBoxLayout(box);
    auto* commands = new QVBoxLayout;
    layout->addLayout(commands);

    case_list_ = new QListWidget(box);
    case_list_->setObjectName(QStringLiteral("CaseList"));
    case_list_->setAccessibleName(QStringLiteral("Load cases"));
    connect(case_list_, &QListWidget::currentRowChanged, this, [this] { show_selected_case(); });
    commands->addWidget(case_list_, 1);

    auto* case_buttons = new QGridLayout;
    case_buttons->addWidget(add_button(box, kAddCase, &LoadCasesWindow::on_add_case), 0, 0);
    int place = 1;
    for (const auto& [words, handler] : {std::pair{kRenameCase, &LoadCasesWindow::on_rename_case},
                                         std::pair{kDuplicateCase, &LoadCasesWindow::on_duplicate_case},
                                         std::pair{kDeleteCase, &LoadCasesWindow::on_delete_case}}) {
        case_commands_.append(add_button(box, words, handler));
        case_buttons->addWidget(case_commands_.back(), place / 2, place % 2);
        ++place;
    }
    commands->addLayout(case_buttons);

    auto* kind_row = new QFormLayout;
    kind_box_ = new QComboBox(box);
    kind_box_->setObjectName(QStringLiteral("KindBox"));
    kind_box_->setAccessibleName(QStringLiteral("Kind of the selected case"));
    for (const CaseKindWords& kind : kCaseKindWords) kind_box_->addItem(to_qstring(kind.words));
    connect(kind_box_, &QComboBox::activated, this, &LoadCasesWindow::on_kind_chosen);
    kind_row->addRow(QStringLiteral("&Kind:"), kind_box_);
    commands->addLayout(kind_row);

    for (const auto& [words, handler] :
         {std::pair{kTakeLoads, &LoadCasesWindow::on_take_loads}, std::pair{kPutLoads, &LoadCasesWindow::on_put_loads},
          std::pair{kDistributedLoad, &LoadCasesWindow::on_distributed_load}}) {
        case_commands_.append(add_button(box, words, handler));
        commands->addWidget(case_commands_.back());
    }

    load_table_ = new LoadTable(box);
    load_table_->setAccessibleName(QStringLiteral("Loads of the selected case"));
    load_table_->set_commit_while_typing(true);
    // Beside other controls Tab goes on to the next one; the arrows move between the cells.
    load_table_->setTabKeyNavigation(false);
    connect(load_table_, &LoadTable::loads_edited, this, &LoadCasesWindow::on_loads_edited);
    // Two columns of loads need no more than this; the rest of the width goes to the envelope.
    load_table_->setMaximumWidth(load_table_->minimumWidth() + 4 * fontMetrics().averageCharWidth());
    layout->addWidget(load_table_, 1);
    return box;
}

void LoadCasesWindow::keyPressEvent(QKeyEvent* event) {
    // Only an Escape that no control used (to end an edit, to close a list) closes the window.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

std::optional<std::size_t> LoadCasesWindow::selected_case() const {
    const int row = case_list_->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= project_.cases.size()) return std::nullopt;
    return static_cast<std::size_t>(row);
}

void LoadCasesWindow::select_case(std::size_t index) { case_list_->setCurrentRow(static_cast<int>(index)); }

void LoadCasesWindow::show_project() {
    showing_ = true;
    span_box_->setText(QString::fromStdString(project_.span));
    showing_ = false;
    file_label_->setText(path_.isEmpty() ? QStringLiteral("Not saved yet")
                                         : QDir::toNativeSeparators(QFileInfo(path_).fileName()));
    show_cases(project_.cases.empty() ? std::nullopt : std::optional<std::size_t>(0));
    show_combinations();
}

void LoadCasesWindow::show_cases(std::optional<std::size_t> select) {
    showing_ = true;
    case_list_->clear();
    for (const load_case::LoadCase& load_case : project_.cases)
        case_list_->addItem(QString::fromStdString(load_case.name));
    showing_ = false;
    if (select) case_list_->setCurrentRow(static_cast<int>(*select));
    show_selected_case();
}

void LoadCasesWindow::show_selected_case() {
    if (showing_) return;
    const auto selected = selected_case();
    for (QPushButton* button : case_commands_) button->setEnabled(selected.has_value());
    kind_box_->setEnabled(selected.has_value());
    load_table_->setEnabled(selected.has_value());
    showing_ = true;
    if (selected) {
        const load_case::LoadCase& load_case = project_.cases[*selected];
        const auto kind = std::find_if(kCaseKindWords.begin(), kCaseKindWords.end(),
                                       [&load_case](const CaseKindWords& k) { return k.kind == load_case.kind; });
        kind_box_->setCurrentIndex(static_cast<int>(kind - kCaseKindWords.begin()));
        load_table_->set_loads(texts_of(load_case.loads));
    } else {
        load_table_->set_loads({});
    }
    showing_ = false;
}

void LoadCasesWindow::changed() {
    if (showing_) return;
    modified_ = true;
    envelope_timer_->start();
    emit project_changed();
}

void LoadCasesWindow::update_envelope() {
    envelope_timer_->stop();
    envelope_view_->show_project(project_);
}

std::optional<QString> LoadCasesWindow::ask_case_name(const QString& title, const QString& suggestion,
                                                      std::optional<std::size_t> except) {
    QString offered = suggestion;
    for (;;) {
        const std::optional<QString> answer = dialogs_.input(to_qstring(kCaseNamePrompt), title, offered);
        if (!answer) return std::nullopt;
        const QString name = answer->trimmed();
        QString problem;
        if (name.isEmpty()) problem = QStringLiteral("A load case needs a name. Type one.");
        for (std::size_t i = 0; i < project_.cases.size() && problem.isEmpty(); ++i) {
            if (i != except && QString::fromStdString(project_.cases[i].name) == name)
                problem = QStringLiteral("There is a load case \"%1\" already. Type another name.").arg(name);
        }
        if (problem.isEmpty()) return name;
        dialogs_.message(problem, MessageStyle::OkExclamation, title);
        offered = *answer;  // nothing typed is lost: it is offered again to correct
    }
}

void LoadCasesWindow::on_add_case() {
    if (project_.cases.size() >= load_case::kProjectPartLimit) {
        dialogs_.message(QStringLiteral("A project holds at most %1 load cases.").arg(load_case::kProjectPartLimit),
                         MessageStyle::OkExclamation, to_qstring(kNewCaseTitle));
        return;
    }
    const auto name =
        ask_case_name(to_qstring(kNewCaseTitle), free_case_name(project_, QStringLiteral("Case")), std::nullopt);
    if (!name) return;
    load_case::LoadCase added;
    added.name = name->toStdString();
    project_.cases.push_back(std::move(added));
    show_cases(project_.cases.size() - 1);
    show_combinations();
    changed();
}

void LoadCasesWindow::on_rename_case() {
    const auto selected = selected_case();
    if (!selected) return;
    load_case::LoadCase& renamed = project_.cases[*selected];
    const auto name = ask_case_name(to_qstring(kRenameCaseTitle), QString::fromStdString(renamed.name), selected);
    if (!name || name->toStdString() == renamed.name) return;
    // Combinations name their cases, so every factor of the case follows the new name.
    for (load_case::Combination& combination : project_.combinations)
        for (load_case::Factor& factor : combination.factors)
            if (factor.case_name == renamed.name) factor.case_name = name->toStdString();
    renamed.name = name->toStdString();
    show_cases(selected);
    show_combinations();
    changed();
}

void LoadCasesWindow::on_duplicate_case() {
    const auto selected = selected_case();
    if (!selected || project_.cases.size() >= load_case::kProjectPartLimit) return;
    load_case::LoadCase copy = project_.cases[*selected];
    copy.name = free_case_name(project_, QString::fromStdString(copy.name) + QStringLiteral(" copy")).toStdString();
    project_.cases.insert(project_.cases.begin() + static_cast<std::ptrdiff_t>(*selected) + 1, std::move(copy));
    show_cases(*selected + 1);
    show_combinations();
    changed();
}

void LoadCasesWindow::on_delete_case() {
    const auto selected = selected_case();
    if (!selected) return;
    const std::string name = project_.cases[*selected].name;
    const auto uses = std::count_if(project_.combinations.begin(), project_.combinations.end(),
                                    [&name](const load_case::Combination& combination) {
                                        return std::any_of(combination.factors.begin(), combination.factors.end(),
                                                           [&name](const auto& f) { return f.case_name == name; });
                                    });
    QString question = QStringLiteral("Delete the load case %1 with all its loads?").arg(quoted_name(name));
    if (uses > 0) question += QStringLiteral("\r\nIts factors in %1 combinations are deleted too.").arg(uses);
    if (dialogs_.message(question, MessageStyle::YesNoQuestion, to_qstring(kDeleteCaseTitle)) != Answer::Yes) return;
    for (load_case::Combination& combination : project_.combinations)
        std::erase_if(combination.factors, [&name](const load_case::Factor& f) { return f.case_name == name; });
    project_.cases.erase(project_.cases.begin() + static_cast<std::ptrdiff_t>(*selected));
    show_cases(project_.cases.empty() ? std::nullopt
                                      : std::optional<std::size_t>(std::min(*selected, project_.cases.size() - 1)));
    show_combinations();
    changed();
}

void LoadCasesWindow::on_kind_chosen(int index) {
    const auto selected = selected_case();
    if (!selected || index < 0) return;
    project_.cases[*selected].kind = kCaseKindWords[static_cast<std::size_t>(index)].kind;
    changed();
}

void LoadCasesWindow::on_loads_edited() {
    const auto selected = selected_case();
    if (!selected || showing_) return;
    const LoadTexts loads = load_table_->loads();
    for (std::size_t i = 0; i < engine::kLoadCount; ++i) project_.cases[*selected].loads[i] = loads[i].toStdString();
    changed();
}

void LoadCasesWindow::on_take_loads() { emit main_loads_requested(); }

void LoadCasesWindow::take_loads(const engine::AnalysisInput& input) {
    const auto selected = selected_case();
    if (!selected) return;
    project_.cases[*selected].loads = input.loads;
    if (project_.span.empty()) project_.span = input.span;
    showing_ = true;
    span_box_->setText(QString::fromStdString(project_.span));
    showing_ = false;
    show_selected_case();
    changed();
}

void LoadCasesWindow::on_put_loads() {
    const auto selected = selected_case();
    if (!selected) return;
    const engine::AnalysisInput input{project_.span, project_.cases[*selected].loads};
    emit put_into_main_requested(input,
                                 QStringLiteral("the load case %1").arg(quoted_name(project_.cases[*selected].name)));
}

void LoadCasesWindow::on_distributed_load() {
    if (!selected_case()) return;
    DistributedLoadDialog dialog(this);
    // A mistyped intensity is asked again with the rest of the dialog as it was chosen.
    bool ask = true;
    while (ask && dialog.exec() == QDialog::Accepted) {
        // Without a window manager nobody else gives the keyboard back when a dialog closes.
        activateWindow();
        ask = add_distributed_load(dialog.load()) == load_case::DistributedLoadFault::IntensityNotANumber;
        if (ask) dialog.select_intensity();
    }
    activateWindow();
}

std::optional<load_case::DistributedLoadFault> LoadCasesWindow::add_distributed_load(
    const load_case::DistributedLoad& load) {
    const auto selected = selected_case();
    if (!selected) return std::nullopt;
    if (const auto error = load_case::add_distributed_load(project_.span, load, project_.cases[*selected].loads)) {
        dialogs_.message(QString::fromStdString(error->message), MessageStyle::OkExclamation,
                         to_qstring(kDistributedLoadTitle));
        return error->fault;
    }
    show_selected_case();
    changed();
    return std::nullopt;
}

bool LoadCasesWindow::open_project(const QString& path, const load_case::Project& project) {
    if (modified_ && dialogs_.message(QStringLiteral("Replace the project in the load cases window with \"%1\"?\r\n"
                                                     "Its changes since it was last saved are lost.")
                                          .arg(QFileInfo(path).fileName()),
                                      MessageStyle::YesNoQuestion, to_qstring(kOpenProjectTitle)) != Answer::Yes)
        return false;
    project_ = project;
    path_ = path;
    modified_ = false;
    show_project();
    envelope_timer_->start();
    emit project_changed();
    if (!path.isEmpty()) emit project_file_used(path);
    return true;
}

void LoadCasesWindow::on_open() {
    const QString path = dialogs_.open_file_name(to_qstring(kOpenProjectTitle), to_qstring(kProjectFilter));
    if (path.isEmpty()) return;
    auto outcome = read_case_file(path);
    if (const auto* error = std::get_if<CaseFileError>(&outcome)) {
        dialogs_.message(QStringLiteral("The file \"%1\" cannot be opened: %2.\r\nChoose a project saved by KORVEL.")
                             .arg(QDir::toNativeSeparators(path), error->problem),
                         MessageStyle::OkExclamation, to_qstring(kOpenProjectTitle));
        return;
    }
    if (const auto* project = std::get_if<load_case::Project>(&outcome)) {
        open_project(path, *project);
        return;
    }
    // A single case becomes the first case of a new project, saved under a name of its own.
    const auto& input = std::get<engine::AnalysisInput>(outcome);
    load_case::Project project{
        input.span, {{QFileInfo(path).baseName().toStdString(), load_case::CaseKind::Other, input.loads}}, {}};
    if (open_project(path, project)) {
        path_.clear();
        modified_ = true;
        show_project();
    }
}

void LoadCasesWindow::on_save() {
    if (path_.isEmpty()) {
        on_save_as();
        return;
    }
    save_to(path_);
}

void LoadCasesWindow::on_save_as() {
    const QString chosen = dialogs_.save_file_name(to_qstring(kSaveProjectTitle), to_qstring(kDefaultProjectName),
                                                   to_qstring(kProjectFilter));
    if (chosen.isEmpty()) return;
    const QString path = with_case_extension(chosen);
    // The file dialog asked about replacing the name as typed, not the one with the extension added.
    if (path != chosen && QFileInfo::exists(path) &&
        dialogs_.message(QStringLiteral("The file \"%1\" exists already. Replace it?").arg(QFileInfo(path).fileName()),
                         MessageStyle::YesNoQuestion, to_qstring(kSaveProjectTitle)) != Answer::Yes)
        return;
    save_to(path);
}

bool LoadCasesWindow::save_to(const QString& path) {
    const QString title = to_qstring(kSaveProjectTitle);
    if (const auto fault = load_case::check_project(project_)) {
        dialogs_.message(
            QStringLiteral("The project cannot be saved yet: %1").arg(QString::fromStdString(fault->message)),
            MessageStyle::OkExclamation, title);
        return false;
    }
    if (const auto error = write_project_file(path, project_)) {
        dialogs_.message(QStringLiteral("The project could not be saved to \"%1\": %2.\r\n"
                                        "Choose another folder or file name.")
                             .arg(QDir::toNativeSeparators(path), error->problem),
                         MessageStyle::OkExclamation, title);
        return false;
    }
    path_ = path;
    modified_ = false;
    file_label_->setText(QDir::toNativeSeparators(QFileInfo(path_).fileName()));
    emit project_file_used(path_);
    return true;
}

namespace {

// Why there is nothing to save yet, for a command that needs the envelope.
bool envelope_missing(Dialogs& dialogs, const EnvelopeView& view, const QString& title) {
    if (view.shown() && view.shown()->envelope.has_values()) return false;
    dialogs.message(view.status() + QStringLiteral("\r\nCorrect the project, then save again."),
                    MessageStyle::OkExclamation, title);
    return true;
}

}  // namespace

void LoadCasesWindow::on_save_envelope_report() {
    update_envelope();
    const QString title = to_qstring(kEnvelopeReportCommand).remove(u'&').remove(QStringLiteral("..."));
    if (envelope_missing(dialogs_, *envelope_view_, title)) return;
    export_.save(title, QStringLiteral("korvel-envelope.pdf"), QStringLiteral("PDF documents (*.pdf)"),
                 QStringLiteral("pdf"), [this](const QString& extension) -> std::optional<QByteArray> {
                     if (extension != u"pdf") return std::nullopt;
                     return envelope_report_pdf(project_, *envelope_view_->shown(), QDateTime::currentDateTime());
                 });
}

void LoadCasesWindow::on_save_envelope_csv() {
    update_envelope();
    const QString title = to_qstring(kEnvelopeCsvCommand).remove(u'&').remove(QStringLiteral("..."));
    if (envelope_missing(dialogs_, *envelope_view_, title)) return;
    export_.save(title, QStringLiteral("korvel-envelope.csv"), QStringLiteral("CSV tables (*.csv)"),
                 QStringLiteral("csv"), [this](const QString& extension) -> std::optional<QByteArray> {
                     if (extension != u"csv") return std::nullopt;
                     const ProjectEnvelope& shown = *envelope_view_->shown();
                     return QByteArray::fromStdString(load_case::envelope_csv(shown.envelope, shown.names));
                 });
}

void LoadCasesWindow::on_save_combination_report() {
    update_envelope();
    const QString title = to_qstring(kCombinationReportCommand).remove(u'&').remove(QStringLiteral("..."));
    const auto& shown = envelope_view_->shown();
    const int row = combination_table_->currentRow();
    if (!shown) {
        dialogs_.message(envelope_view_->status(), MessageStyle::OkExclamation, title);
        return;
    }
    if (row < 0 || static_cast<std::size_t>(row) >= shown->outcomes.size()) {
        dialogs_.message(QStringLiteral("Select the combination in the table of combinations first; its full "
                                        "results are saved as a report."),
                         MessageStyle::OkInformation, title);
        return;
    }
    const auto index = static_cast<std::size_t>(row);
    if (const auto* error = std::get_if<engine::AnalysisError>(&shown->outcomes[index])) {
        dialogs_.message(
            QStringLiteral("The combination \"%1\" has no results: %2")
                .arg(QString::fromStdString(shown->names[index]), QString::fromStdString(error->message())),
            MessageStyle::OkExclamation, title);
        return;
    }
    const auto inputs = std::get<std::vector<engine::AnalysisInput>>(load_case::combined_inputs(project_));
    export_.save_report({inputs[index], std::get<engine::AnalysisResult>(shown->outcomes[index])});
}

}  // namespace korvel::ui
