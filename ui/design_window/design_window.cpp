#include "ui/design_window/design_window.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "design/deflection_table.hpp"
#include "design/design_edits.hpp"
#include "design/design_picture.hpp"
#include "design/design_table.hpp"
#include "ui/design_window/design_picture.hpp"
#include "ui/design_window/design_report.hpp"
#include "ui/design_window/design_utilisation_bar.hpp"
#include "ui/design_window/design_window_texts.hpp"
#include "ui/widgets/menu_bar_commands.hpp"
#include "ui/widgets/qt_text.hpp"
#include "ui/widgets/readable_colours.hpp"
#include "ui/widgets/scroll_to_focus.hpp"
#include "ui/widgets/table_headers.hpp"

namespace korvel::ui {
namespace {

// Behind a row that fails or is not checked; its words say so too.
const QColor kFailingRow(0xFF, 0xD8, 0xD8);

QTableWidget* read_only_table(QWidget* parent, const char* name, std::string_view spoken, int columns) {
    auto* table = new QTableWidget(0, columns, parent);
    table->setObjectName(QString::fromLatin1(name));
    use_readable_header(*table);
    table->setAccessibleName(to_qstring(spoken));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() * 4 / 3);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

// The rows of a table, each a row of cell texts; a failing row is bold on a tint.
template <typename Row, typename Fails>
void fill_rows(QTableWidget& table, const std::vector<Row>& rows, Fails fails) {
    table.setRowCount(static_cast<int>(rows.size()));
    const QColor foreground = readable_foreground(table.palette(), QPalette::Active, std::array{kFailingRow});
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const bool failing = fails(rows[r]);
        for (std::size_t c = 0; c < rows[r].cells.size(); ++c) {
            auto* cell = new QTableWidgetItem(QString::fromStdString(rows[r].cells[c]));
            if (failing) {
                QFont bold = cell->font();
                bold.setBold(true);
                cell->setFont(bold);
                cell->setBackground(kFailingRow);
                cell->setForeground(foreground);
            }
            table.setItem(static_cast<int>(r), static_cast<int>(c), cell);
        }
    }
    table.resizeColumnsToContents();
}

// A short table is as tall as its rows, up to `most` of them.
void fit_height(QTableWidget& table, int most) {
    const int header = table.horizontalHeader()->isHidden() ? 0 : table.horizontalHeader()->sizeHint().height();
    const int rows = std::min(table.rowCount(), most);
    table.setMaximumHeight(2 * table.frameWidth() + header + rows * table.verticalHeader()->defaultSectionSize());
}

// A design's fault in a sentence of the window's, without the full stop a fault that is a whole sentence ends with.
QString why_no_design(std::string_view sentence, const design::DesignError& error) {
    QString why = QString::fromStdString(error.message);
    if (why.endsWith(u'.')) why.chop(1);
    return to_qstring(sentence).arg(why);
}

QLabel* note(QWidget* parent, const QString& text = {}) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// A line box with its hint for the pointer and for a screen reader.
QLineEdit* line_box(QWidget* parent, const QString& name, std::string_view hint) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setToolTip(to_qstring(hint));
    box->setAccessibleDescription(to_qstring(hint));
    return box;
}

// Under a box, why what it holds does not read; hidden while it reads.
QLabel* fault_note(QWidget* parent, const QString& name) {
    QLabel* label = note(parent);
    label->setObjectName(name);
    label->hide();
    return label;
}

void show_fault(QLabel& label, const std::string& fault) {
    label.setText(QString::fromStdString(fault));
    label.setVisible(!fault.empty());
}

// A box shows the setting unless what it holds means the same: blanks where
// the setting is absent stay as typed.
void show_text(QLineEdit& box, const std::string* text) {
    const QString shown = text == nullptr ? QString() : QString::fromStdString(*text);
    if (box.text() == shown || (text == nullptr && box.text().trimmed().isEmpty())) return;
    box.setText(shown);
}

// A candidate list as the project keeps it: line ends separate names as ";" does.
std::string candidate_list(const QPlainTextEdit& box) { return box.toPlainText().replace(u'\n', u';').toStdString(); }

int utilisation_column() {
    const auto at = std::find_if(design::kDesignColumns.begin(), design::kDesignColumns.end(),
                                 [](const auto& column) { return column.column == design::DesignColumn::Utilisation; });
    return static_cast<int>(at - design::kDesignColumns.begin());
}

const std::string& section_text(const load_case::DesignSettings& settings, std::size_t group) {
    static const std::string kNone;
    const std::string* text = design::group_section(settings, group);
    return text == nullptr ? kNone : *text;
}

}  // namespace

QSize design_window_size(const QSize& available) { return QSize(1600, 960).boundedTo(available * 9 / 10); }

// The report's command, the first after the deflection's, follows a separator.
constexpr std::size_t kFirstFileCommand = 2;

const std::array<MenuCommand<DesignWindow>, 5> DesignWindow::kDesignCommands{{
    {kCheckWorkingCommand, QKeySequence::UnknownKey, "Ctrl+Shift+K", &DesignWindow::on_check_working, false, false},
    {kVirtualWorkCommand, QKeySequence::UnknownKey, "Ctrl+Shift+W", &DesignWindow::on_virtual_work, false, false},
    {kDesignReportCommand, QKeySequence::UnknownKey, {}, &DesignWindow::on_save_report, true, false},
    // Written out: the platforms have no standard key for an export.
    {kSaveDesignCsvCommand, QKeySequence::UnknownKey, "Ctrl+Shift+E", &DesignWindow::on_save_csv, false, false},
    {kCloseDesignCommand, QKeySequence::Close, {}, &DesignWindow::on_close, true, false},
}};

