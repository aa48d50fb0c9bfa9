// The combinations of the load cases window: a row per combination, its name
// first and then a factor cell per case; an empty cell is no factor.
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "load_case/design_presets.hpp"
#include "load_case/project_edits.hpp"
#include "ui/load_cases_window/load_cases_window.hpp"
#include "ui/widgets/qt_text.hpp"
#include "ui/widgets/table_headers.hpp"
#include "ui/widgets/typing_delegate.hpp"

namespace korvel::ui {
namespace {

constexpr int kNameColumn = 0;

}  // namespace

QWidget* LoadCasesWindow::build_combination_side() {
    auto* box = new QGroupBox(to_qstring(kCombinationsBox), this);
    auto* layout = new QVBoxLayout(box);

    combination_table_ = new QTableWidget(box);
    combination_table_->setObjectName(QStringLiteral("CombinationTable"));
    use_readable_header(*combination_table_);
    combination_table_->setAccessibleName(to_qstring(kCombinationTableName));
    combination_table_->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab goes on to the next control; the arrows move between the cells.
    combination_table_->setTabKeyNavigation(false);
    combination_table_->verticalHeader()->setDefaultSectionSize(combination_table_->fontMetrics().height() * 4 / 3);
    combination_table_->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                                        QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked);
    auto* delegate = new TypingDelegate(combination_table_);
    delegate->set_commit_while_typing(true);
    combination_table_->setItemDelegate(delegate);
    connect(combination_table_, &QTableWidget::itemChanged, this, &LoadCasesWindow::on_combination_cell);
    layout->addWidget(combination_table_, 1);

    auto* row = new QHBoxLayout;
    row->addWidget(add_button(box, kAddCombination, &LoadCasesWindow::on_add_combination));
    row->addWidget(add_button(box, kDeleteCombination, &LoadCasesWindow::on_delete_combination));
    auto* presets = new QPushButton(to_qstring(kInsertPreset.caption), box);
    presets->setAccessibleDescription(to_qstring(kInsertPreset.description));
    presets->setToolTip(to_qstring(kInsertPreset.description));
    presets->setAutoDefault(false);
    auto* menu = new QMenu(presets);
    menu->setObjectName(QStringLiteral("PresetMenu"));
    for (std::size_t i = 0; i < load_case::kDesignPresets.size(); ++i)
        connect(menu->addAction(to_qstring(load_case::kDesignPresets[i].title)), &QAction::triggered, this,
                [this, i] { insert_preset(i); });
    presets->setMenu(menu);
    row->addWidget(presets);
    layout->addLayout(row);
    return box;
}

void LoadCasesWindow::show_combinations() {
    const QSignalBlocker quiet(combination_table_);
    combination_table_->clear();
    combination_table_->setRowCount(static_cast<int>(project_.combinations.size()));
    combination_table_->setColumnCount(static_cast<int>(project_.cases.size()) + 1);
    combination_table_->setHorizontalHeaderItem(kNameColumn, new QTableWidgetItem(to_qstring(kCombinationColumn)));
    for (std::size_t c = 0; c < project_.cases.size(); ++c)
        combination_table_->setHorizontalHeaderItem(
            static_cast<int>(c) + 1, new QTableWidgetItem(QString::fromStdString(project_.cases[c].name)));
    for (std::size_t r = 0; r < project_.combinations.size(); ++r) {
        const load_case::Combination& combination = project_.combinations[r];
        combination_table_->setItem(static_cast<int>(r), kNameColumn,
                                    new QTableWidgetItem(QString::fromStdString(combination.name)));
        for (std::size_t c = 0; c < project_.cases.size(); ++c) {
            const auto factor =
                std::find_if(combination.factors.begin(), combination.factors.end(),
                             [&](const load_case::Factor& f) { return f.case_name == project_.cases[c].name; });
            combination_table_->setItem(
                static_cast<int>(r), static_cast<int>(c) + 1,
                new QTableWidgetItem(factor == combination.factors.end() ? QString()
                                                                         : QString::fromStdString(factor->text)));
        }
    }
    combination_table_->horizontalHeader()->setSectionResizeMode(kNameColumn, QHeaderView::ResizeToContents);
}

void LoadCasesWindow::on_combination_cell(QTableWidgetItem* item) {
    if (item == nullptr) return;
    const auto row = static_cast<std::size_t>(item->row());
    if (row >= project_.combinations.size()) return;
    const std::string text = item->text().toStdString();
    // The keystrokes into one cell are one edit to undo.
    const std::string cell = "combination " + std::to_string(row) + ' ' + std::to_string(item->column());
    if (item->column() == kNameColumn) {
        // Kept as typed; a repeated or empty name is reported with the envelope until it is corrected.
        edit([&](load_case::Project& project) { load_case::rename_combination(project, row, text); }, cell);
        return;
    }
    const auto column = static_cast<std::size_t>(item->column() - 1);
    if (column >= project_.cases.size()) return;
    const std::string case_name = project_.cases[column].name;
    edit([&](load_case::Project& project) { load_case::set_factor(project, row, case_name, text); }, cell);
}

void LoadCasesWindow::on_add_combination() {
    if (project_.combinations.size() >= load_case::kProjectPartLimit) return;
    std::size_t added = 0;
    edit([&](load_case::Project& project) { added = load_case::add_combination(project); });
    show_combinations();
    combination_table_->setCurrentCell(static_cast<int>(added), kNameColumn);
    combination_table_->setFocus(Qt::OtherFocusReason);
}

void LoadCasesWindow::on_delete_combination() {
    const int row = combination_table_->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= project_.combinations.size()) return;
    const QString question =
        to_qstring(kDeleteCombinationQuestion)
            .arg(QString::fromStdString(project_.combinations[static_cast<std::size_t>(row)].name));
    if (dialogs_.ask_before_deleting(question, to_qstring(kDeleteCombinationTitle)) != Answer::Yes) return;
    edit([row](load_case::Project& project) { load_case::delete_combination(project, static_cast<std::size_t>(row)); });
    show_combinations();
    combination_table_->setCurrentCell(std::min(row, combination_table_->rowCount() - 1), kNameColumn);
}

void LoadCasesWindow::insert_preset(std::size_t preset) {
    const load_case::DesignPreset& chosen = load_case::kDesignPresets.at(preset);
    const std::size_t first = project_.combinations.size();
    std::size_t inserted = 0;
    edit([&](load_case::Project& project) { inserted = load_case::insert_preset(project, chosen); });
    if (inserted == 0) {
        dialogs_.message(to_qstring(kPresetAddsNothing).arg(to_qstring(chosen.title)), MessageStyle::OkInformation,
                         to_qstring(kPresetTitle));
        return;
    }
    show_combinations();
    combination_table_->setCurrentCell(static_cast<int>(first), kNameColumn);
}

}  // namespace korvel::ui
