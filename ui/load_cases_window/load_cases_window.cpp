#include "ui/load_cases_window/load_cases_window.hpp"

#include <QAction>
#include <QCloseEvent>
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
#include <QSignalBlocker>
#include <QSplitter>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "design/units.hpp"
#include "load_case/combination.hpp"
#include "load_case/envelope_csv.hpp"
#include "load_case/project_edits.hpp"
#include "ui/dialogs/case_save_path.hpp"
#include "ui/dialogs/load_table.hpp"
#include "ui/files/case_file.hpp"
#include "ui/load_cases_window/envelope_report.hpp"
#include "ui/load_cases_window/envelope_view.hpp"
#include "ui/widgets/menu_bar_commands.hpp"
#include "ui/widgets/qt_text.hpp"

namespace korvel::ui {
namespace {

QString quoted_name(const std::string& name) { return u'"' + QString::fromStdString(name) + u'"'; }

LoadTexts texts_of(const std::array<std::string, engine::kLoadCount>& loads) {
    LoadTexts texts;
    for (std::size_t i = 0; i < engine::kLoadCount; ++i) texts[i] = QString::fromStdString(loads[i]);
    return texts;
}

bool holds_loads(const load_case::LoadCase& load_case) {
    return std::any_of(load_case.loads.begin(), load_case.loads.end(),
                       [](const std::string& load) { return !load.empty(); });
}

}  // namespace

const std::array<MenuCommand<LoadCasesWindow>, 9> LoadCasesWindow::kProjectCommands{{
    {kNewProjectCommand, QKeySequence::New, {}, &LoadCasesWindow::on_new_project, false, false},
    {kOpenCommand, QKeySequence::Open, {}, &LoadCasesWindow::on_open, false, false},
    {kSaveCommand, QKeySequence::Save, {}, &LoadCasesWindow::on_save, false, false},
    // Written out: without a desktop's platform theme Qt knows no key for Save as.
    {kSaveAsCommand, QKeySequence::UnknownKey, "Ctrl+Shift+S", &LoadCasesWindow::on_save_as, false, false},
    {kEnvelopeReportCommand, QKeySequence::UnknownKey, {}, &LoadCasesWindow::on_save_envelope_report, true, false},
    {kEnvelopeCsvCommand, QKeySequence::UnknownKey, {}, &LoadCasesWindow::on_save_envelope_csv, false, false},
    {kCombinationReportCommand,
     QKeySequence::UnknownKey,
     {},
     &LoadCasesWindow::on_save_combination_report,
     false,
     false},
    {kDesignMembersCommand, QKeySequence::UnknownKey, "Ctrl+Shift+D", &LoadCasesWindow::on_design_members, true, false},
    {kCloseCommand, QKeySequence::Close, {}, &LoadCasesWindow::on_close, true, false},
}};

const std::array<MenuCommand<LoadCasesWindow>, 2> LoadCasesWindow::kEditCommands{{
    {kUndoCommand, QKeySequence::UnknownKey, "Ctrl+Z", &LoadCasesWindow::on_undo, false, false},
    {kRedoCommand, QKeySequence::UnknownKey, "Ctrl+Shift+Z; Ctrl+Y", &LoadCasesWindow::on_redo, false, false},
}};

LoadCasesWindow::~LoadCasesWindow() {
    for (QObject* control : findChildren<QObject*>()) control->disconnect(this);
}

LoadCasesWindow::LoadCasesWindow(Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), dialogs_(dialogs), export_(dialogs) {
    setObjectName(QStringLiteral("LoadCasesWindow"));
    setWindowTitle(to_qstring(kLoadCasesTitle));
    setAttribute(Qt::WA_QuitOnClose, false);
    setAccessibleName(to_qstring(kCaseListName));

    auto* menus = new QMenuBar(this);
    add_menu_commands(*menus->addMenu(to_qstring(kProjectMenu)), *this, kProjectCommands);
    const auto edits = add_menu_commands(*menus->addMenu(to_qstring(kEditMenu)), *this, kEditCommands);
    undo_action_ = edits[0];
    redo_action_ = edits[1];

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menus);
    auto* span_row = new QHBoxLayout;
    auto* span_label = new QLabel(to_qstring(kSpanCaption), this);
    span_box_ = new QLineEdit(this);
    span_box_->setObjectName(QStringLiteral("SpanBox"));
    span_box_->setAccessibleName(to_qstring(kSpanName));
    span_label->setBuddy(span_box_);
    file_label_ = new QLabel(this);
    file_label_->setObjectName(QStringLiteral("FileLabel"));
    span_row->addWidget(span_label);
    span_box_->setMaximumWidth(fontMetrics().averageCharWidth() * 24);
    span_row->addWidget(span_box_);
    // Beside the span, reached by its access key; out of the Tab chain, which runs from the span to the cases.
    auto* pitch_label = new QLabel(to_qstring(kPitchCaption), this);
    pitch_box_ = new QLineEdit(this);
    pitch_box_->setObjectName(QStringLiteral("PitchBox"));
    pitch_box_->setAccessibleName(to_qstring(kPitchName));
    pitch_box_->setAccessibleDescription(to_qstring(kPitchDescription));
    pitch_box_->setToolTip(to_qstring(kPitchDescription));
    pitch_box_->setFocusPolicy(Qt::ClickFocus);
    pitch_box_->setMaximumWidth(fontMetrics().averageCharWidth() * 16);
    pitch_label->setBuddy(pitch_box_);
    span_row->addSpacing(fontMetrics().averageCharWidth() * 2);
    span_row->addWidget(pitch_label);
    span_row->addWidget(pitch_box_);
    span_row->addStretch();
    span_row->addWidget(file_label_);
    layout->addLayout(span_row);
    connect(span_box_, &QLineEdit::textEdited, this, [this](const QString& text) {
        edit([&text](load_case::Project& project) { load_case::set_span(project, text.toStdString()); }, "span");
    });
    connect(pitch_box_, &QLineEdit::textEdited, this, &LoadCasesWindow::on_pitch_edited);