DesignWindow::DesignWindow(Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window),
      dialogs_(dialogs),
      export_(dialogs),
      shown_(design::DesignError{"the project has no \"design\""}) {
    setObjectName(QStringLiteral("DesignWindow"));
    setWindowTitle(to_qstring(kDesignTitle));
    setAttribute(Qt::WA_QuitOnClose, false);

    auto* menus = new QMenuBar(this);
    QMenu* design_menu = menus->addMenu(to_qstring(kDesignMenu));
    const std::vector<QAction*> commands = add_menu_commands(*design_menu, *this, kDesignCommands);
    // Beside the deflection's other command, before the separator of the files' commands.
    auto* roof_limits = new QMenu(to_qstring(kRoofLimitsMenu), design_menu);
    const QList<QAction*> in_menu = design_menu->actions();
    design_menu->insertMenu(in_menu[in_menu.indexOf(commands[kFirstFileCommand]) - 1], roof_limits);
    for (std::size_t row = 0; row < load_case::kIbcRoofLimits.size(); ++row) {
        const load_case::RoofDeflectionLimits& limits = load_case::kIbcRoofLimits[row];
        QAction* action = roof_limits->addAction(to_qstring(kRoofLimitColumns)
                                                     .arg(to_qstring(kRoofLimitCommands[row]))
                                                     .arg(limits.divisors[0])
                                                     .arg(limits.divisors[1])
                                                     .arg(limits.divisors[2]));
        connect(action, &QAction::triggered, this, [this, ceiling = limits.ceiling] { on_roof_limits(ceiling); });
    }
    auto* layout = new QHBoxLayout(this);
    layout->setMenuBar(menus);
    auto* sides = new QSplitter(Qt::Horizontal, this);
    sides->setChildrenCollapsible(false);
    sides->addWidget(build_settings());
    sides->addWidget(build_results());
    sides->setStretchFactor(1, 1);
    layout->addWidget(sides);

    show_project({});
    resize(design_window_size(screen()->availableGeometry().size()));
}

QWidget* DesignWindow::build_settings() {
    auto* box = new QGroupBox(to_qstring(kSettingsBox), this);
    // Room for a steel section's name, "RHS 200x100x10 cold-formed", and a material with its standard.
    box->setMinimumWidth(fontMetrics().averageCharWidth() * 56);
    auto* column = new QVBoxLayout(box);
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    column->addLayout(form);
    const auto combo = [&](const char* name, std::string_view caption, std::string_view placeholder) {
        auto* combo_box = new QComboBox(box);
        combo_box->setObjectName(QString::fromLatin1(name));
        combo_box->setPlaceholderText(to_qstring(placeholder));
        form->addRow(to_qstring(caption), combo_box);
        return combo_box;
    };
    force_box_ = combo("ForceUnitBox", kForceUnitCaption, kUnitPlaceholder);
    for (const auto& unit : design::kForceUnits) force_box_->addItem(to_qstring(unit.key));
    length_box_ = combo("LengthUnitBox", kLengthUnitCaption, kUnitPlaceholder);
    for (const auto& unit : design::kLengthUnits) length_box_->addItem(to_qstring(unit.key));
    code_box_ = combo("CodeBox", kCodeCaption, kCodePlaceholder);
    for (const design::DesignCodeRow& code : design::kDesignCodes) code_box_->addItem(to_qstring(code.key));
    material_box_ = combo("MaterialBox", kMaterialCaption, {});
    service_class_box_ = combo("ServiceClassBox", kServiceClassCaption, {});
    service_class_box_->setToolTip(to_qstring(kServiceClassHint));
    for (const char* service_class : {"1", "2", "3"}) service_class_box_->addItem(QString::fromLatin1(service_class));
    for (QComboBox* units : {force_box_, length_box_}) {
        units->setCurrentIndex(-1);
        connect(units, &QComboBox::activated, this, &DesignWindow::on_units_chosen);
    }
    code_box_->setCurrentIndex(-1);
    connect(code_box_, &QComboBox::activated, this, &DesignWindow::on_code_chosen);
    connect(material_box_, &QComboBox::activated, this, &DesignWindow::on_material_chosen);
    connect(service_class_box_, &QComboBox::activated, this, &DesignWindow::on_service_class_chosen);

    // γ_M0 and γ_M1 side by side, each fault under its box.
    auto* factors = new QGridLayout;
    for (std::size_t f = 0; f < design::kPartialFactorKeys.size(); ++f) {
        auto* factor = line_box(box, QStringLiteral("PartialFactorBox%1").arg(f), kPartialFactorHint);
        const design::Design recommended;
        factor->setPlaceholderText(
            QString::fromStdString(design::design_number(f == 0 ? recommended.gamma_m0 : recommended.gamma_m1, 2)));
        partial_factor_boxes_[f] = factor;
        partial_factor_faults_[f] = fault_note(box, QStringLiteral("PartialFactorFault%1").arg(f));
        auto* caption = new QLabel(to_qstring(kPartialFactorCaptions[f]), box);
        caption->setBuddy(factor);
        const int at = 2 * static_cast<int>(f);
        if (f > 0) factors->addWidget(caption, 0, at);
        factors->addWidget(factor, 0, at + 1);
        factors->addWidget(partial_factor_faults_[f], 1, at + 1);
        if (f == 0) form->addRow(caption, factors);
        connect(factor, &QLineEdit::textEdited, this, [this, f](const QString& text) {
            propose(design::set_partial_factor(project_, f, text.toStdString()),
                    QStringLiteral("design partial factor %1").arg(f));
        });
    }

    tabs_ = new QTabWidget(box);
    tabs_->setObjectName(QStringLiteral("SettingsTabs"));
    const auto scrolled = [this](QWidget* page) {
        auto* scroll = new QScrollArea(tabs_);
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidget(page);
        scroll_to_focus(*scroll);
        return scroll;
    };
    tabs_->addTab(scrolled(build_sections_tab()), to_qstring(kSectionsTab));
    tabs_->addTab(scrolled(build_buckling_tab()), to_qstring(kBucklingTab));
    tabs_->addTab(scrolled(build_duration_tab()), to_qstring(kDurationTab));
    tabs_->addTab(scrolled(build_candidates_tab()), to_qstring(kCandidatesTab));
    column->addWidget(tabs_, 1);
    return box;
}

