#include "ui/dialogs/distributed_load_dialog.hpp"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <iterator>
#include <variant>

#include "ui/dialogs/dialogs_texts.hpp"
#include "ui/widgets/qt_text.hpp"

namespace korvel::ui {

DistributedLoadDialog::DistributedLoadDialog(const DistributedLoadQuestion& question, QWidget* parent)
    : QDialog(parent), area_unit_(question.area_unit) {
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
    if (area_unit_) {
        per_area_box_ = new QLineEdit(this);
        per_area_box_->setObjectName(QStringLiteral("AreaLoad"));
        spacing_box_ = new QLineEdit(this);
        spacing_box_->setObjectName(QStringLiteral("TrussSpacing"));
        line_load_words_ = new QLabel(this);
        line_load_words_->setObjectName(QStringLiteral("LineLoadWords"));
        line_load_words_->setWordWrap(true);
        line_load_words_->setTextFormat(Qt::PlainText);
        layout->addRow(to_qstring(kAreaLoadCaption).arg(QString::fromStdString(area_unit_->area_unit)), per_area_box_);
        layout->addRow(to_qstring(kSpacingCaption).arg(QString::fromStdString(area_unit_->length_unit)), spacing_box_);
        layout->addRow(line_load_words_);
        // The buttons were made first; Tab still goes down the form.
        setTabOrder(intensity_box_, per_area_box_);
        setTabOrder(per_area_box_, spacing_box_);
        connect(per_area_box_, &QLineEdit::textChanged, this, &DistributedLoadDialog::show_line_load);
        connect(spacing_box_, &QLineEdit::textChanged, this, &DistributedLoadDialog::show_line_load);
    }
    layout->addRow(buttons);

    const load_case::DistributedLoadEntry& offered = question.offered;
    kind_box_->setCurrentIndex(
        static_cast<int>(std::ranges::find(kDistributedKindWords, offered.load.kind, &DistributedKindWords::kind) -
                         kDistributedKindWords.begin()));
    slopes_box_->setCurrentIndex(static_cast<int>(
        std::ranges::find(kSlopesWords, offered.load.slopes, &SlopesWords::slopes) - kSlopesWords.begin()));
    intensity_box_->setText(QString::fromStdString(offered.load.intensity));
    QLineEdit* first = intensity_box_;
    if (area_unit_) {
        if (offered.area) {
            per_area_box_->setText(QString::fromStdString(offered.area->per_area));
            spacing_box_->setText(QString::fromStdString(offered.area->spacing));
            first = per_area_box_;
        }
        show_line_load();
    }
    first->setFocus(Qt::OtherFocusReason);
    if (question.retype) first->selectAll();
}

void DistributedLoadDialog::show_line_load() {
    const std::optional<load_case::AreaLoad> area = entry().area;
    // The intensity is typed only while no load per area gives it.
    intensity_box_->setEnabled(!area);
    if (!area) {
        line_load_words_->setText(to_qstring(kAreaLoadHint));
        return;
    }
    const auto w = load_case::line_load(*area, *area_unit_);
    if (const auto* error = std::get_if<load_case::DistributedLoadError>(&w)) {
        line_load_words_->setText(QString::fromStdString(error->message));
        return;
    }
    line_load_words_->setText(
        to_qstring(kLineLoadWords)
            .arg(QString::fromStdString(area->per_area), QString::fromStdString(area_unit_->area_unit),
                 QString::fromStdString(area->spacing), QString::fromStdString(area_unit_->length_unit),
                 QString::fromStdString(std::get<std::string>(w)), QString::fromStdString(area_unit_->line_unit)));
}

load_case::DistributedLoadEntry DistributedLoadDialog::entry() const {
    load_case::DistributedLoadEntry entry{
        {kDistributedKindWords[static_cast<std::size_t>(kind_box_->currentIndex())].kind,
         kSlopesWords[static_cast<std::size_t>(slopes_box_->currentIndex())].slopes,
         intensity_box_->text().trimmed().toStdString()},
        std::nullopt};
    if (per_area_box_ != nullptr && !per_area_box_->text().trimmed().isEmpty())
        entry.area = load_case::AreaLoad{per_area_box_->text().trimmed().toStdString(),
                                         spacing_box_->text().trimmed().toStdString()};
    return entry;
}

}  // namespace korvel::ui
