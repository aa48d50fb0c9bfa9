#include "ui/dialogs/distributed_load_dialog.hpp"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <iterator>

#include "ui/dialogs/dialogs_texts.hpp"
#include "ui/widgets/qt_text.hpp"

namespace korvel::ui {

DistributedLoadDialog::DistributedLoadDialog(const DistributedLoadQuestion& question, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(to_qstring(kDistributedLoadDialogTitle));
    kind_box_ = new QComboBox(this);
    kind_box_->setObjectName(QStringLiteral("DistributedKind"));
    for (const DistributedKindWords& kind : kDistributedKindWords) kind_box_->addItem(to_qstring(kind.words));
    slopes_box_ = new QComboBox(this);
    slopes_box_->setObjectName(QStringLiteral("DistributedSlopes"));
    for (const SlopesWords& slopes : kSlopesWords) slopes_box_->addItem(to_qstring(slopes.words));
    intensity_box_ = new QLineEdit(this);
    intensity_box_->setObjectName(QStringLiteral("DistributedIntensity"));
    // The bottom chord load always runs over the whole span.
    connect(kind_box_, &QComboBox::currentIndexChanged, this, [this](int index) {
        slopes_box_->setEnabled(kDistributedKindWords[static_cast<std::size_t>(index)].kind !=
                                load_case::DistributedLoadKind::BottomChord);
    });

    auto* hint = new QLabel(to_qstring(kDistributedLoadHint), this);
    hint->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QFormLayout(this);
    layout->addRow(hint);
    layout->addRow(to_qstring(kDistributedKindCaption), kind_box_);
    layout->addRow(to_qstring(kDistributedSlopesCaption), slopes_box_);
    layout->addRow(to_qstring(kDistributedIntensityCaption), intensity_box_);
    layout->addRow(buttons);

    const load_case::DistributedLoad& offered = question.offered;
    kind_box_->setCurrentIndex(
        static_cast<int>(std::ranges::find(kDistributedKindWords, offered.kind, &DistributedKindWords::kind) -
                         kDistributedKindWords.begin()));
    slopes_box_->setCurrentIndex(
        static_cast<int>(std::ranges::find(kSlopesWords, offered.slopes, &SlopesWords::slopes) - kSlopesWords.begin()));
    intensity_box_->setText(QString::fromStdString(offered.intensity));
    intensity_box_->setFocus(Qt::OtherFocusReason);
    if (question.retype) intensity_box_->selectAll();
}

load_case::DistributedLoad DistributedLoadDialog::load() const {
    return {kDistributedKindWords[static_cast<std::size_t>(kind_box_->currentIndex())].kind,
            kSlopesWords[static_cast<std::size_t>(slopes_box_->currentIndex())].slopes,
            intensity_box_->text().trimmed().toStdString()};
}

}  // namespace korvel::ui
