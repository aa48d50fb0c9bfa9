#include "ui/dialogs/load_table_dialog.hpp"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>
#include <utility>

#include "ui/dialogs/dialogs_texts.hpp"
#include "ui/dialogs/load_table.hpp"
#include "ui/widgets/qt_text.hpp"

namespace korvel::ui {

LoadTableDialog::LoadTableDialog(const LoadTexts& loads, std::function<bool()> confirm_discarding, QWidget* parent)
    : QDialog(parent), offered_(loads), confirm_discarding_(std::move(confirm_discarding)) {
    setWindowTitle(to_qstring(kLoadTableTitle));

    table_ = new LoadTable(this);
    table_->set_loads(loads);

    auto* hint = new QLabel(to_qstring(kLoadTableHint), this);
    hint->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &LoadTableDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &LoadTableDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(table_);
    layout->addWidget(buttons);
    table_->setFocus(Qt::OtherFocusReason);
}

LoadTexts LoadTableDialog::loads() const { return table_->loads(); }

QTableWidget& LoadTableDialog::table() const { return *table_; }

void LoadTableDialog::accept() {
    table_->commit_open_editor();
    QDialog::accept();
}

void LoadTableDialog::reject() {
    table_->commit_open_editor();
    if (loads() != offered_ && !confirm_discarding_()) return;
    QDialog::reject();
}

}  // namespace korvel::ui
