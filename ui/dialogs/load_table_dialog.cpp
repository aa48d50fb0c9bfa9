#include "ui/dialogs/load_table_dialog.hpp"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/dialogs/load_table.hpp"

namespace korvel::ui {

LoadTableDialog::LoadTableDialog(const LoadTexts& loads, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Edit all loads"));

    table_ = new LoadTable(this);
    table_->set_loads(loads);

    auto* hint = new QLabel(QStringLiteral("Type each load as in the load dialogs; an empty cell is no load."), this);
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

}  // namespace korvel::ui