    auto* split = new QSplitter(Qt::Horizontal, this);
    split->setObjectName(QStringLiteral("Sides"));
    split->setChildrenCollapsible(false);
    layout->addWidget(split, 1);
    auto* editing = new QSplitter(Qt::Vertical, split);
    editing->setChildrenCollapsible(false);
    editing->addWidget(build_case_side());
    editing->addWidget(build_combination_side());
    split->addWidget(editing);
    auto* envelope_box = new QGroupBox(to_qstring(kEnvelopeBox), split);
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
    show_modified();
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
    auto* box = new QGroupBox(to_qstring(kCasesBox), this);
    auto* layout = new QHBoxLayout(box);
    auto* commands = new QVBoxLayout;
    layout->addLayout(commands);

    case_list_ = new QListWidget(box);
    case_list_->setObjectName(QStringLiteral("CaseList"));
    case_list_->setAccessibleName(to_qstring(kCaseListName));
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
    kind_box_->setAccessibleName(to_qstring(kKindBoxName));
    for (const CaseKindWords& kind : kCaseKindWords) kind_box_->addItem(to_qstring(kind.words));
    connect(kind_box_, &QComboBox::activated, this, &LoadCasesWindow::on_kind_chosen);
    kind_row->addRow(to_qstring(kKindCaption), kind_box_);
    commands->addLayout(kind_row);

    for (const auto& [words, handler] :
         {std::pair{kTakeLoads, &LoadCasesWindow::on_take_loads}, std::pair{kPutLoads, &LoadCasesWindow::on_put_loads},
          std::pair{kDistributedLoad, &LoadCasesWindow::on_distributed_load}}) {
        case_commands_.append(add_button(box, words, handler));
        commands->addWidget(case_commands_.back());
    }