QWidget* DesignWindow::build_sections_tab() {
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    for (std::size_t g = 0; g < design::kGroupCount; ++g) {
        auto* section = line_box(page, QStringLiteral("SectionBox%1").arg(g), kSectionHint);
        section_boxes_[g] = section;
        section_faults_[g] = fault_note(page, QStringLiteral("SectionFault%1").arg(g));
        form->addRow(to_qstring(kGroupCaptions[g]), section);
        form->addRow(QString(), section_faults_[g]);
        connect(section, &QLineEdit::textEdited, this, [this, g](const QString& text) {
            propose(design::set_group_section(project_, g, text.toStdString()),
                    QStringLiteral("design section %1").arg(g));
        });
    }
    auto* lightest = new QPushButton(to_qstring(kLightestCommand), page);
    lightest->setAccessibleDescription(to_qstring(kLightestDescription));
    lightest->setToolTip(to_qstring(kLightestDescription));
    lightest->setAutoDefault(false);
    connect(lightest, &QPushButton::clicked, this, &DesignWindow::on_use_lightest);
    form->addRow(QString(), lightest);
    lightest_ = note(page);
    lightest_->setObjectName(QStringLiteral("LightestSections"));
    form->addRow(lightest_);

    member_box_ = new QComboBox(page);
    member_box_->setObjectName(QStringLiteral("MemberBox"));
    form->addRow(to_qstring(kMemberCaption), member_box_);
    connect(member_box_, &QComboBox::activated, this, &DesignWindow::on_member_picked);
    member_section_box_ = line_box(page, QStringLiteral("MemberSectionBox"), kMemberSectionHint);
    member_section_fault_ = fault_note(page, QStringLiteral("MemberSectionFault"));
    form->addRow(to_qstring(kMemberSectionCaption), member_section_box_);
    form->addRow(QString(), member_section_fault_);
    connect(member_section_box_, &QLineEdit::textEdited, this, [this](const QString& text) {
        const QString member = member_box_->currentData().toString();
        propose(design::set_member_section(project_, member.toStdString(), text.toStdString()),
                QStringLiteral("design member ") + member);
    });

    limit_box_ = new QLineEdit(page);
    limit_box_->setObjectName(QStringLiteral("DeflectionLimitBox"));
    limit_box_->setPlaceholderText(to_qstring(design::kDefaultDeflectionLimit));
    form->addRow(to_qstring(kDeflectionLimitCaption), limit_box_);
    connect(limit_box_, &QLineEdit::textEdited, this, [this](const QString& text) {
        propose(design::set_deflection_limit(project_, text.toStdString()), QStringLiteral("design deflection limit"));
    });
    form->addRow(note(page, to_qstring(kServiceabilityCaption)));
    serviceability_list_ = new QListWidget(page);
    serviceability_list_->setObjectName(QStringLiteral("ServiceabilityList"));
    serviceability_list_->setAccessibleName(to_qstring(kServiceabilityName));
    serviceability_list_->setMinimumHeight(serviceability_list_->fontMetrics().height() * 4);
    connect(serviceability_list_, &QListWidget::itemChanged, this, &DesignWindow::on_serviceability_changed);
    connect(serviceability_list_, &QListWidget::currentItemChanged, this, &DesignWindow::show_combination_limit);
    form->addRow(serviceability_list_);
    combination_limit_box_ = line_box(page, QStringLiteral("CombinationLimitBox"), kCombinationLimitHint);
    form->addRow(to_qstring(kCombinationLimitCaption), combination_limit_box_);
    connect(combination_limit_box_, &QLineEdit::textEdited, this, [this](const QString& text) {
        const QString name = picked_combination();
        if (name.isEmpty()) return;
        propose(design::set_combination_deflection_limit(project_, name.toStdString(), text.toStdString()),
                QStringLiteral("design deflection limit of ") + name);
    });
    return page;
}

