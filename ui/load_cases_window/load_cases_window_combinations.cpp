// The combinations of the load cases window: a row per combination, its name
// first and then a factor cell per case; an empty cell is no factor.
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "load_case/design_presets.hpp"
#include "ui/load_cases_window/load_cases_window.hpp"
#include "ui/widgets/qt_text.hpp"
#include "ui/widgets/table_headers.hpp"
#include "ui/widgets/typing_delegate.hpp"

namespace korvel::ui {
namespace {

constexpr int kNameColumn = 0;

bool has_combination(const load_case::Project& project, const std::string& name) {
    return std::any_of(project.combinations.begin(), project.combinations.end(),
                       [&name](const load_case::Combination& c) { return c.name == name; });
}

}  // namespace

QWidget* LoadCasesWindow::build_combination_side() {
    auto* box = new QGroupBox(QStringLiteral("Combinations"), this);
    auto* layout = new QVBoxLayout(box);

    combination_table_ = new QTableWidget(box);
    combination_table_->setObjectName(QStringLiteral("CombinationTable"));
    use_readable_header(*combination_table_);
    combination_table_->setAccessibleName(QStringLiteral("Combinations: a row per combination, a factor per case"));
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
    showing_ = true;
    combination_table_->clear();
    combination_table_->setRowCount(static_cast<int>(project_.combinations.size()));
    combination_table_->setColumnCount(static_cast<int>(project_.cases.size()) + 1);
    combination_table_->setHorizontalHeaderItem(kNameColumn, new QTableWidgetItem(QStringLiteral("Combination")));
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
    showing_ = false;
}

void LoadCasesWindow::on_combination_cell(QTableWidgetItem* item) {
    if (showing_ || item == nullptr) return;
    const auto row = static_cast<std::size_t>(item->row());
    if (row >= project_.combinations.size()) return;
    if (item->column() == kNameColumn) {
        // Kept as typed; a repeated or empty name is reported with the envelope until it is corrected.
        project_.combinations[row].name = item->text().toStdString();
    } else {
        const auto column = static_cast<std::size_t>(item->column() - 1);
        if (column >= project_.cases.size()) return;
        set_factor(row, project_.cases[column].name, item->text());
    }
    changed();
}

void LoadCasesWindow::set_factor(std::size_t combination, const std::string& case_name, const QString& text) {
    std::vector<load_case::Factor>& factors = project_.combinations[combination].factors;
    std::erase_if(factors, [&case_name](const load_case::Factor& f) { return f.case_name == case_name; });
    const std::string factor = text.trimmed().toStdString();
    if (factor.empty()) return;
    // Factors stand in the order of their cases, as the table shows them.
    const auto case_position = [this](const std::string& name) {
        return std::find_if(project_.cases.begin(), project_.cases.end(),
                            [&name](const load_case::LoadCase& c) { return c.name == name; }) -
               project_.cases.begin();
    };
    const auto place = std::find_if(factors.begin(), factors.end(), [&](const load_case::Factor& f) {
        return case_position(f.case_name) > case_position(case_name);
    });
    factors.insert(place, {case_name, factor});
}

void LoadCasesWindow::on_add_combination() {
    if (project_.combinations.size() >= load_case::kProjectPartLimit) return;
    std::string name = "Combination";
    for (int n = 2; has_combination(project_, name); ++n) name = "Combination " + std::to_string(n);
    project_.combinations.push_back({name, {}});
    show_combinations();
    const int row = static_cast<int>(project_.combinations.size()) - 1;
    combination_table_->setCurrentCell(row, kNameColumn);
    combination_table_->setFocus(Qt::OtherFocusReason);
    changed();
}

void LoadCasesWindow::on_delete_combination() {
    const int row = combination_table_->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= project_.combinations.size()) return;
    const QString question =
        QStringLiteral("Delete the combination \"%1\" with its factors?")
            .arg(QString::fromStdString(project_.combinations[static_cast<std::size_t>(row)].name));
    if (dialogs_.message(question, MessageStyle::YesNoQuestion, to_qstring(kDeleteCombinationTitle)) != Answer::Yes)
        return;
    project_.combinations.erase(project_.combinations.begin() + row);
    show_combinations();
    combination_table_->setCurrentCell(std::min(row, combination_table_->rowCount() - 1), kNameColumn);
    changed();
}

void LoadCasesWindow::insert_preset(std::size_t preset) {
    const load_case::DesignPreset& chosen = load_case::kDesignPresets.at(preset);
    std::size_t inserted = 0;
    for (load_case::Combination& combination : load_case::preset_combinations(chosen, project_.cases)) {
        if (project_.combinations.size() >= load_case::kProjectPartLimit) break;
        if (has_combination(project_, combination.name)) continue;
        project_.combinations.push_back(std::move(combination));
        ++inserted;
    }
    if (inserted == 0) {
        dialogs_.message(QStringLiteral("%1 adds no combination: the project has them all already, or no case of a "
                                        "kind it combines. Set each case's kind (dead, live, roof live, snow, wind), "
                                        "then insert it again.")
                             .arg(to_qstring(chosen.title)),
                         MessageStyle::OkInformation, to_qstring(kPresetTitle));
        return;
    }
    show_combinations();
    combination_table_->setCurrentCell(static_cast<int>(project_.combinations.size() - inserted), kNameColumn);
    changed();
}

}  // namespace korvel::ui