    load_table_ = new LoadTable(box);
    load_table_->setAccessibleName(to_qstring(kCaseLoadsName));
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

void LoadCasesWindow::closeEvent(QCloseEvent* event) {
    if (settle_unsaved_changes(kBeforeClosing))
        event->accept();
    else
        event->ignore();
}

bool LoadCasesWindow::settle_unsaved_changes(std::string_view before) {
    if (!isWindowModified()) return true;
    const QString name = path_.isEmpty() ? to_qstring(kUnnamedProject) : u'"' + QFileInfo(path_).fileName() + u'"';
    switch (
        dialogs_.ask_to_save(to_qstring(kUnsavedQuestion).arg(name, to_qstring(before)), to_qstring(kUnsavedTitle))) {
        case SaveAnswer::Save: return save();
        // The project stays in the window as it is; only the file keeps its last saved state.
        case SaveAnswer::Discard: return true;
        case SaveAnswer::Cancel: return false;
    }
    return false;
}

std::optional<std::size_t> LoadCasesWindow::selected_case() const {
    const int row = case_list_->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= project_.cases.size()) return std::nullopt;
    return static_cast<std::size_t>(row);
}

void LoadCasesWindow::select_case(std::size_t index) { case_list_->setCurrentRow(static_cast<int>(index)); }

void LoadCasesWindow::show_truss() {
    span_box_->setText(QString::fromStdString(project_.span));
    pitch_box_->setText(QString::fromStdString(project_.pitch.text));
    pitch_refusal_.reset();
}

void LoadCasesWindow::show_project() {
    show_truss();
    file_label_->setText(path_.isEmpty() ? to_qstring(kNotSavedYet)
                                         : QDir::toNativeSeparators(QFileInfo(path_).fileName()));
    show_cases(project_.cases.empty() ? std::nullopt : std::optional<std::size_t>(0));
    show_combinations();
}

void LoadCasesWindow::show_replaced() {
    const auto selected = selected_case();
    const int combination = combination_table_->currentRow();
    show_truss();
    show_cases(project_.cases.empty()
                   ? std::nullopt
                   : std::optional<std::size_t>(std::min(selected.value_or(0), project_.cases.size() - 1)));
    show_combinations();
    if (combination >= 0 && !project_.combinations.empty())
        combination_table_->setCurrentCell(std::min(combination, combination_table_->rowCount() - 1), 0);
}

void LoadCasesWindow::show_cases(std::optional<std::size_t> select) {
    {
        const QSignalBlocker quiet(case_list_);
        case_list_->clear();
        for (const load_case::LoadCase& load_case : project_.cases)
            case_list_->addItem(QString::fromStdString(load_case.name));
        if (select) case_list_->setCurrentRow(static_cast<int>(*select));
    }
    show_selected_case();
}

void LoadCasesWindow::show_selected_case() {
    const auto selected = selected_case();
    for (QPushButton* button : case_commands_) button->setEnabled(selected.has_value());
    kind_box_->setEnabled(selected.has_value());
    load_table_->setEnabled(selected.has_value());
    const QSignalBlocker quiet_kind(kind_box_);
    if (selected) {
        const load_case::LoadCase& load_case = project_.cases[*selected];
        const auto kind = std::find_if(kCaseKindWords.begin(), kCaseKindWords.end(),
                                       [&load_case](const CaseKindWords& k) { return k.kind == load_case.kind; });
        kind_box_->setCurrentIndex(static_cast<int>(kind - kCaseKindWords.begin()));
        load_table_->set_loads(texts_of(load_case.loads));
    } else {
        load_table_->set_loads({});
    }
}

void LoadCasesWindow::edit(const std::function<void(load_case::Project&)>& change, std::string merge_key) {
    load_case::Project before = project_;
    change(project_);
    if (project_ == before) return;
    history_.record(std::move(before), std::move(merge_key));
    changed();
}

void LoadCasesWindow::on_pitch_edited(const QString& text) {
    pitch_refusal_.reset();
    edit([&](load_case::Project& project) { pitch_refusal_ = load_case::set_pitch(project, text.toStdString()); },
         "pitch");
    // A refusal, or a pitch typed back to the project's own, changes what the envelope shows but not the project.
    show_modified();
    envelope_timer_->start();
}