QWidget* DesignWindow::build_buckling_tab() {
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    grid->addWidget(note(page, to_qstring(kBucklingFactorHeading)), 0, 1);
    bracing_heading_ = note(page);
    grid->addWidget(bracing_heading_, 0, 2);
    for (std::size_t g = 0; g < design::kGroupCount; ++g) {
        const int row = 1 + 2 * static_cast<int>(g);
        factor_boxes_[g] = line_box(page, QStringLiteral("BucklingFactorBox%1").arg(g), kBucklingNote);
        factor_boxes_[g]->setPlaceholderText(to_qstring(kFactorPlaceholder));
        bracing_boxes_[g] = line_box(page, QStringLiteral("BracingBox%1").arg(g), kBucklingNote);
        const bool web = g + 1 == design::kGroupCount;
        bracing_boxes_[g]->setPlaceholderText(to_qstring(web ? kWebsOwnLength : kBracedAtEveryNode));
        factor_faults_[g] = fault_note(page, QStringLiteral("BucklingFactorFault%1").arg(g));
        bracing_faults_[g] = fault_note(page, QStringLiteral("BracingFault%1").arg(g));
        auto* caption = new QLabel(to_qstring(kGroupCaptions[g]), page);
        caption->setBuddy(factor_boxes_[g]);
        grid->addWidget(caption, row, 0);
        grid->addWidget(factor_boxes_[g], row, 1);
        grid->addWidget(bracing_boxes_[g], row, 2);
        grid->addWidget(factor_faults_[g], row + 1, 1);
        grid->addWidget(bracing_faults_[g], row + 1, 2);
        connect(factor_boxes_[g], &QLineEdit::textEdited, this, [this, g](const QString& text) {
            propose(design::set_buckling_factor(project_, g, text.toStdString()),
                    QStringLiteral("design buckling factor %1").arg(g));
        });
        connect(bracing_boxes_[g], &QLineEdit::textEdited, this, [this, g](const QString& text) {
            propose(design::set_bracing(project_, g, text.toStdString()), QStringLiteral("design bracing %1").arg(g));
        });
    }
    const int last = 1 + 2 * static_cast<int>(design::kGroupCount);
    grid->addWidget(note(page, to_qstring(kBucklingNote)), last, 0, 1, 3);
    grid->setRowStretch(last + 1, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    return page;
}

QWidget* DesignWindow::build_duration_tab() {
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    duration_note_ = note(page);
    duration_note_->setObjectName(QStringLiteral("DurationNote"));
    form->addRow(duration_note_);
    for (std::size_t k = 0; k < design::kCaseKindCount; ++k) {
        auto* kind = new QComboBox(page);
        kind->setObjectName(QStringLiteral("DurationBox%1").arg(k));
        duration_boxes_[k] = kind;
        duration_faults_[k] = fault_note(page, QStringLiteral("DurationFault%1").arg(k));
        form->addRow(to_qstring(kCaseKindCaptions[k]), kind);
        form->addRow(QString(), duration_faults_[k]);
        connect(kind, &QComboBox::activated, this, [this, k](int index) {
            propose(design::set_load_duration(project_, load_case::kCaseKinds[k].kind,
                                              duration_boxes_[k]->itemData(index).toString().toStdString()));
        });
    }
    return page;
}

QWidget* DesignWindow::build_candidates_tab() {
    auto* page = new QWidget(this);
    auto* column = new QVBoxLayout(page);
    column->addWidget(note(page, to_qstring(kCandidatesNote)));
    for (std::size_t g = 0; g < design::kGroupCount; ++g) {
        auto* list = new QPlainTextEdit(page);
        list->setObjectName(QStringLiteral("CandidatesBox%1").arg(g));
        list->setTabChangesFocus(true);
        list->setAccessibleDescription(to_qstring(kCandidatesNote));
        list->setMinimumHeight(list->fontMetrics().lineSpacing() * 3 + 2 * list->frameWidth() + 8);
        list->setMaximumHeight(list->fontMetrics().lineSpacing() * 6 + 2 * list->frameWidth() + 8);
        candidate_boxes_[g] = list;
        auto* caption = new QLabel(to_qstring(kGroupCaptions[g]), page);
        caption->setBuddy(list);
        candidate_sources_[g] = note(page);
        candidate_sources_[g]->setObjectName(QStringLiteral("CandidatesSource%1").arg(g));
        candidate_faults_[g] = fault_note(page, QStringLiteral("CandidatesFault%1").arg(g));
        auto* code_list = new QPushButton(to_qstring(kCodeListCommands[g]), page);
        code_list->setObjectName(QStringLiteral("CodeCandidates%1").arg(g));
        code_list->setAccessibleDescription(to_qstring(kCodeListDescription));
        code_list->setAutoDefault(false);
        code_list_buttons_[g] = code_list;
        auto* top = new QHBoxLayout;
        top->addWidget(caption);
        top->addWidget(candidate_sources_[g], 1);
        column->addLayout(top);
        column->addWidget(list);
        column->addWidget(candidate_faults_[g]);
        column->addWidget(code_list, 0, Qt::AlignLeft);
        connect(list, &QPlainTextEdit::textChanged, this, [this, g] {
            propose(design::set_candidates(project_, g, candidate_list(*candidate_boxes_[g])),
                    QStringLiteral("design candidates %1").arg(g));
        });
        connect(code_list, &QPushButton::clicked, this,
                [this, g] { propose(design::use_code_candidates(project_, g)); });
    }
    column->addStretch(1);
    return page;
}

QWidget* DesignWindow::build_results() {
    auto* side = new QWidget(this);
    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    // What to add or correct scrolls in a narrow pane rather than being cut.
    message_area_ = new QScrollArea(side);
    message_area_->setWidgetResizable(true);
    message_area_->setFrameShape(QFrame::NoFrame);
    message_ = note(message_area_);
    message_->setObjectName(QStringLiteral("DesignMessage"));
    message_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    message_area_->setWidget(message_);
    layout->addWidget(message_area_, 1);

    // Each part of the results in a tab of its own, so the members' table has the height.
    results_ = new QTabWidget(side);
    results_->setObjectName(QStringLiteral("DesignTabs"));
    layout->addWidget(results_, 1);

    auto* members = new QWidget(results_);
    auto* shown = new QVBoxLayout(members);
    failures_first_ = new QCheckBox(to_qstring(kFailuresFirst), members);
    failures_first_->setObjectName(QStringLiteral("FailuresFirst"));
    connect(failures_first_, &QCheckBox::toggled, this, [this] { show_design(); });
    shown->addWidget(failures_first_);
    table_ = read_only_table(members, "DesignTable", kDesignTableName, static_cast<int>(design::kDesignColumnCount));
    table_->setItemDelegateForColumn(utilisation_column(), new UtilisationBarDelegate(table_));
    shown->addWidget(table_, 1);
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this] { on_check_working(); });
    table_->installEventFilter(this);
    verdict_ = note(members);
    verdict_->setObjectName(QStringLiteral("Verdict"));
    QFont bold = verdict_->font();
    bold.setBold(true);
    verdict_->setFont(bold);
    shown->addWidget(verdict_);
    results_->addTab(members, to_qstring(kMembersTab));

    auto* conditions = new QWidget(results_);
    auto* listed = new QVBoxLayout(conditions);
    conditions_ = read_only_table(conditions, "ConditionsTable", kConditionsName, 2);
    conditions_->horizontalHeader()->hide();
    conditions_->setWordWrap(false);
    listed->addWidget(conditions_, 1);
    listed->addWidget(note(conditions, to_qstring(design::kDesignLimits)));
    results_->addTab(conditions, to_qstring(kConditionsTab));

    deflection_page_ = new QWidget(results_);
    auto* deflection = new QVBoxLayout(deflection_page_);
    deflection_caption_ = note(deflection_page_);
    deflection_caption_->setObjectName(QStringLiteral("DeflectionCaption"));
    deflection->addWidget(deflection_caption_);
    deflection_table_ = read_only_table(deflection_page_, "DeflectionTable", kDeflectionTableName,
                                        static_cast<int>(design::kDeflectionColumnCount));
    deflection->addWidget(deflection_table_);
    deflection->addWidget(note(deflection_page_, to_qstring(design::kJointSlipNote)));
    creep_caption_ = note(deflection_page_);
    creep_caption_->setObjectName(QStringLiteral("CreepCaption"));
    deflection->addWidget(creep_caption_);
    creep_table_ = read_only_table(deflection_page_, "CreepTable", kCreepTableName,
                                   static_cast<int>(design::kCreepFactorHeadings.size()));
    creep_table_->setHorizontalHeaderLabels(to_qstring_list(design::kCreepFactorHeadings));
    deflection->addWidget(creep_table_);
    deflection->addStretch(1);
    results_->addTab(deflection_page_, to_qstring(kDeflectionTab));
    results_->addTab(build_picture(), to_qstring(kPictureTab));
    return side;
}

