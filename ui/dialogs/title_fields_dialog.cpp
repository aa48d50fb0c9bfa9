#include "ui/dialogs/title_fields_dialog.hpp"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/dialogs/dialogs_texts.hpp"
#include "ui/widgets/qt_text.hpp"

namespace korvel::ui {

TitleFieldsDialog::TitleFieldsDialog(const TitleFields& offered, QWidget* parent) : QDialog(parent) {
    setWindowTitle(to_qstring(kTitleFieldsTitle));
    auto* hint = new QLabel(to_qstring(kTitleFieldsHint), this);
    hint->setWordWrap(true);
    auto* form = new QFormLayout;
    for (std::size_t i = 0; i < kTitleFieldLines.size(); ++i) {
        auto* line = new QLineEdit(this);
        line->setMaxLength(kFieldMaxLength);
        line->setText(offered.*kTitleFieldLines[i].field);
        line->setMinimumWidth(line->fontMetrics().averageCharWidth() * 40);
        auto* label = new QLabel(to_qstring(kTitleFieldLines[i].label), this);
        label->setBuddy(line);
        line->setAccessibleName(label->text().remove(u'&').chopped(1));
        form->addRow(label, line);
        lines_[i] = line;
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addLayout(form);
    layout->addWidget(buttons);
    lines_.front()->setFocus(Qt::OtherFocusReason);
    lines_.front()->selectAll();
}

TitleFields TitleFieldsDialog::fields() const {
    TitleFields fields;
    for (std::size_t i = 0; i < kTitleFieldLines.size(); ++i)
        fields.*kTitleFieldLines[i].field = lines_[i]->text().trimmed();
    return fields;
}

}  // namespace korvel::ui