void LoadCasesWindow::edit_from_outside(const load_case::Project& edited, const std::string& merge_key) {
    edit([&edited](load_case::Project& project) { project = edited; }, merge_key);
    show_replaced();
}

void LoadCasesWindow::on_undo() {
    auto before = history_.undo(project_);
    if (!before) return;
    project_ = std::move(*before);
    show_replaced();
    changed();
}

void LoadCasesWindow::on_redo() {
    auto after = history_.redo(project_);
    if (!after) return;
    project_ = std::move(*after);
    show_replaced();
    changed();
}

void LoadCasesWindow::changed() {
    show_modified();
    envelope_timer_->start();
    emit project_changed();
}

void LoadCasesWindow::show_modified() {
    const bool modified = project_ != saved_;
    // The mark "[*]" is in the title only while it shows, so the title reads as it always did otherwise.
    const QString title = project_.pitch.is_default()
                              ? to_qstring(kLoadCasesTitle)
                              : to_qstring(kProjectPitchInTitle)
                                    .arg(to_qstring(kLoadCasesTitle), QString::fromStdString(project_.pitch.text));
    setWindowTitle(title + (modified ? QStringLiteral("[*]") : QString()));
    setWindowModified(modified);
    undo_action_->setEnabled(history_.can_undo());
    redo_action_->setEnabled(history_.can_redo());
}

void LoadCasesWindow::update_envelope() {
    envelope_timer_->stop();
    if (pitch_refusal_)
        envelope_view_->show_refusal(QString::fromStdString(pitch_refusal_->message()));
    else
        envelope_view_->show_project(project_);
}

std::optional<QString> LoadCasesWindow::ask_case_name(const QString& title, const QString& suggestion,
                                                      std::optional<std::size_t> except) {
    QString offered = suggestion;
    for (;;) {
        const std::optional<QString> answer = dialogs_.input(to_qstring(kCaseNamePrompt), title, offered);
        if (!answer) return std::nullopt;
        const std::string name = load_case::trimmed_name(answer->toStdString());
        const auto fault = load_case::case_name_fault(project_, name, except);
        if (!fault) return QString::fromStdString(name);
        dialogs_.message(*fault == load_case::NameFault::Empty
                             ? to_qstring(kEmptyCaseName)
                             : to_qstring(kTakenCaseName).arg(QString::fromStdString(name)),
                         MessageStyle::OkExclamation, title);
        offered = *answer;  // nothing typed is lost: it is offered again to correct
    }
}

void LoadCasesWindow::on_add_case() {
    if (project_.cases.size() >= load_case::kProjectPartLimit) {
        dialogs_.message(to_qstring(kTooManyCases).arg(load_case::kProjectPartLimit), MessageStyle::OkExclamation,
                         to_qstring(kNewCaseTitle));
        return;
    }
    const auto name = ask_case_name(to_qstring(kNewCaseTitle),
                                    QString::fromStdString(load_case::first_free_name(load_case::case_names(project_),
                                                                                      std::string(kFirstCaseName))),
                                    std::nullopt);
    if (!name) return;
    std::size_t added = 0;
    edit([&](load_case::Project& project) { added = load_case::add_case(project, name->toStdString()); });
    show_cases(added);
    show_combinations();
    // A new case is there to be filled: its loads come next, from the keyboard too.
    load_table_->setFocus(Qt::OtherFocusReason);
}

void LoadCasesWindow::on_rename_case() {
    const auto selected = selected_case();
    if (!selected) return;
    const auto name =
        ask_case_name(to_qstring(kRenameCaseTitle), QString::fromStdString(project_.cases[*selected].name), selected);
    if (!name) return;
    edit([&](load_case::Project& project) { load_case::rename_case(project, *selected, name->toStdString()); });
    show_cases(selected);
    show_combinations();
}