void DesignWindow::keyPressEvent(QKeyEvent* event) {
    // Only an Escape that no control used (to close a list) closes the window.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool DesignWindow::eventFilter(QObject* watched, QEvent* event) {
    // Enter on a member's row shows its working, as a double-click does.
    if (watched == table_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            on_check_working();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void DesignWindow::on_check_working() {
    const auto* answer = std::get_if<design::ProjectDesign>(&shown_);
    if (answer == nullptr) return;
    const auto order = failures_first_->isChecked() ? design::DesignOrder::FailuresFirst : design::DesignOrder::Members;
    const auto rows = design::design_table(answer->result, answer->design, order);
    int row = table_->currentRow();
    if (row < 0) {
        // No row picked yet: the member that governs, the first of "Failures first", shown picked.
        const engine::Member governing =
            design::design_table(answer->result, answer->design, design::DesignOrder::FailuresFirst).front().member;
        const auto at = std::find_if(rows.begin(), rows.end(),
                                     [governing](const design::DesignTableRow& r) { return r.member == governing; });
        row = static_cast<int>(at - rows.begin());
        table_->setCurrentCell(row, 0);
    }
    if (static_cast<std::size_t>(row) >= rows.size()) return;
    emit check_working_requested(design::check_working(*answer, rows[static_cast<std::size_t>(row)].member));
}

void DesignWindow::on_virtual_work() {
    const QString title = plain_command_text(to_qstring(kVirtualWorkCommand));
    const auto* answer = std::get_if<design::ProjectDesign>(&shown_);
    if (answer == nullptr || !answer->deflection) {
        dialogs_.message(to_qstring(kNoVirtualWork), MessageStyle::OkExclamation, title);
        return;
    }
    const std::optional<QString> node = dialogs_.input(to_qstring(kVirtualWorkPrompt), title, QString());
    if (!node) return;
    const std::string name = node->trimmed().toUpper().toStdString();
    const std::optional<std::size_t> point = design::deflection_point_named(name);
    if (!name.empty() && !point) {
        dialogs_.message(to_qstring(kNotADeflectionPoint).arg(*node), MessageStyle::OkExclamation, title);
        return;
    }
    emit check_working_requested(design::virtual_work_working(design::virtual_work_tables(project_, *answer, point)));
}

QWidget* DesignWindow::build_picture() {
    auto* page = new QWidget(results_);
    auto* layout = new QVBoxLayout(page);
    auto* choice = new QFormLayout;
    shape_box_ = new QComboBox(page);
    shape_box_->setObjectName(QStringLiteral("ShapeBox"));
    choice->addRow(to_qstring(kShapeCaption), shape_box_);
    layout->addLayout(choice);
    connect(shape_box_, &QComboBox::activated, this, [this] { show_picture(); });
    shape_fault_ = note(page);
    shape_fault_->setObjectName(QStringLiteral("ShapeFault"));
    layout->addWidget(shape_fault_);
    picture_ = new DesignPicture(page);
    layout->addWidget(picture_, 1);
    return page;
}

void DesignWindow::show_picture() {
    const auto* answer = std::get_if<design::ProjectDesign>(&shown_);
    if (answer == nullptr) return picture_->clear();
    // The truss unloaded: the picture needs its geometry, the utilisations are its texts.
    const engine::AnalysisInput truss{project_.span, {}, project_.pitch};
    const engine::AnalysisOutcome outcome = engine::run_analysis(truss);
    if (!std::holds_alternative<engine::AnalysisResult>(outcome)) return picture_->clear();
    std::optional<design::DeformedShape> shape;
    QString fault;
    if (answer->deflection && shape_box_->currentIndex() >= 0) {
        auto made = design::deformed_shape(project_, *answer, static_cast<std::size_t>(shape_box_->currentIndex()));
        if (auto* made_shape = std::get_if<design::DeformedShape>(&made))
            shape = std::move(*made_shape);
        else
            fault = to_qstring(kNoShape).arg(QString::fromStdString(std::get<std::string>(made)));
    }
    shape_fault_->setText(fault);
    shape_fault_->setVisible(!fault.isEmpty());
    shape_box_->setEnabled(answer->deflection.has_value());
    picture_->show_design({truss, std::get<engine::AnalysisResult>(outcome)}, answer->result, std::move(shape),
                          design::unit_key(answer->design.units.length));
}

void DesignWindow::show_project(const load_case::Project& project) {
    if (ever_shown_ && project == project_) return;
    const load_case::Project before = std::exchange(project_, project);
    show_settings(before);
    show_design();
    ever_shown_ = true;
}

void DesignWindow::propose(load_case::Project edited, const QString& merge_key) {
    if (edited == project_) return;
    const load_case::Project before = std::exchange(project_, std::move(edited));
    show_settings(before);
    show_design();
    emit project_edited(project_, merge_key);
}

void DesignWindow::show_settings(const load_case::Project& before) {
    const bool all = !ever_shown_;
    if (all || before.units != project_.units) {
        const QSignalBlocker quiet_force(force_box_), quiet_length(length_box_);
        // Without units, a unit chosen in one box waits there for the other.
        if (project_.units) {
            force_box_->setCurrentIndex(force_box_->findText(QString::fromStdString(project_.units->force)));
            length_box_->setCurrentIndex(length_box_->findText(QString::fromStdString(project_.units->length)));
        } else if (before.units) {
            force_box_->setCurrentIndex(-1);
            length_box_->setCurrentIndex(-1);
        }
    }
    const load_case::DesignSettings none;
    const load_case::DesignSettings& now = project_.design ? *project_.design : none;
    const load_case::DesignSettings& was = before.design ? *before.design : none;
    if (all || now.code != was.code || now.material != was.material || now.service_class != was.service_class) {
        const QSignalBlocker quiet_code(code_box_), quiet_material(material_box_), quiet_class(service_class_box_);
        const auto code = design::design_code_from_key(now.code);
        code_box_->setCurrentIndex(code_box_->findText(QString::fromStdString(now.code)));
        material_box_->clear();
        for (const design::Material& material : design::kMaterials) {
            if (code && !design::code_accepts(*code, material)) continue;
            material_box_->addItem(
                to_qstring(material.name) + QStringLiteral(" (") + to_qstring(material.standard) + u')',
                to_qstring(material.name));
        }
        material_box_->setCurrentIndex(material_box_->findData(QString::fromStdString(now.material)));
        service_class_box_->setEnabled(code == design::DesignCode::En1995);
        service_class_box_->setCurrentIndex(service_class_box_->findText(QString::fromStdString(now.service_class)));
    }
    const auto code = design::design_code_from_key(now.code);
    for (std::size_t f = 0; f < design::kPartialFactorKeys.size(); ++f) {
        const std::string* text = design::setting_text(now.partial_factors, design::kPartialFactorKeys[f]);
        show_text(*partial_factor_boxes_[f], text);
        // Open to a factor kept from a file under another code, so it can be emptied.
        partial_factor_boxes_[f]->setEnabled(code == design::DesignCode::En1993 || text != nullptr);
    }
    for (std::size_t g = 0; g < design::kGroupCount; ++g) {
        const QString text = QString::fromStdString(section_text(now, g));
        if (section_boxes_[g]->text() != text) section_boxes_[g]->setText(text);
        show_text(*factor_boxes_[g], design::setting_text(now.buckling_factors, design::kGroupKeys[g]));
        const std::string* bracing = design::setting_text(now.bracing, design::kGroupKeys[g]);
        show_text(*bracing_boxes_[g], bracing);
        // A web buckles over its own length; a bracing kept from a file can still be emptied.
        bracing_boxes_[g]->setEnabled(g + 1 < design::kGroupCount || bracing != nullptr);
    }
    if (all || before.units != project_.units) {
        bracing_heading_->setText(project_.units ? to_qstring(kBracingHeading) + QStringLiteral(" (") +
                                                       QString::fromStdString(project_.units->length) + u')'
                                                 : to_qstring(kBracingHeading));
    }
    show_members(now);
    if (all || now.code != was.code || now.load_duration != was.load_duration) show_durations(now);
    if (all || now.code != was.code || now.candidates != was.candidates) show_candidates(now);
    if (const QString limit = QString::fromStdString(now.deflection_limit); limit_box_->text() != limit)
        limit_box_->setText(limit);
    if (all || now.serviceability != was.serviceability || now.deflection_limits != was.deflection_limits ||
        project_.combinations != before.combinations) {
        const QSignalBlocker quiet(serviceability_list_);
        const QString picked = picked_combination();
        serviceability_list_->clear();
        const auto add_choice = [&](const std::string& name, bool ticked) {
            const std::string* own = design::setting_text(now.deflection_limits, name);
            const QString shown =
                own == nullptr
                    ? QString::fromStdString(name)
                    : to_qstring(kCombinationWithLimit).arg(QString::fromStdString(name), QString::fromStdString(*own));
            auto* item = new QListWidgetItem(shown, serviceability_list_);
            item->setData(Qt::UserRole, QString::fromStdString(name));
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
            item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
            if (item->data(Qt::UserRole).toString() == picked) serviceability_list_->setCurrentItem(item);
        };
        const auto named = [&now](const std::string& name) {
            return std::find(now.serviceability.begin(), now.serviceability.end(), name) != now.serviceability.end();
        };
        for (const load_case::Combination& combination : project_.combinations)
            add_choice(combination.name, named(combination.name));
        // A name the project no longer has stays in sight, so it can be unticked or its limit emptied.
        const auto gone = [this](const std::string& name) {
            return std::none_of(project_.combinations.begin(), project_.combinations.end(),
                                [&name](const load_case::Combination& c) { return c.name == name; });
        };
        for (const std::string& name : now.serviceability)
            if (gone(name)) add_choice(name, true);
        for (const load_case::NamedText& limit : now.deflection_limits)
            if (gone(limit.name) && !named(limit.name)) add_choice(limit.name, false);
        if (project_.combinations.empty()) {
            auto* item = new QListWidgetItem(to_qstring(kNoCombinations), serviceability_list_);
            item->setFlags(Qt::NoItemFlags);
        }
    }
    show_combination_limit();
}

QString DesignWindow::picked_combination() const {
    const QListWidgetItem* item = serviceability_list_->currentItem();
    return item == nullptr ? QString() : item->data(Qt::UserRole).toString();
}

void DesignWindow::show_combination_limit() {
    const QString name = picked_combination();
    const load_case::DesignSettings none;
    const load_case::DesignSettings& now = project_.design ? *project_.design : none;
    const std::string* own = name.isEmpty() ? nullptr : design::setting_text(now.deflection_limits, name.toStdString());
    const QString text = own == nullptr ? QString() : QString::fromStdString(*own);
    if (combination_limit_box_->text() != text) combination_limit_box_->setText(text);
    combination_limit_box_->setEnabled(!name.isEmpty());
    combination_limit_box_->setPlaceholderText(name.isEmpty()
                                                   ? to_qstring(kPickACombination)
                                                   : to_qstring(design::deflection_limit_text(now.deflection_limit)));
}

void DesignWindow::on_roof_limits(load_case::Ceiling ceiling) {
    if (!project_.design || project_.design->serviceability.empty()) {
        dialogs_.message(to_qstring(kNoCombinationTicked), MessageStyle::OkExclamation, to_qstring(kDesignTitle));
        return;
    }
    propose(design::set_roof_deflection_limits(project_, ceiling));
}

void DesignWindow::show_members(const load_case::DesignSettings& now) {
    // The truss's members, then any name a file gives that is no member, so it can be emptied.
    std::vector<std::string> names;
    for (const engine::Member member : engine::kMembers) names.emplace_back(engine::member_name(member));
    for (const load_case::NamedText& entry : now.members)
        if (!engine::member_from_name(entry.name)) names.push_back(entry.name);
    const QSignalBlocker quiet(member_box_);
    const QString picked = member_box_->currentData().toString();
    while (member_box_->count() > static_cast<int>(names.size())) member_box_->removeItem(member_box_->count() - 1);
    while (member_box_->count() < static_cast<int>(names.size())) member_box_->addItem(QString());
    for (std::size_t i = 0; i < names.size(); ++i) {
        const QString name = QString::fromStdString(names[i]);
        const std::string* own = design::setting_text(now.members, names[i]);
        member_box_->setItemText(
            static_cast<int>(i),
            own == nullptr ? name : to_qstring(kMemberWithSection).arg(name, QString::fromStdString(*own)));
        member_box_->setItemData(static_cast<int>(i), name);
    }
    member_box_->setCurrentIndex(std::max(0, member_box_->findData(picked)));
    const std::string member = member_box_->currentData().toString().toStdString();
    show_text(*member_section_box_, design::setting_text(now.members, member));
    const auto id = engine::member_from_name(member);
    member_section_box_->setPlaceholderText(
        id ? to_qstring(kMemberSectionPlaceholder).arg(to_qstring(design::group_key(engine::member_group(*id))))
           : QString());
}

void DesignWindow::show_durations(const load_case::DesignSettings& now) {
    const auto code = design::design_code_from_key(now.code);
    const bool timber = code && design::code_row(*code).timber;
    if (!code)
        duration_note_->setText(to_qstring(kChooseCodeFirst));
    else
        duration_note_->setText(
            to_qstring(timber ? kDurationNote : kNoDurationForSteel).arg(to_qstring(design::code_row(*code).key)));
    const auto defaults = design::default_durations(code.value_or(design::DesignCode::En1995));
    for (std::size_t k = 0; k < design::kCaseKindCount; ++k) {
        QComboBox& kind = *duration_boxes_[k];
        const QSignalBlocker quiet(&kind);
        kind.clear();
        const std::string* chosen = design::setting_text(now.load_duration, load_case::kCaseKinds[k].key);
        kind.setEnabled(timber || chosen != nullptr);
        if (!code) continue;
        kind.addItem(to_qstring(kDefaultDuration).arg(to_qstring(design::duration_words(*code, defaults[k]))),
                     QString());
        for (std::size_t d = 0; d < design::kDurationCount; ++d) {
            const QString words = to_qstring(design::duration_words(*code, static_cast<design::LoadDuration>(d)));
            kind.addItem(words, words);
        }
        // A class the code does not know stays in sight, with its fault beside it.
        if (chosen != nullptr && kind.findData(QString::fromStdString(*chosen)) < 0)
            kind.addItem(QString::fromStdString(*chosen), QString::fromStdString(*chosen));
        kind.setCurrentIndex(chosen == nullptr ? 0 : kind.findData(QString::fromStdString(*chosen)));
    }
}

void DesignWindow::show_candidates(const load_case::DesignSettings& now) {
    const auto code = design::design_code_from_key(now.code);
    QString code_list;
    if (code) {
        for (const std::string& name : design::default_candidates(*code))
            code_list += (code_list.isEmpty() ? QString() : QStringLiteral("; ")) + QString::fromStdString(name);
    }
    for (std::size_t g = 0; g < design::kGroupCount; ++g) {
        const std::string* own = design::setting_text(now.candidates, design::kGroupKeys[g]);
        const QString shown = own == nullptr ? code_list : QString::fromStdString(*own);
        QPlainTextEdit& list = *candidate_boxes_[g];
        if (QString::fromStdString(candidate_list(list)) != shown) {
            const QSignalBlocker quiet(&list);
            list.setPlainText(shown);
        }
        candidate_sources_[g]->setText(to_qstring(own == nullptr ? kCodesList : kOwnList));
        code_list_buttons_[g]->setEnabled(own != nullptr);
    }
}

void DesignWindow::show_faults() {
    const load_case::DesignSettings none;
    const design::SettingFaults faults = design::setting_faults(project_.design ? *project_.design : none);
    for (std::size_t g = 0; g < design::kGroupCount; ++g) {
        show_fault(*section_faults_[g], faults.sections[g]);
        show_fault(*factor_faults_[g], faults.buckling_factors[g]);
        show_fault(*bracing_faults_[g], faults.bracing[g]);
        show_fault(*candidate_faults_[g], faults.candidates[g]);
    }
    for (std::size_t k = 0; k < design::kCaseKindCount; ++k) show_fault(*duration_faults_[k], faults.durations[k]);
    for (std::size_t f = 0; f < design::kPartialFactorKeys.size(); ++f)
        show_fault(*partial_factor_faults_[f], faults.partial_factors[f]);
    const std::string member = member_box_->currentData().toString().toStdString();
    const auto fault = std::find_if(faults.members.begin(), faults.members.end(),
                                    [&member](const load_case::NamedText& entry) { return entry.name == member; });
    show_fault(*member_section_fault_, fault == faults.members.end() ? std::string() : fault->text);
}

void DesignWindow::show_design() {
    shown_ = design::design_project(project_);
    show_faults();
    if (const auto* error = std::get_if<design::DesignError>(&shown_)) {
        message_->setText(why_no_design(kNoDesign, *error) + u'\n' + to_qstring(kHowToStart));
        message_area_->show();
        results_->hide();
        return;
    }
    message_area_->hide();
    results_->show();
    const design::ProjectDesign& answer = std::get<design::ProjectDesign>(shown_);

    std::vector<design::DesignCondition> conditions = design::design_conditions(answer.design);
    // The limits of the design are the note under the table.
    std::erase_if(conditions, [](const design::DesignCondition& c) { return c.text == design::kDesignLimits; });
    conditions_->setRowCount(static_cast<int>(conditions.size()));
    for (std::size_t r = 0; r < conditions.size(); ++r) {
        conditions_->setItem(static_cast<int>(r), 0, new QTableWidgetItem(QString::fromStdString(conditions[r].label)));
        conditions_->setItem(static_cast<int>(r), 1, new QTableWidgetItem(QString::fromStdString(conditions[r].text)));
    }
    conditions_->resizeColumnToContents(0);

    for (std::size_t c = 0; c < design::kDesignColumnCount; ++c) {
        table_->setHorizontalHeaderItem(
            static_cast<int>(c), new QTableWidgetItem(QString::fromStdString(
                                     design::design_heading(design::kDesignColumns[c], answer.design.units.force))));
    }
    const auto order = failures_first_->isChecked() ? design::DesignOrder::FailuresFirst : design::DesignOrder::Members;
    const std::vector<design::DesignTableRow> rows = design::design_table(answer.result, answer.design, order);
    fill_rows(*table_, rows, [&answer](const design::DesignTableRow& row) {
        return !answer.result.members[engine::to_index(row.member)].passes;
    });
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const design::MemberDesign& member = answer.result.members[engine::to_index(rows[r].member)];
        QTableWidgetItem* cell = table_->item(static_cast<int>(r), utilisation_column());
        cell->setData(kUtilisationRole, member.utilisation);
        cell->setData(kCheckedRole, member.checked);
    }

    QString lightest = to_qstring(kLightestHeading);
    for (std::size_t g = 0; g < design::kGroupCount; ++g)
        lightest += u'\n' + to_qstring(kLightestOfGroup)
                                .arg(to_qstring(design::kGroupKeys[g]),
                                     QString::fromStdString(design::lightest_words(answer, g)));
    lightest_->setText(lightest);
    verdict_->setText(QString::fromStdString(design::design_verdict(answer.result)));

    const QString shape_was = shape_box_->currentText();
    shape_box_->clear();
    if (answer.deflection) {
        for (const design::CombinationDeflection& combination : answer.deflection->combinations)
            shape_box_->addItem(QString::fromStdString(combination.name));
        const int kept = shape_box_->findText(shape_was);
        shape_box_->setCurrentIndex(kept >= 0 ? kept
                                              : static_cast<int>(design::governing_combination(*answer.deflection)));
    }
    show_picture();

    results_->setTabVisible(results_->indexOf(deflection_page_), answer.deflection.has_value());
    if (!answer.deflection) return;
    const std::string_view length_unit = design::unit_key(answer.design.units.length);
    deflection_caption_->setText(QString::fromStdString(design::deflection_caption(*answer.deflection, length_unit)));
    for (std::size_t c = 0; c < design::kDeflectionColumnCount; ++c) {
        deflection_table_->setHorizontalHeaderItem(
            static_cast<int>(c), new QTableWidgetItem(QString::fromStdString(
                                     design::deflection_heading(design::kDeflectionColumns[c], length_unit))));
    }
    fill_rows(*deflection_table_, design::deflection_table(*answer.deflection),
              [](const design::DeflectionTableRow& row) { return !row.passes; });
    fit_height(*deflection_table_, deflection_table_->rowCount());
    const std::string creep = design::creep_factors_caption(answer.deflection->creep);
    creep_caption_->setText(QString::fromStdString(creep));
    creep_caption_->setVisible(!creep.empty());
    fill_rows(*creep_table_, design::creep_factor_table(answer.deflection->creep),
              [](const design::CreepFactorRow&) { return false; });
    fit_height(*creep_table_, creep_table_->rowCount());
    creep_table_->setVisible(creep_table_->rowCount() > 0);
}

void DesignWindow::on_units_chosen() {
    const int force = force_box_->currentIndex();
    const int length = length_box_->currentIndex();
    if (force < 0 || length < 0) return;
    propose(design::set_units(project_, design::kForceUnits[static_cast<std::size_t>(force)].unit,
                              design::kLengthUnits[static_cast<std::size_t>(length)].unit));
}

void DesignWindow::on_code_chosen(int index) {
    if (index < 0) return;
    propose(design::set_design_code(project_, design::kDesignCodes[static_cast<std::size_t>(index)].code));
}

void DesignWindow::on_material_chosen(int index) {
    if (index < 0) return;
    propose(design::set_material(project_, material_box_->itemData(index).toString().toStdString()));
}

void DesignWindow::on_service_class_chosen(int index) {
    if (index < 0) return;
    propose(design::set_service_class(project_, index + 1));
}

void DesignWindow::on_serviceability_changed() {
    std::vector<std::string> names;
    for (int row = 0; row < serviceability_list_->count(); ++row) {
        const QListWidgetItem* item = serviceability_list_->item(row);
        if (item->checkState() == Qt::Checked) names.push_back(item->data(Qt::UserRole).toString().toStdString());
    }
    propose(design::set_serviceability(project_, std::move(names)));
}

void DesignWindow::on_member_picked() {
    const load_case::DesignSettings none;
    const load_case::DesignSettings& now = project_.design ? *project_.design : none;
    show_members(now);
    show_faults();
}

void DesignWindow::on_use_lightest() {
    auto edited = design::use_lightest_sections(project_);
    if (const auto* error = std::get_if<design::DesignError>(&edited)) {
        dialogs_.message(why_no_design(kNoDesign, *error) + QStringLiteral("\r\n") + to_qstring(kHowToStart),
                         MessageStyle::OkExclamation, to_qstring(kLightestTitle));
        return;
    }
    propose(std::get<load_case::Project>(std::move(edited)));
}

void DesignWindow::on_save_report() {
    const QString title = plain_command_text(to_qstring(kDesignReportCommand));
    if (const auto* error = std::get_if<design::DesignError>(&shown_)) {
        dialogs_.message(why_no_design(kNoDesignToSave, *error), MessageStyle::OkExclamation, title);
        return;
    }
    const std::optional<TitleFields> fields = export_.ask_title_fields();
    if (!fields) return;
    const design::ProjectDesign& answer = std::get<design::ProjectDesign>(shown_);
    export_.save(title, to_qstring(kDesignReportName), to_qstring(kDesignPdfFilter), QStringLiteral("pdf"),
                 [this, &answer, &fields](const QString& extension) -> std::optional<QByteArray> {
                     if (extension != u"pdf") return std::nullopt;
                     return design_report_pdf(project_, answer, QDateTime::currentDateTime(), *fields);
                 });
}

void DesignWindow::on_save_csv() {
    const QString title = plain_command_text(to_qstring(kSaveDesignCsvCommand));
    if (const auto* error = std::get_if<design::DesignError>(&shown_)) {
        dialogs_.message(why_no_design(kNoDesignToSave, *error), MessageStyle::OkExclamation, title);
        return;
    }
    const design::ProjectDesign& answer = std::get<design::ProjectDesign>(shown_);
    // The members' order, as korvel-solve --design --format csv writes the same bytes.
    export_.save(title, to_qstring(kDesignCsvName), to_qstring(kDesignCsvFilter), QStringLiteral("csv"),
                 [&answer](const QString& extension) -> std::optional<QByteArray> {
                     if (extension != u"csv") return std::nullopt;
                     return QByteArray::fromStdString(design::design_csv(answer, design::DesignOrder::Members));
                 });
}

}  // namespace korvel::ui