void LoadCasesWindow::on_duplicate_case() {
    const auto selected = selected_case();
    if (!selected || project_.cases.size() >= load_case::kProjectPartLimit) return;
    std::size_t copy = 0;
    edit([&](load_case::Project& project) { copy = load_case::duplicate_case(project, *selected); });
    show_cases(copy);
    show_combinations();
}

void LoadCasesWindow::on_delete_case() {
    const auto selected = selected_case();
    if (!selected) return;
    const auto changes = load_case::changes_of_deleting_case(project_, *selected);
    QString question = to_qstring(kDeleteCaseQuestion).arg(quoted_name(project_.cases[*selected].name));
    if (!changes.empty()) question += QStringLiteral("\r\n") + to_qstring(kDeletedFactors).arg(changes.size());
    for (const load_case::CombinationChange& change : changes) {
        const std::string& name = project_.combinations[change.combination].name;
        question += QStringLiteral("\r\n") +
                    (change.name_after == name
                         ? quoted_name(name)
                         : to_qstring(kRenamedCombination).arg(quoted_name(name), quoted_name(change.name_after)));
    }
    if (dialogs_.ask_before_deleting(question, to_qstring(kDeleteCaseTitle)) != Answer::Yes) return;
    edit([&](load_case::Project& project) { load_case::delete_case(project, *selected); });
    show_cases(project_.cases.empty() ? std::nullopt
                                      : std::optional<std::size_t>(std::min(*selected, project_.cases.size() - 1)));
    show_combinations();
}

void LoadCasesWindow::on_kind_chosen(int index) {
    const auto selected = selected_case();
    if (!selected || index < 0) return;
    edit([&](load_case::Project& project) {
        load_case::set_case_kind(project, *selected, kCaseKindWords[static_cast<std::size_t>(index)].kind);
    });
}

void LoadCasesWindow::on_loads_edited() {
    const auto selected = selected_case();
    if (!selected) return;
    const LoadTexts texts = load_table_->loads();
    load_case::NodalLoads loads;
    for (std::size_t i = 0; i < engine::kLoadCount; ++i) loads[i] = texts[i].toStdString();
    // The keystrokes into one cell are one edit to undo.
    const QModelIndex cell = load_table_->currentIndex();
    edit([&](load_case::Project& project) { load_case::set_case_loads(project, *selected, loads); },
         "loads " + std::to_string(*selected) + ' ' + std::to_string(cell.row()) + ' ' + std::to_string(cell.column()));
}

void LoadCasesWindow::on_take_loads() {
    const auto selected = selected_case();
    if (!selected) return;
    if (holds_loads(project_.cases[*selected]) &&
        dialogs_.ask_before_deleting(to_qstring(kTakeLoadsQuestion).arg(quoted_name(project_.cases[*selected].name)),
                                     to_qstring(kTakeLoadsTitle)) != Answer::Yes)
        return;
    emit main_loads_requested();
}

void LoadCasesWindow::take_loads(const engine::AnalysisInput& input) {
    const auto selected = selected_case();
    if (!selected) return;
    edit([&](load_case::Project& project) { load_case::take_loads(project, *selected, input); });
    span_box_->setText(QString::fromStdString(project_.span));
    if (!pitch_refusal_) pitch_box_->setText(QString::fromStdString(project_.pitch.text));
    show_selected_case();
}

void LoadCasesWindow::on_put_loads() {
    const auto selected = selected_case();
    if (!selected) return;
    // The main window would take the project's last pitch, not the one the box shows.
    if (pitch_refusal_) {
        dialogs_.message(QString::fromStdString(pitch_refusal_->message()), MessageStyle::OkExclamation,
                         plain_command_text(to_qstring(kPutLoads.caption)));
        return;
    }
    emit put_into_main_requested(load_case::case_input(project_, *selected),
                                 to_qstring(kPutSource).arg(quoted_name(project_.cases[*selected].name)));
}

void LoadCasesWindow::on_distributed_load() {
    if (!selected_case()) return;
    // A mistyped intensity is asked again with the rest of the dialog as it was chosen.
    DistributedLoadQuestion question;
    if (project_.units) question.area_unit = design::area_load_unit(*project_.units);
    while (const auto answer = dialogs_.distributed_load(question)) {
        if (add_distributed_load(*answer, question.area_unit) != load_case::DistributedLoadFault::IntensityNotANumber)
            return;
        question.offered = *answer;
        question.retype = true;
    }
}

std::optional<load_case::DistributedLoadFault> LoadCasesWindow::add_distributed_load(
    const load_case::DistributedLoadEntry& entry, const std::optional<load_case::AreaLoadUnit>& area_unit) {
    const auto selected = selected_case();
    if (!selected) return std::nullopt;
    load_case::DistributedLoad load = entry.load;
    std::optional<load_case::DistributedLoadError> error;
    if (entry.area && area_unit) {
        auto w = load_case::line_load(*entry.area, *area_unit);
        if (auto* line_load = std::get_if<std::string>(&w))
            load.intensity = std::move(*line_load);
        else
            error = std::get<load_case::DistributedLoadError>(std::move(w));
    }
    if (!error)
        edit([&](load_case::Project& project) { error = load_case::add_distributed_load(project, *selected, load); });
    if (error) {
        dialogs_.message(QString::fromStdString(error->message), MessageStyle::OkExclamation,
                         to_qstring(kDistributedLoadTitle));
        return error->fault;
    }
    show_selected_case();
    return std::nullopt;
}

bool LoadCasesWindow::open_project(const QString& path, const load_case::Project& project) {
    if (isWindowModified() &&
        dialogs_.ask_before_deleting(to_qstring(kReplaceProjectQuestion).arg(QFileInfo(path).fileName()),
                                     to_qstring(kOpenProjectTitle)) != Answer::Yes)
        return false;
    project_ = project;
    saved_ = project;
    path_ = path;
    history_.clear();
    show_project();
    changed();
    if (!path.isEmpty()) emit project_file_used(path);
    return true;
}

void LoadCasesWindow::on_new_project() {
    if (!settle_unsaved_changes(kBeforeNewProject)) return;
    project_ = {};
    saved_ = {};
    path_.clear();
    history_.clear();
    show_project();
    changed();
}

void LoadCasesWindow::on_close() { close(); }

void LoadCasesWindow::on_open() {
    const QString path = dialogs_.open_file_name(to_qstring(kOpenProjectTitle), to_qstring(kProjectFilter));
    if (path.isEmpty()) return;
    auto outcome = read_case_file(path);
    if (const auto* error = std::get_if<CaseFileError>(&outcome)) {
        dialogs_.message(to_qstring(kCannotOpen).arg(QDir::toNativeSeparators(path), error->problem),
                         MessageStyle::OkExclamation, to_qstring(kOpenProjectTitle));
        return;
    }
    if (const auto* project = std::get_if<load_case::Project>(&outcome)) {
        open_project(path, *project);
        return;
    }
    // A single case becomes the first case of a new project, saved under a name of its own.
    const auto& input = std::get<engine::AnalysisInput>(outcome);
    load_case::Project project{input.span,
                               {{QFileInfo(path).baseName().toStdString(), load_case::CaseKind::Other, input.loads}},
                               {},
                               input.pitch};
    if (open_project(path, project)) {
        path_.clear();
        saved_ = {};
        show_project();
        changed();
    }
}

bool LoadCasesWindow::save() { return path_.isEmpty() ? save_as() : save_to(path_); }

bool LoadCasesWindow::save_as() {
    const QString path = ask_case_save_path(dialogs_, to_qstring(kSaveProjectTitle), to_qstring(kDefaultProjectName),
                                            to_qstring(kProjectFilter));
    return !path.isEmpty() && save_to(path);
}

bool LoadCasesWindow::save_to(const QString& path) {
    const QString title = to_qstring(kSaveProjectTitle);
    // The pitch in the box is what the user sees; the project's last pitch is not saved in its stead.
    if (pitch_refusal_) {
        dialogs_.message(to_qstring(kCannotSaveYet).arg(QString::fromStdString(pitch_refusal_->message())),
                         MessageStyle::OkExclamation, title);
        return false;
    }
    if (const auto fault = load_case::check_project(project_)) {
        dialogs_.message(to_qstring(kCannotSaveYet).arg(QString::fromStdString(fault->message)),
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
    saved_ = project_;
    show_modified();
    file_label_->setText(QDir::toNativeSeparators(QFileInfo(path_).fileName()));
    emit project_file_used(path_);
    return true;
}

namespace {

// Why there is nothing to save yet, for a command that needs the envelope.
bool envelope_missing(Dialogs& dialogs, const EnvelopeView& view, const QString& title) {
    if (view.shown() && view.shown()->envelope.has_values()) return false;
    dialogs.message(view.status() + QStringLiteral("\r\n") + to_qstring(kCorrectThenSave), MessageStyle::OkExclamation,
                    title);
    return true;
}

}  // namespace

void LoadCasesWindow::on_save_envelope_report() {
    update_envelope();
    const QString title = plain_command_text(to_qstring(kEnvelopeReportCommand));
    if (envelope_missing(dialogs_, *envelope_view_, title)) return;
    const std::optional<TitleFields> fields = export_.ask_title_fields();
    if (!fields) return;
    export_.save(title, to_qstring(kEnvelopeReportName), to_qstring(kPdfFilter), QStringLiteral("pdf"),
                 [this, &fields](const QString& extension) -> std::optional<QByteArray> {
                     if (extension != u"pdf") return std::nullopt;
                     return envelope_report_pdf(project_, *envelope_view_->shown(), QDateTime::currentDateTime(),
                                                *fields);
                 });
}

void LoadCasesWindow::on_save_envelope_csv() {
    update_envelope();
    const QString title = plain_command_text(to_qstring(kEnvelopeCsvCommand));
    if (envelope_missing(dialogs_, *envelope_view_, title)) return;
    export_.save(
        title, to_qstring(kEnvelopeCsvName), to_qstring(kCsvFilter), QStringLiteral("csv"),
        [this](const QString& extension) -> std::optional<QByteArray> {
            if (extension != u"csv") return std::nullopt;
            const ProjectEnvelope& shown = *envelope_view_->shown();
            return QByteArray::fromStdString(load_case::envelope_csv(shown.envelope, shown.names, shown.pitch));
        });
}

void LoadCasesWindow::on_save_combination_report() {
    update_envelope();
    const QString title = plain_command_text(to_qstring(kCombinationReportCommand));
    const auto& shown = envelope_view_->shown();
    const int row = combination_table_->currentRow();
    if (!shown) {
        dialogs_.message(envelope_view_->status(), MessageStyle::OkExclamation, title);
        return;
    }
    if (row < 0 || static_cast<std::size_t>(row) >= shown->outcomes.size()) {
        dialogs_.message(to_qstring(kSelectCombinationFirst), MessageStyle::OkInformation, title);
        return;
    }
    const auto index = static_cast<std::size_t>(row);
    if (const auto* error = std::get_if<engine::AnalysisError>(&shown->outcomes[index])) {
        dialogs_.message(
            to_qstring(kCombinationHasNoResults)
                .arg(QString::fromStdString(shown->names[index]), QString::fromStdString(error->message())),
            MessageStyle::OkExclamation, title);
        return;
    }
    const auto inputs = std::get<std::vector<engine::AnalysisInput>>(load_case::combined_inputs(project_));
    // The report names the combination and each case with its factor.
    const load_case::Combination& combination = project_.combinations[index];
    QStringList factors;
    for (const load_case::Factor& factor : combination.factors)
        factors << to_qstring(kFactorOfCase).arg(QString::fromStdString(factor.text), quoted_name(factor.case_name));
    export_.save_report_about(
        {inputs[index], std::get<engine::AnalysisResult>(shown->outcomes[index])},
        {to_qstring(kCombinationReportAbout).arg(quoted_name(combination.name), factors.join(QStringLiteral(" + ")))});
}

}  // namespace korvel::ui
